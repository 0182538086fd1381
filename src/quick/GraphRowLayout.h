#pragma once

#include "NodeTransport.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class NQAudioGraph;
class NQAudioNode;

namespace NequoraUI {

class ParameterRowCache;

// Which rows a graph's screen has, in order: a section row per node that has something to show,
// then the node's parameter rows, or its file and play/pause row (player) or start/stop row
// (recorder). Folding and filtering only change which rows are laid out; the parameters stay
// described in the ParameterRowCache, so a row is found again by the parameter it shows.
// GraphRowModel presents the rows and announces the changes; this class only keeps their order.
class GraphRowLayout
{
public:
    // What an entry's ordinal holds for the rows that show no parameter.
    enum NodeRow
    {
        SectionRow = -1,
        FileRow = -2,
        PlayerRow = -3,
        RecorderRow = -4,
    };
    struct Node
    {
        QString title;
        // The name the node's parameters are known by in the screen's settings.
        QString key;
        std::shared_ptr<NQAudioNode> audioNode;
        // The node's parameter rows: cache numbers first to first + count - 1.
        int first = 0;
        int count = 0;
        bool folded = false;
        // A player's or recorder's rows.
        std::optional<NodeTransport> transport;
    };
    struct Entry
    {
        int node = 0;
        // A parameter row's number in the cache, or a NodeRow.
        int ordinal = SectionRow;
    };

    // The nodes graph shows, their parameters added to rows; every section after the first
    // starts folded when there are more than foldSectionsAbove. No row is laid out yet.
    GraphRowLayout(const NQAudioGraph &graph, ParameterRowCache &rows,
                   const std::optional<qsizetype> &foldSectionsAbove);

    // Lays the rows out again for the nodes' folding and filterText (which keeps the rows whose
    // parameter, group or node matches). Players get a file row when showsFileRows.
    void layOut(const ParameterRowCache &rows, const QString &filterText, bool showsFileRows);

    const std::vector<Entry> &entries() const { return m_entries; }
    const std::vector<Node> &nodes() const { return m_nodes; }
    std::vector<Node> &nodes() { return m_nodes; }
    // The cache number of the parameter a row shows, or -1.
    int ordinalAt(int row) const;
    // The row showing the parameter with cache number ordinal, or -1 (folded or filtered out).
    int rowOf(int ordinal) const { return m_rowOfOrdinal[size_t(ordinal)]; }
    // The node whose row of kind row is, or null when row is another kind of row.
    Node *nodeAt(int row, NodeRow kind);
    // Folds or unfolds the node a section row heads; false when row is no section row. The
    // rows are laid out again by the caller.
    bool toggleFold(int row);
    bool hasPlayers() const;
    static NodeTransport::Row transportRow(int ordinal);

private:
    void addParameterNode(const std::shared_ptr<NQAudioNode> &audioNode, const QString &key,
                          ParameterRowCache &rows);
    void addTransportNode(const NQAudioNode &audioNode);
    void addTransportEntries(int node, const QString &filterText, bool showsFileRows);
    static bool matches(const ParameterRowCache &rows, const Node &node, int ordinal,
                        const QString &filterText);

    std::vector<Node> m_nodes;
    std::vector<Entry> m_entries;
    // The model row showing each parameter, or -1 (folded or filtered out).
    std::vector<int> m_rowOfOrdinal;
};

} // namespace NequoraUI
