#pragma once

#include <QObject>
#include <QTimer>

namespace NequoraUI {

// A gesture made of separate events with no press or release of their own (arrow keys, wheel
// notches, controller moves): the first event starts it, and it ends once no event has come
// for a while, or when finish() is called.
class GestureBurst : public QObject
{
    Q_OBJECT

public:
    // A wheel notch or key repeat comes well within this; a new turn of the wheel does not.
    static constexpr int defaultQuietMilliseconds = 300;

    explicit GestureBurst(QObject *parent = nullptr,
                          int quietMilliseconds = defaultQuietMilliseconds);
    // Ends nothing: an owner that goes away during a burst calls finish() first.
    ~GestureBurst() override;

    bool isActive() const { return m_active; }
    // One event of the burst: starts it when none is under way, and restarts the quiet time.
    void touch();
    // Ends the burst now, if one is under way.
    void finish();

signals:
    void started();
    void ended();

private:
    QTimer m_quiet;
    bool m_active = false;
};

} // namespace NequoraUI
