#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <functional>

namespace NequoraUI::platform {

class FrameClock;

// Calls back once per display frame while scheduled on the calling thread's frame clock.
// The callback never runs once the link or its target has been destroyed, even when another
// callback of the same frame destroys them.
class DisplayLink : public QObject
{
    Q_OBJECT

public:
    DisplayLink(QObject *target, std::function<void()> callback, QObject *parent = nullptr);
    // slot names an argument-less slot or invokable method of target ("updateData"); the
    // program stops when target has no such method.
    DisplayLink(QObject *target, const char *slot, QObject *parent = nullptr);
    ~DisplayLink() override;

    // Schedules the link on the frame clock; nothing once invalidated or without target.
    void addToRunLoop();
    void removeFromRunLoop();
    // Unschedules the link for good.
    void invalidate();

    bool isScheduled() const { return m_scheduled; }
    bool isValid() const { return m_valid; }
    QObject *target() const { return m_target; }

    // Time of the frame being delivered, and of the one after it, in seconds.
    double timestamp() const;
    double targetTimestamp() const;
    // One frame period, in seconds.
    double duration() const;

private:
    friend class FrameClock;

    void fire();

    QPointer<QObject> m_target;
    std::function<void()> m_callback;
    QPointer<FrameClock> m_clock;
    bool m_scheduled = false;
    bool m_valid = true;
};

} // namespace NequoraUI::platform
