#include "GraphRowModel.h"

#include "ControllerMap.h"
#include "GraphParameters.h"
#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "ScreenSettings.h"
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
// The roles a player's or recorder's change touches.
const QList<int> transportRoles = {GraphRowModel::ValueTextRole,   GraphRowModel::ProportionRole,
                                   GraphRowModel::ChoiceIndexRole, GraphRowModel::ValueRole,
                                   GraphRowModel::ActionTextRole,  GraphRowModel::EditableRole};

} // namespace

GraphRowModel::GraphRowModel(const NQAudioGraph &graph, const UIGenerator &generator,
                             QObject *parent)
    : QAbstractListModel(parent), m_rows(generator.presentationProvider, generator.stringWriter),
      m_layout(graph, m_rows, generator.foldSectionsAbove),
      m_editor(m_rows, generator.undoStack, generator.gestureHandler),
      m_follows(generator.followsParameters), m_audioFiles(generator.audioFiles),
      m_presetStore(generator.presetStore)
{
    // The settings (A/B slots, presets) are made before the first change rather than as the
    // screen opens: slot B then holds what the screen showed until it was first changed, and a
    // screen nobody changes keeps no settings for its rows.
    connect(&m_editor, &GraphRowEditor::aboutToWrite, this, [this] { settings(); });
    connect(&m_editor, &GraphRowEditor::valueChanged, this, &GraphRowModel::showChanged);
    connect(&m_editor, &GraphRowEditor::gestureStarted, this, &GraphRowModel::gestureStarted);
    connect(&m_editor, &GraphRowEditor::gestureEnded, this, &GraphRowModel::gestureEnded);
    rebuild();
}

GraphRowModel::~GraphRowModel()
{
    // Gestures under way end while the rows they report on are still here.
    m_editor.finishGesture();
    delete m_settings;
}

int GraphRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_layout.entries().size());
}

QVariant GraphRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_layout.entries().size()))
        return {};
    const GraphRowLayout::Entry &entry = m_layout.entries()[size_t(index.row())];
    const Node &node = m_layout.nodes()[size_t(entry.node)];
    if (role == SectionRole)
        return node.title;
    if (entry.ordinal == GraphRowLayout::SectionRow) {
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
    if (entry.ordinal < 0)
        return role == FoldedRole
                   ? QVariant(node.folded)
                   : node.transport->data(GraphRowLayout::transportRow(entry.ordinal), role,
                                          m_audioFiles);
    return parameterData(node, entry.ordinal, role);
}

QVariant GraphRowModel::parameterData(const Node &node, int ordinal, int role) const
{
    const auto &described = m_rows.described(ordinal);
    const ParameterRow &row = *described.row;
    const QVariant &shown = described.shown;
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
        return !row.isReadOnly() &&
               (row.kind() != ParameterRow::Kind::TextField || m_rows.writesText());
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
    return {{KindRole, "kind"},
            {TitleRole, "title"},
            {ValueTextRole, "valueText"},
            {ProportionRole, "proportion"},
            {ChoicesRole, "choices"},
            {ChoiceIndexRole, "choiceIndex"},
            {ReadOnlyRole, "readOnly"},
            {EditableRole, "editable"},
            {GroupRole, "group"},
            {SectionRole, "section"},
            {FoldedRole, "folded"},
            {StepRole, "step"},
            {IntegerRole, "integer"},
            {ValueRole, "value"},
            {ActionTextRole, "actionText"}};
}

void GraphRowModel::rebuild()
{
    beginResetModel();
    m_layout.layOut(m_rows, m_filterText, !m_audioFiles.isEmpty());
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
    if (m_layout.toggleFold(row))
        rebuild();
}

void GraphRowModel::showChanged(int ordinal)
{
    if (const int row = m_layout.rowOf(ordinal); row >= 0)
        emit dataChanged(index(row), index(row), valueRoles);
}

void GraphRowModel::setValue(int row, const QVariant &value)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.write(ordinal, value);
}

void GraphRowModel::setProportion(int row, double proportion)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.writeProportion(ordinal, proportion);
}

void GraphRowModel::stepBy(int row, double share)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.stepBy(ordinal, share);
}

bool GraphRowModel::setTypedText(int row, const QString &text)
{
    const int ordinal = m_layout.ordinalAt(row);
    return ordinal >= 0 && m_editor.writeTyped(ordinal, text);
}

void GraphRowModel::choose(int row, int choiceIndex)
{
    if (m_layout.nodeAt(row, GraphRowLayout::FileRow))
        chooseFile(row, choiceIndex);
    else if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.choose(ordinal, choiceIndex);
}

void GraphRowModel::reset(int row)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.reset(ordinal);
}

void GraphRowModel::beginGesture(int row)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        m_editor.beginGesture(ordinal);
}

void GraphRowModel::endGesture(int row)
{
    m_editor.endGesture(m_layout.ordinalAt(row));
}

bool GraphRowModel::hasPlayers() const
{
    return m_layout.hasPlayers();
}

void GraphRowModel::showNodeRow(const Node &node, NodeRow kind)
{
    const int n = int(&node - m_layout.nodes().data());
    for (size_t r = 0; r < m_layout.entries().size(); ++r)
        if (m_layout.entries()[r].node == n && m_layout.entries()[r].ordinal == kind)
            emit dataChanged(index(int(r)), index(int(r)), transportRoles);
}

void GraphRowModel::togglePlayback(int row)
{
    if (Node *node = m_layout.nodeAt(row, GraphRowLayout::PlayerRow);
        node && node->transport->toggle())
        showNodeRow(*node, GraphRowLayout::PlayerRow);
}

void GraphRowModel::toggleRecording(int row)
{
    if (Node *node = m_layout.nodeAt(row, GraphRowLayout::RecorderRow);
        node && node->transport->toggle())
        showNodeRow(*node, GraphRowLayout::RecorderRow);
}

void GraphRowModel::chooseFile(int row, int fileIndex)
{
    Node *node = m_layout.nodeAt(row, GraphRowLayout::FileRow);
    if (!node || fileIndex < 0 || fileIndex >= m_audioFiles.size())
        return;
    const QUrl file = m_audioFiles[fileIndex];
    const QUrl previous = node->transport->file();
    loadFile(*node, file);
    // The engine cannot unload a file, so only a change of file can be undone.
    QUndoStack *undoStack = m_editor.undoStack();
    if (!undoStack || previous.isEmpty() || previous == file)
        return;
    const size_t n = size_t(node - m_layout.nodes().data());
    const auto load = [this, n](const QVariant &value) {
        loadFile(m_layout.nodes()[n], value.toUrl());
    };
    undoStack->push(new ValueChangeCommand(tr("Choose File"), this, load, previous, file));
}

void GraphRowModel::loadFile(Node &node, const QUrl &file)
{
    node.transport->load(file);
    showNodeRow(node, GraphRowLayout::FileRow);
}

ScreenSettings *GraphRowModel::settings()
{
    if (m_settings)
        return m_settings;
    std::vector<std::pair<QString, std::shared_ptr<NQAudioNode>>> nodes;
    for (const Node &node : m_layout.nodes())
        if (node.audioNode)
            nodes.emplace_back(node.key, node.audioNode);
    m_settings = new ScreenSettings(
        GraphParameters(nodes, m_rows.presentations(), m_rows.stringWriter()), undoStack(), this);
    const GraphParameters &parameters = m_settings->parameters();
    m_ordinalOfSetting.assign(size_t(parameters.size()), -1);
    for (const Node &node : m_layout.nodes())
        for (int ordinal = node.first; ordinal < node.first + node.count; ++ordinal) {
            const QString name = QString::fromStdString(m_rows.parameter(ordinal)->name());
            if (const int index = parameters.indexOf({node.key, name}); index >= 0)
                m_ordinalOfSetting[size_t(index)] = ordinal;
        }
    connect(m_settings, &ScreenSettings::valueShown, this, &GraphRowModel::showSetting);
    connect(m_settings, &ScreenSettings::gestureStarted, this,
            [this](const auto &parameter) { m_editor.reportGesture(parameter, true); });
    connect(m_settings, &ScreenSettings::gestureEnded, this,
            [this](const auto &parameter) { m_editor.reportGesture(parameter, false); });
    return m_settings;
}

void GraphRowModel::showSetting(int index)
{
    if (index < 0 || size_t(index) >= m_ordinalOfSetting.size())
        return;
    if (const int ordinal = m_ordinalOfSetting[size_t(index)]; ordinal >= 0) {
        m_rows.refresh(ordinal);
        showChanged(ordinal);
    }
}

bool GraphRowModel::controllerEvent(int channel, int controller, int value)
{
    return settings()->controllers()->controllerEvent(channel, controller, value);
}

int GraphRowModel::settingsIndexAt(int row)
{
    const int ordinal = m_layout.ordinalAt(row);
    settings();
    const auto found = std::find(m_ordinalOfSetting.begin(), m_ordinalOfSetting.end(), ordinal);
    return ordinal < 0 || found == m_ordinalOfSetting.end()
               ? -1
               : int(found - m_ordinalOfSetting.begin());
}

void GraphRowModel::learn(int row)
{
    if (const int index = settingsIndexAt(row); index >= 0)
        m_settings->controllers()->learn(index);
}

void GraphRowModel::forget(int row)
{
    if (const int index = settingsIndexAt(row); index >= 0)
        m_settings->controllers()->forget(index);
}

void GraphRowModel::follow(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, int(m_layout.entries().size()) - 1);
    for (int r = first; r <= last; ++r) {
        const GraphRowLayout::Entry &entry = m_layout.entries()[size_t(r)];
        if (entry.ordinal == GraphRowLayout::PlayerRow ||
            entry.ordinal == GraphRowLayout::RecorderRow) {
            if (m_layout.nodes()[size_t(entry.node)].transport->refresh())
                emit dataChanged(index(r), index(r), transportRoles);
            continue;
        }
        // The row the user is changing keeps what the user set.
        if (!m_follows || entry.ordinal < 0 || entry.ordinal == m_editor.gestureOrdinal())
            continue;
        auto &described = m_rows.described(entry.ordinal);
        QVariant engine = described.row->value();
        if (engine == described.shown)
            continue;
        described.shown = std::move(engine);
        emit dataChanged(index(r), index(r), valueRoles);
    }
}

} // namespace NequoraUI
