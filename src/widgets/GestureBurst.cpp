#include "GestureBurst.h"

namespace NequoraUI {

GestureBurst::GestureBurst(QObject *parent, int quietMilliseconds) : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMilliseconds);
    connect(&m_quiet, &QTimer::timeout, this, &GestureBurst::finish);
}

// A burst under way when its owner goes still ends, so every start has its end.
GestureBurst::~GestureBurst()
{
    m_quiet.stop();
    if (m_active) {
        m_active = false;
        emit ended();
    }
}

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
