#include "RecorderTransport.h"

namespace NequoraUI {

RecorderTransport::RecorderTransport(std::shared_ptr<NQRecorderNode> recorder,
                                     std::optional<QString> path, std::optional<NQCodec> format)
    : m_recorder(std::move(recorder)), m_path(std::move(path)), m_format(format)
{}

bool RecorderTransport::canToggle() const
{
    return m_recorder && m_path && m_format;
}

bool RecorderTransport::toggle()
{
    if (!canToggle())
        return false;
    if (m_recorder->isRecording()) {
        m_failed = !m_recorder->stop(m_path->toStdString(), *m_format);
    } else {
        m_failed = false;
        m_recorder->start();
    }
    return true;
}

bool RecorderTransport::isRecording() const
{
    return m_recorder && m_recorder->isRecording();
}

QString RecorderTransport::actionText() const
{
    return isRecording() ? QStringLiteral("Stop Recording") : QStringLiteral("Start Recording");
}

QString RecorderTransport::stateText() const
{
    if (isRecording())
        return QStringLiteral("Recording");
    return m_failed ? failureText() : QStringLiteral("Stopped");
}

QString RecorderTransport::failureText()
{
    return QStringLiteral("Recording failed");
}

} // namespace NequoraUI
