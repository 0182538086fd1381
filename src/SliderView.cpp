#include "SliderView.h"

#include "platform/Interface.h"
#include "platform/NumberText.h"
#include "platform/Slider.h"

#include <QLabel>

namespace NequoraUI {

namespace {

QString shortestText(float value)
{
    return QString::fromStdString(platform::NumberText::shortest(value));
}

} // namespace

SliderView::SliderView(const QString &title, float initialValue, float minimumValue,
                       float maximumValue, ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), initialValue(initialValue), minimumValue(minimumValue),
      maximumValue(maximumValue), valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("SliderView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    valueLabel = ui.outlet<QLabel>("valueLabel");
    slider = ui.outlet<platform::Slider>("slider");

    titleLabel->setText(title);
    // The value goes last, against the final range.
    slider->setMinimumValue(this->minimumValue);
    slider->setMaximumValue(this->maximumValue);
    slider->setValue(this->initialValue);
    // The label shows the value passed in, not the one the slider pinned.
    valueLabel->setText(shortestText(this->initialValue));
}

void SliderView::setValue(float value)
{
    slider->setValue(value);
    valueLabel->setText(shortestText(value));
}

void SliderView::sliderValueChanged()
{
    valueLabel->setText(QString::fromStdString(platform::NumberText::fixed(slider->value(), 2)));
    if (valueChangedHandler)
        valueChangedHandler(slider->value());
}

} // namespace NequoraUI
