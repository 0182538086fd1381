#include "FrameClock.h"

#include "DisplayLink.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <memory>

namespace NequoraUI::platform {

namespace {
constexpr double fallbackRefreshRate = 60.0;

std::chrono::nanoseconds periodOfPrimaryScreen()
{
    double rate = fallbackRefreshRate;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            rate = screen->refreshRate();
    }
    // A screen that reports nothing sensible gets the common rate.
    if (!std::isfinite(rate) || rate < 1.0 || rate > 1000.0)
        rate = fallbackRefreshRate;
    return std::chrono::nanoseconds(std::llround(1e9 / rate));
}

template <typename Duration> double seconds(Duration duration)
{
    return std::chrono::duration<double>(duration).count();
}
} // namespace

FrameClock *FrameClock::forCurrentThread()
{
    // The application thread's clock dies with the application; other threads own theirs.
    thread_local QPointer<FrameClock> clock;
    thread_local std::unique_ptr<FrameClock> threadOwned;
    if (!clock) {
        QCoreApplication *app = QCoreApplication::instance();
        if (app && app->thread() == QThread::currentThread()) {
            clock = new FrameClock(app);
        } else {
            threadOwned.reset(new FrameClock(nullptr));
            clock = threadOwned.get();
        }
    }
    return clock;
}

FrameClock::FrameClock(QObject *parent) : QObject(parent), m_period(periodOfPrimaryScreen())
{
    m_deadline = m_origin;
    m_frameTime = m_origin;
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FrameClock::timerFired);
}

double FrameClock::refreshRate() const
{
    return 1e9 / double(m_period.count());
}

void FrameClock::setManual(bool manual)
{
    m_manual = manual;
    updateTimer();
}

void FrameClock::advanceFrame()
{
    m_frameTime += m_period;
    deliverFrame();
}

int FrameClock::scheduledLinkCount() const
{
    return int(std::count_if(m_links.begin(), m_links.end(),
                             [](const QPointer<DisplayLink> &link) { return !link.isNull(); }));
}

double FrameClock::frameTimestamp() const
{
    return seconds(m_frameTime - m_origin);
}

void FrameClock::schedule(DisplayLink *link)
{
    m_links.emplace_back(link);
    updateTimer();
}

void FrameClock::unschedule(DisplayLink *link)
{
    std::erase_if(m_links, [link](const QPointer<DisplayLink> &entry) {
        return entry.isNull() || entry.data() == link;
    });
    updateTimer();
}

void FrameClock::updateTimer()
{
    const bool wanted = !m_manual && scheduledLinkCount() > 0;
    if (wanted && !m_timer.isActive()) {
        m_deadline = Clock::now() + m_period;
        armTimer();
    } else if (!wanted) {
        m_timer.stop();
    }
}

void FrameClock::armTimer()
{
    // Qt's precise timers count whole milliseconds; rounding to the nearest keeps each frame
    // within half a millisecond of its deadline, and the deadlines themselves never drift.
    const auto remaining = m_deadline - Clock::now();
    const auto milliseconds = std::max<long long>(0, std::llround(remaining.count() / 1e6));
    m_timer.start(int(milliseconds));
}

void FrameClock::timerFired()
{
    if (m_manual)
        return;
    m_frameTime = m_deadline;
    deliverFrame();
    if (m_manual || scheduledLinkCount() == 0)
        return;
    // Deadlines that passed while this frame was being delivered are skipped, not queued up.
    const auto now = Clock::now();
    m_deadline += m_period;
    if (now >= m_deadline) {
        const auto late = (now - m_deadline) / m_period + 1;
        m_missedFrames += quint64(late);
        m_deadline += late * m_period;
    }
    armTimer();
}

void FrameClock::deliverFrame()
{
    ++m_frames;
    // Links scheduled during this frame wait for the next one; links destroyed or removed
    // during it are skipped.
    const std::vector<QPointer<DisplayLink>> links = m_links;
    for (const QPointer<DisplayLink> &link : links) {
        if (link && link->isScheduled())
            link->fire();
    }
}

} // namespace NequoraUI::platform
