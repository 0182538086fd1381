#include "DisplayLink.h"

#include "FrameClock.h"

#include <QMetaObject>

namespace NequoraUI::platform {

namespace {

std::function<void()> slotCaller(QObject *target, const char *slot)
{
    QByteArray name(slot ? slot : "");
    // SLOT() texts carry a type digit in front.
    if (!name.isEmpty() && name.front() >= '0' && name.front() <= '9')
        name.remove(0, 1);
    if (!name.contains('('))
        name += "()";
    const QByteArray signature = QMetaObject::normalizedSignature(name.constData());
    const int index = target ? target->metaObject()->indexOfMethod(signature.constData()) : -1;
    if (target && index < 0)
        qFatal("DisplayLink: %s has no method %s", target->metaObject()->className(),
               signature.constData());
    if (!target)
        return {};
    const QMetaMethod method = target->metaObject()->method(index);
    return [target, method] { method.invoke(target, Qt::DirectConnection); };
}

} // namespace

DisplayLink::DisplayLink(QObject *target, std::function<void()> callback, QObject *parent)
    : QObject(parent), m_target(target), m_callback(std::move(callback)),
      m_clock(FrameClock::forCurrentThread())
{
    if (target)
        connect(target, &QObject::destroyed, this, &DisplayLink::invalidate);
    else
        m_valid = false;
}

DisplayLink::DisplayLink(QObject *target, const char *slot, QObject *parent)
    : DisplayLink(target, slotCaller(target, slot), parent)
{}

DisplayLink::~DisplayLink()
{
    removeFromRunLoop();
}

void DisplayLink::addToRunLoop()
{
    if (m_scheduled || !m_valid || !m_target || !m_clock)
        return;
    m_scheduled = true;
    m_clock->schedule(this);
}

void DisplayLink::removeFromRunLoop()
{
    if (!m_scheduled)
        return;
    m_scheduled = false;
    if (m_clock)
        m_clock->unschedule(this);
}

void DisplayLink::invalidate()
{
    removeFromRunLoop();
    m_valid = false;
}

double DisplayLink::timestamp() const
{
    return m_clock ? m_clock->frameTimestamp() : 0.0;
}

double DisplayLink::targetTimestamp() const
{
    return timestamp() + duration();
}

double DisplayLink::duration() const
{
    return m_clock ? std::chrono::duration<double>(m_clock->period()).count() : 0.0;
}

void DisplayLink::fire()
{
    if (!m_target || !m_callback)
        return;
    // The callback may destroy this link (and with it m_callback): run a copy.
    const std::function<void()> callback = m_callback;
    callback();
}

} // namespace NequoraUI::platform
