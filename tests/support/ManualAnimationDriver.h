#pragma once

#include <QAnimationDriver>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace NequoraUI::testing {

// Drives Qt's animations by hand: while one exists it is the application's animation driver
// (the base class uninstalls it when destroyed), and animation time moves only when advance() is
// called, so animations finish deterministically without sleeping.
class ManualAnimationDriver : public QAnimationDriver
{
public:
    ManualAnimationDriver() { install(); }

    // Moves animation time forward by milliseconds and steps every running animation.
    void advance(int milliseconds)
    {
        // Animations started since the last step are registered through two chained queued
        // calls; deliver both so they take part in this step.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        // Stepping in frame-sized slices lets animations see intermediate values, as on screen.
        for (; milliseconds > 0; milliseconds -= frame) {
            m_elapsed += std::min(frame, milliseconds);
            advanceAnimation();
        }
    }
    // One step, as the default driver's timer would make.
    void advance() override { advance(frame); }
    qint64 elapsed() const override { return m_elapsed; }

protected:
    // Qt reads elapsed() relative to the moment the driver starts, as the default driver's
    // clock restarts with it.
    void start() override
    {
        m_elapsed = 0;
        QAnimationDriver::start();
    }

private:
    static constexpr int frame = 16;
    qint64 m_elapsed = 0;
};

} // namespace NequoraUI::testing
