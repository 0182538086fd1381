#include "NodeTransport.h"

#include "AudioFilePickerViewController.h"
#include "GraphRowModel.h"
#include "MediaNodeViews.h"
#include "NQAudioNode.h"
#include "PlayerTransport.h"

namespace NequoraUI {

std::optional<NodeTransport> NodeTransport::of(const NQAudioNode &audioNode)
{
    NodeTransport transport;
    if (MediaNodeViews::isPlayer(audioNode))
        // A player object of our own for the engine node, as the widget screen makes.
        transport.m_player = std::make_shared<NQAudioPlayerNode>(audioNode.audioNode());
    else if (MediaNodeViews::isRecorder(audioNode))
        transport.m_recorder = MediaNodeViews::recorderTransport(audioNode);
    else
        return std::nullopt;
    transport.refresh();
    return transport;
}

QVariant NodeTransport::data(Row row, int role, const QList<QUrl> &audioFiles) const
{
    switch (role) {
    case GraphRowModel::KindRole:
        return row == Row::File     ? QStringLiteral("file")
               : row == Row::Player ? QStringLiteral("player")
                                    : QStringLiteral("recorder");
    case GraphRowModel::TitleRole:
    case Qt::DisplayRole:
        return row == Row::File     ? QStringLiteral("File")
               : row == Row::Player ? QStringLiteral("Playback")
                                    : QStringLiteral("Recording");
    case GraphRowModel::ValueTextRole:
        if (row == Row::File)
            return m_file.isEmpty() ? QString()
                                    : AudioFilePickerViewController::displayName(m_file);
        return row == Row::Player ? PlayerTransport::stateText(m_playing) : m_recorder->stateText();
    case GraphRowModel::ActionTextRole:
        if (row == Row::File)
            return QString();
        return row == Row::Player ? PlayerTransport::actionText(m_playing)
                                  : m_recorder->actionText();
    case GraphRowModel::ProportionRole:
        return row == Row::Player ? m_progress : 0.0;
    case GraphRowModel::ChoicesRole: {
        QStringList names;
        if (row == Row::File)
            for (const QUrl &file : audioFiles)
                names.append(AudioFilePickerViewController::displayName(file));
        return names;
    }
    case GraphRowModel::ChoiceIndexRole:
        return row == Row::File ? int(audioFiles.indexOf(m_file)) : -1;
    case GraphRowModel::ValueRole:
        if (row == Row::File)
            return m_file;
        return row == Row::Player ? m_playing : m_recording;
    case GraphRowModel::ReadOnlyRole:
        return false;
    case GraphRowModel::EditableRole:
        return row != Row::Recorder || m_recorder->canToggle();
    default:
        return {};
    }
}

bool NodeTransport::toggle()
{
    if (m_player)
        PlayerTransport::toggle(*m_player);
    else if (!m_recorder->toggle())
        return false;
    return refresh();
}

bool NodeTransport::refresh()
{
    bool changed = false;
    const auto update = [&changed](auto &shown, auto now) {
        changed = changed || shown != now;
        shown = now;
    };
    if (m_player) {
        update(m_playing, m_player->isPlaying());
        update(m_progress, PlayerTransport::progress(*m_player));
    } else {
        update(m_recording, m_recorder->isRecording());
        update(m_failure, m_recorder->lastRecordingFailed());
    }
    return changed;
}

void NodeTransport::load(const QUrl &file)
{
    m_file = file;
    if (m_player)
        m_player->load(file.toString(QUrl::FullyEncoded).toStdString());
}

} // namespace NequoraUI
