#pragma once

#include "NQAudioPlayerNode.h"
#include "RecorderTransport.h"

#include <QList>
#include <QUrl>
#include <QVariant>
#include <memory>
#include <optional>

class NQAudioNode;

namespace NequoraUI {

// The rows of a player or recorder node on the Qt Quick screen, with what they show: a file
// row and a play/pause row for a player, a start/stop row for a recorder. Texts and actions are
// the widget views' own (PlayerTransport, RecorderTransport).
class NodeTransport
{
public:
    enum class Row
    {
        File,
        Player,
        Recorder,
    };

    // The transport of a player or recorder node; none for other nodes.
    static std::optional<NodeTransport> of(const NQAudioNode &audioNode);

    bool isPlayer() const { return bool(m_player); }
    // A row's value for a GraphRowModel role; audioFiles are the files a file row offers.
    QVariant data(Row row, int role, const QList<QUrl> &audioFiles) const;
    // Plays or pauses, starts or stops; true when what the rows show changed.
    bool toggle();
    // Reads the node again; true when what the rows show changed.
    bool refresh();
    // Gives the player a file; the file row shows it.
    void load(const QUrl &file);
    QUrl file() const { return m_file; }

private:
    std::shared_ptr<NQAudioPlayerNode> m_player;
    QUrl m_file;
    bool m_playing = false;
    double m_progress = 0;
    std::optional<RecorderTransport> m_recorder;
    bool m_recording = false;
    bool m_failure = false;
};

} // namespace NequoraUI
