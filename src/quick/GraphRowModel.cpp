#include "GraphRowModel.h"

#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "NQStringParameter.h"
#include "UIGenerator.h"
#include "ValueChangeCommand.h"

#include <algorithm>

namespace NequoraUI {

namespace {

QString kindName(ParameterRow::Kind kind)
{
    switch (kind) {
    case ParameterRow::Kind::Slider:
        return QStringLiteral("slider");
    case ParameterRow::Kind::Switch:
        return QStringLiteral("switch");
    case ParameterRow::Kind::TextField:
        return QStringLiteral("text");
    case ParameterRow::Kind::Segments:
        return QStringLiteral("segments");
    case ParameterRow::Kind::Picker:
        return QStringLiteral("picker");
    case ParameterRow::Kind::ReadOnly:
        return QStringLiteral("readOnly");
    }
    return {};
}

// The roles a value change touches.
const QList<int> valueRoles = {GraphRowModel::ValueTextRole, GraphRowModel::ProportionRole,
                               GraphRowModel::ChoiceIndexRole, GraphRowModel::ValueRole};

} // namespace

struct GraphRowModel::Node
{
    QString title;
    std::vector<ParameterRow> rows;
    // What each row shows, and what it showed when the screen opened (for reset).
    std::vector<QVariant> shown;
    std::vector<QVariant> initial;
    std::vector<ParameterRow::TextWriter> textWriters;
    bool folded = false;
};

GraphRowModel::GraphRowModel(const NQAudioGraph &graph, const UIGenerator &generator,
                             QObject *parent)
    : QAbstractListModel(parent), m_undoStack(generator.undoStack),
      m_follows(generator.followsParameters)
{
    if (!m_undoStack)
        m_undoStack = new QUndoStack(this);
    for (const auto &audioNode : UIGenerator::shownNodes(graph)) {
        if (!audioNode || !UIGenerator::showsParameterRows(*audioNode))
            continue;
        Node node;
        node.title = QString::fromStdString(audioNode->displayName());
        for (const auto &parameter : audioNode->parameters()) {
            auto row = ParameterRow::describe(parameter, generator.presentationFor(parameter));
            if (!row)
                continue;
            ParameterRow::TextWriter writeText;
            if (auto text = std::dynamic_pointer_cast<NQStringParameter>(parameter);
                text && generator.stringWriter)
                writeText = [text, writer = generator.stringWriter](const QString &value) {
                    writer(text, value.toStdString());
                };
            node.shown.push_back(row->value());
            node.initial.push_back(node.shown.back());
            node.textWriters.push_back(std::move(writeText));
            node.rows.push_back(std::move(*row));
        }
        if (!node.rows.empty())
            m_nodes.push_back(std::move(node));
    }
    const auto &fold = generator.foldSectionsAbove;
    if (fold && qsizetype(m_nodes.size()) > *fold)
        for (size_t n = 1; n < m_nodes.size(); ++n)
            m_nodes[n].folded = true;
    rebuild();
}

GraphRowModel::~GraphRowModel() = default;

int GraphRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

const ParameterRow *GraphRowModel::rowAt(int row) const
{
    if (row < 0 || row >= int(m_entries.size()) || m_entries[size_t(row)].parameter < 0)
        return nullptr;
    const Entry &entry = m_entries[size_t(row)];
    return &m_nodes[size_t(entry.node)].rows[size_t(entry.parameter)];
}

QVariant GraphRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_entries.size()))
        return {};
    const Entry &entry = m_entries[size_t(index.row())];
    const Node &node = m_nodes[size_t(entry.node)];
    if (role == SectionRole)
        return node.title;
    if (entry.parameter < 0) {
        switch (role) {
        case KindRole:
            return QStringLiteral("section");
        case TitleRole:
        case Qt::DisplayRole:
            return node.title;
        case FoldedRole:
            return node.folded;
        default:
            return {};
        }
    }
    const ParameterRow &row = node.rows[size_t(entry.parameter)];
    const QVariant &shown = node.shown[size_t(entry.parameter)];
    switch (role) {
    case KindRole:
        return kindName(row.kind());
    case TitleRole:
    case Qt::DisplayRole:
        return row.title();
    case ValueTextRole:
        return row.valueText(shown);
    case ProportionRole:
        return row.proportion(shown);
    case ChoicesRole:
        return row.choices();
    case ChoiceIndexRole:
        return row.mapping() ? row.mapping()->choiceIndex(shown.toDouble()) : -1;
    case ReadOnlyRole:
        return row.isReadOnly();
    case EditableRole:
        return !row.isReadOnly() && (row.kind() != ParameterRow::Kind::TextField ||
                                     bool(node.textWriters[size_t(entry.parameter)]));
    case GroupRole:
        return row.group();
    case FoldedRole:
        return node.folded;
    case StepRole:
        return row.step();
    case IntegerRole:
        return row.isInteger();
    case ValueRole:
        return shown;
    default:
        return {};
    }
}

QHash<int, QByteArray> GraphRowModel::roleNames() const
{
    return {{KindRole, "kind"},           {TitleRole, "title"},
            {ValueTextRole, "valueText"}, {ProportionRole, "proportion"},
            {ChoicesRole, "choices"},     {ChoiceIndexRole, "choiceIndex"},
            {ReadOnlyRole, "readOnly"},   {EditableRole, "editable"},
            {GroupRole, "group"},         {SectionRole, "section"},
            {FoldedRole, "folded"},       {StepRole, "step"},
            {IntegerRole, "integer"},     {ValueRole, "value"}};
}

bool GraphRowModel::matches(const Node &node, const ParameterRow &row) const
{
    const QString text = m_filterText.trimmed();
    return text.isEmpty() || node.title.contains(text, Qt::CaseInsensitive) ||
           row.title().contains(text, Qt::CaseInsensitive) ||
           row.group().contains(text, Qt::CaseInsensitive);
}

void GraphRowModel::rebuild()
{
    beginResetModel();
    m_entries.clear();
    const bool filtering = !m_filterText.trimmed().isEmpty();
    for (size_t n = 0; n < m_nodes.size(); ++n) {
        const Node &node = m_nodes[n];
        std::vector<Entry> rows;
        for (size_t p = 0; p < node.rows.size(); ++p)
            if (matches(node, node.rows[p]))
                rows.push_back({int(n), int(p)});
        // A filtered screen leaves out the nodes with no match and opens the ones with some.
        if (filtering && rows.empty())
            continue;
        m_entries.push_back({int(n), -1});
        if (!node.folded || filtering)
            m_entries.insert(m_entries.end(), rows.begin(), rows.end());
    }
    endResetModel();
}

void GraphRowModel::setFilterText(const QString &text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    rebuild();
    emit filterTextChanged();
}

void GraphRowModel::setFollowsParameters(bool follows)
{
    if (follows == m_follows)
        return;
    m_follows = follows;
    emit followsParametersChanged();
}

void GraphRowModel::toggleSection(int row)
{
    if (row < 0 || row >= int(m_entries.size()) || m_entries[size_t(row)].parameter >= 0)
        return;
    Node &node = m_nodes[size_t(m_entries[size_t(row)].node)];
    node.folded = !node.folded;
    rebuild();
}

void GraphRowModel::showChanged(const ParameterRow *parameterRow)
{
    for (size_t r = 0; r < m_entries.size(); ++r)
        if (rowAt(int(r)) == parameterRow) {
            const QModelIndex changed = index(int(r));
            emit dataChanged(changed, changed, valueRoles);
        }
}

void GraphRowModel::writeRow(int row, const QVariant &value)
{
    const ParameterRow *parameterRow = rowAt(row);
    if (!parameterRow)
        return;
    const Entry &entry = m_entries[size_t(row)];
    Node &node = m_nodes[size_t(entry.node)];
    QVariant &shown = node.shown[size_t(entry.parameter)];
    const QVariant written = parameterRow->write(value, node.textWriters[size_t(entry.parameter)]);
    if (!written.isValid())
        return;
    const QVariant before = std::exchange(shown, written);
    if (before != written)
        showChanged(parameterRow);
    if (m_gestureRow != parameterRow)
        record(parameterRow, before, written);
}

void GraphRowModel::record(const ParameterRow *parameterRow, const QVariant &oldValue,
                           const QVariant &newValue)
{
    if (!m_undoStack || oldValue == newValue)
        return;
    // Rows are found again by what they describe, so undo works after a filter or a fold.
    const auto apply = [this, parameterRow](const QVariant &value) {
        for (auto &node : m_nodes)
            for (size_t p = 0; p < node.rows.size(); ++p)
                if (&node.rows[p] == parameterRow) {
                    node.shown[p] = parameterRow->write(value, node.textWriters[p]);
                    showChanged(parameterRow);
                }
    };
    m_undoStack->push(new ValueChangeCommand(tr("Change %1").arg(parameterRow->title()), this,
                                             apply, oldValue, newValue));
}

void GraphRowModel::setValue(int row, const QVariant &value)
{
    writeRow(row, value);
}

void GraphRowModel::setProportion(int row, double proportion)
{
    if (const ParameterRow *parameterRow = rowAt(row); parameterRow && parameterRow->isNumber())
        writeRow(row, parameterRow->valueAt(std::clamp(proportion, 0.0, 1.0)));
}

bool GraphRowModel::setTypedText(int row, const QString &text)
{
    const ParameterRow *parameterRow = rowAt(row);
    const auto parsed = parameterRow ? parameterRow->parse(text) : std::nullopt;
    if (!parsed)
        return false;
    writeRow(row, *parsed);
    return true;
}

void GraphRowModel::choose(int row, int choiceIndex)
{
    const ParameterRow *parameterRow = rowAt(row);
    if (!parameterRow || !parameterRow->mapping())
        return;
    const auto &choices = parameterRow->mapping()->presentation().choices;
    if (choiceIndex >= 0 && choiceIndex < choices.size())
        writeRow(row, choices[choiceIndex].value);
}

void GraphRowModel::reset(int row)
{
    if (rowAt(row)) {
        const Entry &entry = m_entries[size_t(row)];
        writeRow(row, m_nodes[size_t(entry.node)].initial[size_t(entry.parameter)]);
    }
}

void GraphRowModel::beginGesture(int row)
{
    m_gestureRow = rowAt(row);
    if (m_gestureRow)
        m_gestureStart = data(index(row), ValueRole);
}

void GraphRowModel::endGesture(int row)
{
    const ParameterRow *parameterRow = std::exchange(m_gestureRow, nullptr);
    if (parameterRow && parameterRow == rowAt(row))
        record(parameterRow, m_gestureStart, data(index(row), ValueRole));
}

void GraphRowModel::follow(int first, int last)
{
    if (!m_follows)
        return;
    first = std::max(first, 0);
    last = std::min(last, int(m_entries.size()) - 1);
    for (int r = first; r <= last; ++r) {
        const Entry &entry = m_entries[size_t(r)];
        // The row the user is changing keeps what the user set.
        if (entry.parameter < 0 || rowAt(r) == m_gestureRow)
            continue;
        Node &node = m_nodes[size_t(entry.node)];
        QVariant &shown = node.shown[size_t(entry.parameter)];
        QVariant engine = node.rows[size_t(entry.parameter)].value();
        if (engine == shown)
            continue;
        shown = std::move(engine);
        const QModelIndex changed = index(r);
        emit dataChanged(changed, changed, valueRoles);
    }
}

} // namespace NequoraUI
