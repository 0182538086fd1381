#include "ValueLabelView.h"

#include "platform/Interface.h"

#include <QLabel>

namespace NequoraUI {

ValueLabelView::ValueLabelView(const QString &title, const QString &initialValue, QWidget *parent)
    : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("ValueLabelView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    valueLabel = ui.outlet<QLabel>("valueLabel");
    titleLabel->setText(title);
    valueLabel->setText(initialValue);
}

QString ValueLabelView::stringValue() const
{
    return valueLabel->text();
}

void ValueLabelView::setStringValue(const QString &value)
{
    valueLabel->setText(value);
}

} // namespace NequoraUI
