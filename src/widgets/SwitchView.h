#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "RowViewListener.h"
#include "platform/Switch.h"

class QLabel;

namespace NequoraUI {

// A titled on/off switch that reports every user flip.
class SwitchView : public QWidget
{
    Q_OBJECT
public:
    using ValueChangedHandler = std::function<void(bool)>;

    SwitchView(const QString &title, bool initialValue, ValueChangedHandler valueChangedHandler,
               QWidget *parent = nullptr);

    // Readable and replaceable; setting its state directly reports nothing.
    QPointer<platform::Switch> toggleSwitch;

    // The state of the switch the outlet names; off when there is none.
    bool isOn() const;
    QString title() const;

    // Told of each user change and gesture before the signals below; null (the default) for
    // none. The view keeps it and deletes it with itself, or when another one is set.
    void setListener(std::unique_ptr<RowViewListener> listener);
    RowViewListener *listener() const { return m_listener.get(); }

signals:
    // Each user flip, once, after the handler; never for a programmatic setOn.
    void toggled(bool on);
    // Around each user flip: before the handler, and after the flip is reported.
    void gestureStarted();
    void gestureEnded();

private slots:
    void switchValueChanged();

private:
    std::unique_ptr<RowViewListener> m_listener;
    const bool initialValue;
    const ValueChangedHandler valueChangedHandler;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
};

} // namespace NequoraUI
