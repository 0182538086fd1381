#pragma once

#include "ParameterMapping.h"

#include <QWidget>
#include <functional>
#include <optional>

class QLabel;

namespace NequoraUI {

namespace platform {
class Slider;
}

// A titled slider over a float range that reports every user change.
class SliderView : public QWidget
{
    Q_OBJECT
public:
    using ValueChangedHandler = std::function<void(float)>;

    SliderView(const QString &title, float initialValue, float minimumValue, float maximumValue,
               ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);

    // Moves the slider (pinned to its range) and shows the value passed in; reports nothing.
    void setValue(float value);

    // The slider's value, pinned to the range; with a presentation, the engine value last shown.
    float value() const;
    float minimumValue() const { return m_minimumValue; }
    float maximumValue() const { return m_maximumValue; }
    QString title() const;

    // Shows the value through a presentation: the track follows its scale, the text its unit
    // and transform, and user changes are snapped to its step. The handler still gets engine
    // values, and the text always shows the value the handler got.
    void setPresentation(const ParameterPresentation &presentation);

signals:
    // Each user change, once, after the handler; never for setValue.
    void valueChanged(float value);

private slots:
    void sliderValueChanged();

private:
    const float initialValue;
    const float m_minimumValue;
    const float m_maximumValue;
    const ValueChangedHandler valueChangedHandler;
    std::optional<ParameterMapping> mapping;
    float mappedValue = 0;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
    platform::Slider *slider = nullptr;
};

} // namespace NequoraUI
