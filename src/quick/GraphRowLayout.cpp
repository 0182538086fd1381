#include "GraphRowLayout.h"

#include "GraphParameters.h"
#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "ParameterRowCache.h"
#include "UIGenerator.h"

#include <algorithm>

namespace NequoraUI {

GraphRowLayout::GraphRowLayout(const NQAudioGraph &graph, ParameterRowCache &rows,
                               const std::optional<qsizetype> &foldSectionsAbove)
{
    const auto nodes = UIGenerator::shownNodes(graph);
    const QStringList keys = GraphParameters::nodeNames(nodes);
    for (size_t n = 0; n < nodes.size(); ++n) {
        if (!nodes[n])
            continue;
        if (UIGenerator::showsParameterRows(*nodes[n]))
            addParameterNode(nodes[n], keys[qsizetype(n)], rows);
        else
            addTransportNode(*nodes[n]);
    }
    if (foldSectionsAbove && qsizetype(m_nodes.size()) > *foldSectionsAbove)
        for (size_t n = 1; n < m_nodes.size(); ++n)
            m_nodes[n].folded = true;
}

void GraphRowLayout::addParameterNode(const std::shared_ptr<NQAudioNode> &audioNode,
                                      const QString &key, ParameterRowCache &rows)
{
    Node node;
    node.title = QString::fromStdString(audioNode->displayName());
    node.key = key;
    node.audioNode = audioNode;
    node.first = rows.size();
    for (const auto &parameter : audioNode->parameters())
        rows.add(parameter);
    node.count = rows.size() - node.first;
    if (node.count > 0)
        m_nodes.push_back(std::move(node));
}

void GraphRowLayout::addTransportNode(const NQAudioNode &audioNode)
{
    Node node;
    node.title = QString::fromStdString(audioNode.displayName());
    node.transport = NodeTransport::of(audioNode);
    m_nodes.push_back(std::move(node));
}

int GraphRowLayout::ordinalAt(int row) const
{
    if (row < 0 || row >= int(m_entries.size()))
        return -1;
    return std::max(m_entries[size_t(row)].ordinal, -1);
}

bool GraphRowLayout::matches(const ParameterRowCache &rows, const Node &node, int ordinal,
                             const QString &filterText)
{
    const QString text = filterText.trimmed();
    if (text.isEmpty() || node.title.contains(text, Qt::CaseInsensitive) ||
        QString::fromStdString(rows.parameter(ordinal)->name()).contains(text, Qt::CaseInsensitive))
        return true;
    const auto presentation = rows.presentation(ordinal);
    return presentation && presentation->group.contains(text, Qt::CaseInsensitive);
}

void GraphRowLayout::layOut(const ParameterRowCache &rows, const QString &filterText,
                            bool showsFileRows)
{
    m_entries.clear();
    const bool filtering = !filterText.trimmed().isEmpty();
    std::vector<Entry> shown;
    for (size_t n = 0; n < m_nodes.size(); ++n) {
        const Node &node = m_nodes[n];
        if (node.transport) {
            addTransportEntries(int(n), filterText, showsFileRows);
            continue;
        }
        shown.clear();
        for (int ordinal = node.first; ordinal < node.first + node.count; ++ordinal)
            if (!filtering || matches(rows, node, ordinal, filterText))
                shown.push_back({int(n), ordinal});
        // A filtered screen leaves out the nodes with no match and opens the ones with some.
        if (filtering && shown.empty())
            continue;
        m_entries.push_back({int(n), SectionRow});
        if (!node.folded || filtering)
            m_entries.insert(m_entries.end(), shown.begin(), shown.end());
    }
    m_rowOfOrdinal.assign(size_t(rows.size()), -1);
    for (size_t r = 0; r < m_entries.size(); ++r)
        if (m_entries[r].ordinal >= 0)
            m_rowOfOrdinal[size_t(m_entries[r].ordinal)] = int(r);
}

void GraphRowLayout::addTransportEntries(int n, const QString &filterText, bool showsFileRows)
{
    // Players and recorders show no parameter rows: they match by their node's name only.
    const Node &node = m_nodes[size_t(n)];
    const bool filtering = !filterText.trimmed().isEmpty();
    if (filtering && !node.title.contains(filterText.trimmed(), Qt::CaseInsensitive))
        return;
    m_entries.push_back({n, SectionRow});
    if (node.folded && !filtering)
        return;
    const bool player = node.transport->isPlayer();
    if (player && showsFileRows)
        m_entries.push_back({n, FileRow});
    m_entries.push_back({n, player ? PlayerRow : RecorderRow});
}

GraphRowLayout::Node *GraphRowLayout::nodeAt(int row, NodeRow kind)
{
    if (row < 0 || row >= int(m_entries.size()) || m_entries[size_t(row)].ordinal != kind)
        return nullptr;
    return &m_nodes[size_t(m_entries[size_t(row)].node)];
}

bool GraphRowLayout::toggleFold(int row)
{
    Node *node = nodeAt(row, SectionRow);
    if (!node)
        return false;
    node->folded = !node->folded;
    return true;
}

bool GraphRowLayout::hasPlayers() const
{
    return std::any_of(m_nodes.begin(), m_nodes.end(), [](const Node &node) {
        return node.transport && node.transport->isPlayer();
    });
}

NodeTransport::Row GraphRowLayout::transportRow(int ordinal)
{
    return ordinal == FileRow     ? NodeTransport::Row::File
           : ordinal == PlayerRow ? NodeTransport::Row::Player
                                  : NodeTransport::Row::Recorder;
}

} // namespace NequoraUI
