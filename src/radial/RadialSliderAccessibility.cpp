#include "RadialSliderAccessibility.h"

#include "platform/NumberText.h"

#include <QAccessible>
#include <QQmlEngine>
#include <QQuickItem>

namespace NequoraUI {

bool RadialSliderAccessibility::joinTree(QQuickItem *pad)
{
    const QMetaObject *attachedType = QMetaType::fromName("QQuickAccessibleAttached*").metaObject();
    if (!attachedType)
        return false;
    QObject *attached =
        qmlAttachedPropertiesObject(pad, qmlAttachedPropertiesFunction(pad, attachedType), true);
    if (!attached)
        return false;
    // The pad's own interface answers for it; the attached object agrees with it.
    attached->setProperty("role", QVariant::fromValue(QAccessible::Slider));
    return true;
}

QString RadialSliderAccessibility::valueText(RadialSliderGeometry::Point position)
{
    return QStringLiteral("x %1, y %2")
        .arg(QString::fromStdString(platform::NumberText::fixed(position.x, 2)),
             QString::fromStdString(platform::NumberText::fixed(position.y, 2)));
}

void RadialSliderAccessibility::announceValue(QQuickItem *pad, RadialSliderGeometry::Point position)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(pad, valueText(position));
    QAccessible::updateAccessibility(&event);
}

} // namespace NequoraUI
