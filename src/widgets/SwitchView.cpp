#include "SwitchView.h"

#include "RowChangeReport.h"
#include "platform/Interface.h"

#include <QLabel>

namespace NequoraUI {

SwitchView::SwitchView(const QString &title, bool initialValue,
                       ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), initialValue(initialValue),
      valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("SwitchView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    toggleSwitch = ui.outlet<platform::Switch>("toggleSwitch");

    titleLabel->setText(title);
    titleLabel->setBuddy(toggleSwitch);
    toggleSwitch->setOn(this->initialValue);
}

void SwitchView::switchValueChanged()
{
    // Reads whichever switch the outlet names now, even if the event came from another one.
    if (!toggleSwitch)
        return;
    const bool on = toggleSwitch->isOn();
    reportRowChange(
        this,
        [this, on] {
            if (valueChangedHandler)
                valueChangedHandler(on);
        },
        &SwitchView::toggled, on);
}

void SwitchView::setListener(std::unique_ptr<RowViewListener> listener)
{
    m_listener = std::move(listener);
}

bool SwitchView::isOn() const
{
    return toggleSwitch && toggleSwitch->isOn();
}

QString SwitchView::title() const
{
    return titleLabel->text();
}

} // namespace NequoraUI
