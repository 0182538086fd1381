#pragma once

#include <QWidget>
#include <functional>

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

    // The slider's value, pinned to the range.
    float value() const;
    float minimumValue() const { return m_minimumValue; }
    float maximumValue() const { return m_maximumValue; }
    QString title() const;

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
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
    platform::Slider *slider = nullptr;
};

} // namespace NequoraUI
