#include "ManualAnimationDriver.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace NequoraUI::testing {

ManualAnimationDriver::ManualAnimationDriver()
{
    install();
}

ManualAnimationDriver::~ManualAnimationDriver() = default; // the base class uninstalls it

void ManualAnimationDriver::advance(int milliseconds)
{
    // Animations started since the last step are registered through two chained queued calls;
    // deliver both so they take part in this step.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    // Stepping in frame-sized slices lets animations see intermediate values, as on screen.
    constexpr int frame = 16;
    while (milliseconds > 0) {
        const int step = std::min(frame, milliseconds);
        m_elapsed += step;
        milliseconds -= step;
        advanceAnimation();
    }
}

void ManualAnimationDriver::advance()
{
    advance(16);
}

void ManualAnimationDriver::start()
{
    m_elapsed = 0;
    QAnimationDriver::start();
}

qint64 ManualAnimationDriver::elapsed() const
{
    return m_elapsed;
}

} // namespace NequoraUI::testing
