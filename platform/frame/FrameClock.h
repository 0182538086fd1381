#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <vector>

namespace NequoraUI::platform {

class DisplayLink;

// The display's frame clock for one thread: fires every scheduled display link once per
// refresh of the primary screen (60 Hz when the screen does not say). Deadlines advance by
// exactly one period, so the clock does not drift; frames that could not be delivered in time
// are skipped and counted. The timer runs only while a link is scheduled. In manual mode the
// timer never runs and frames come from advanceFrame() alone.
class FrameClock : public QObject
{
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;

    // The clock of the calling thread, created on first use.
    static FrameClock *forCurrentThread();

    std::chrono::nanoseconds period() const { return m_period; }
    double refreshRate() const;

    void setManual(bool manual);
    bool isManual() const { return m_manual; }
    // Fires every scheduled link once, in scheduling order.
    void advanceFrame();

    // True while the frame timer runs.
    bool isRunning() const { return m_timer.isActive(); }
    int scheduledLinkCount() const;
    quint64 frameCount() const { return m_frames; }
    quint64 missedFrameCount() const { return m_missedFrames; }
    // Time of the current frame's deadline, seconds since the clock started.
    double frameTimestamp() const;

private:
    friend class DisplayLink;

    explicit FrameClock(QObject *parent);
    void schedule(DisplayLink *link);
    void unschedule(DisplayLink *link);
    void updateTimer();
    void armTimer();
    void timerFired();
    void deliverFrame();

    std::chrono::nanoseconds m_period;
    Clock::time_point m_origin = Clock::now();
    Clock::time_point m_deadline;
    Clock::time_point m_frameTime;
    QTimer m_timer;
    std::vector<QPointer<DisplayLink>> m_links;
    bool m_manual = false;
    quint64 m_frames = 0;
    quint64 m_missedFrames = 0;
};

} // namespace NequoraUI::platform
