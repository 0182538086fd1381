#include "GestureBurst.h"

namespace NequoraUI {

GestureBurst::GestureBurst(QObject *parent, int quietMilliseconds) : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMilliseconds);
    connect(&m_quiet, &QTimer::timeout, this, &GestureBurst::finish);
}

// Silent: what the signals reach may be half destroyed by now. Owners call finish() while
// they are whole, so every start has its end.
GestureBurst::~GestureBurst() = default;

void GestureBurst::touch()
{
    m_quiet.start();
    if (m_active)
        return;
    m_active = true;
    emit started();
}

void GestureBurst::finish()
{
    m_quiet.stop();
    if (!m_active)
        return;
    m_active = false;
    emit ended();
}

} // namespace NequoraUI
