#include "ViewAppearance.h"

#include <QVariant>
#include <QWidget>

namespace NequoraUI::platform {

namespace {

constexpr const char *tintProperty = "nequoraTintColor";
constexpr const char *backgroundProperty = "nequoraBackgroundColor";
constexpr const char *radiusProperty = "nequoraCornerRadius";

QString cssColor(const QColor &color)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

} // namespace

void ViewAppearance::setTintColor(QWidget *view, const QColor &color)
{
    view->setProperty(tintProperty, color);
    restyle(view);
}

void ViewAppearance::setBackgroundColor(QWidget *view, const QColor &color)
{
    view->setProperty(backgroundProperty, color);
    restyle(view);
}

void ViewAppearance::setCornerRadius(QWidget *view, qreal radius)
{
    view->setProperty(radiusProperty, radius);
    restyle(view);
}

QColor ViewAppearance::tintColor(const QWidget *view)
{
    return view->property(tintProperty).value<QColor>();
}

QColor ViewAppearance::backgroundColor(const QWidget *view)
{
    return view->property(backgroundProperty).value<QColor>();
}

qreal ViewAppearance::cornerRadius(const QWidget *view)
{
    return view->property(radiusProperty).toReal();
}

void ViewAppearance::restyle(QWidget *view)
{
    QStringList rules;
    if (const QColor tint = tintColor(view); tint.isValid())
        rules << QStringLiteral("color: %1;").arg(cssColor(tint));
    if (const QColor background = backgroundColor(view); background.isValid())
        rules << QStringLiteral("background-color: %1; border: none; padding: 8px 16px;")
                     .arg(cssColor(background));
    if (const qreal radius = cornerRadius(view); radius > 0)
        rules << QStringLiteral("border-radius: %1px;").arg(radius);
    view->setStyleSheet(rules.join(QLatin1Char(' ')));
}

} // namespace NequoraUI::platform
