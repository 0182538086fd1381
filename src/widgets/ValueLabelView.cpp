#include "ValueLabelView.h"

#include "platform/Interface.h"
#include "platform/SizeHintGate.h"

#include <QLabel>
#include <QLayout>

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
    // A value that changes often (a meter) mostly keeps its width: the gate keeps such a change
    // from laying out the row, the section and the screen again.
    valueGate = new platform::SizeHintGate(contentView);
    delete contentView->layout()->replaceWidget(valueLabel, valueGate);
    valueGate->setChild(valueLabel);
}

QString ValueLabelView::stringValue() const
{
    return valueLabel->text();
}

void ValueLabelView::setValueHoldsWidestWidth(bool holds)
{
    valueGate->setHoldsWidestWidth(holds);
}

void ValueLabelView::setStringValue(const QString &value)
{
    valueLabel->setText(value);
}

} // namespace NequoraUI
