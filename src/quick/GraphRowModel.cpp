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
      m_layout(graph, m_rows, generator.foldSectionsAbove), m_undoStack(generator.undoStack),
      m_follows(generator.followsParameters), m_audioFiles(generator.audioFiles),
      m_gestureHandler(generator.gestureHandler), m_presetStore(generator.presetStore)
{
    if (!m_undoStack)
        m_undoStack = new QUndoStack(this);
    rebuild();
}

GraphRowModel::~GraphRowModel()
{
    // Gestures under way end while the rows they report on are still here.
    finishGesture();
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

void GraphRowModel::writeRow(int ordinal, const QVariant &value)
{
    // The settings (A/B slots, presets) are made before the first change rather than as the
    // screen opens: slot B then holds what the screen showed until it was first changed, and a
    // screen nobody changes keeps no settings for its rows.
    settings();
    // A single change outside a drag is a gesture of its own.
    const bool single = m_gestureOrdinal != ordinal;
    const std::shared_ptr<NQParameter> parameter = m_rows.parameter(ordinal);
    if (single)
        reportGesture(parameter, true);
    const QVariant before = m_rows.described(ordinal).shown;
    const QVariant written = m_rows.write(ordinal, value);
    if (written.isValid()) {
        if (before != written)
            showChanged(ordinal);
        if (single)
            record(ordinal, before, written);
    }
    if (single)
        reportGesture(parameter, false);
}

void GraphRowModel::record(int ordinal, const QVariant &oldValue, const QVariant &newValue)
{
    if (!m_undoStack || oldValue == newValue)
        return;
    // Rows are found again by what they show, so undo works after a filter or a fold.
    const auto apply = [this, ordinal](const QVariant &value) {
        m_rows.write(ordinal, value);
        showChanged(ordinal);
    };
    m_undoStack->push(
        new ValueChangeCommand(tr("Change %1").arg(m_rows.described(ordinal).row->title()), this,
                               apply, oldValue, newValue));
}

void GraphRowModel::reportGesture(const std::shared_ptr<NQParameter> &parameter, bool started)
{
    if (m_gestureHandler)
        m_gestureHandler(parameter, started);
    if (started)
        emit gestureStarted(parameter);
    else
        emit gestureEnded(parameter);
}

void GraphRowModel::setValue(int row, const QVariant &value)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        writeRow(ordinal, value);
}

void GraphRowModel::setProportion(int row, double proportion)
{
    const int ordinal = m_layout.ordinalAt(row);
    if (ordinal < 0)
        return;
    if (const ParameterRow &parameterRow = *m_rows.described(ordinal).row; parameterRow.isNumber())
        writeRow(ordinal, parameterRow.valueAt(std::clamp(proportion, 0.0, 1.0)));
}

void GraphRowModel::stepBy(int row, double share)
{
    const int ordinal = m_layout.ordinalAt(row);
    if (ordinal < 0 || share == 0)
        return;
    const auto &described = m_rows.described(ordinal);
    const ParameterRow &parameterRow = *described.row;
    if (!parameterRow.isNumber() || parameterRow.isReadOnly())
        return;
    const double current = described.shown.toDouble();
    double target = parameterRow.valueAt(
        std::clamp(parameterRow.proportion(described.shown) + share, 0.0, 1.0));
    // A share under half a step snaps back to where it was: one whole step instead, so a key
    // always moves a stepped row.
    const double step =
        parameterRow.isInteger() ? std::max(1.0, parameterRow.step()) : parameterRow.step();
    if (target == current && step > 0)
        target = current + (share > 0 ? step : -step);
    writeRow(ordinal, target);
}

bool GraphRowModel::setTypedText(int row, const QString &text)
{
    const int ordinal = m_layout.ordinalAt(row);
    const auto parsed = ordinal >= 0 ? m_rows.described(ordinal).row->parse(text) : std::nullopt;
    if (!parsed)
        return false;
    writeRow(ordinal, *parsed);
    return true;
}

void GraphRowModel::choose(int row, int choiceIndex)
{
    if (m_layout.nodeAt(row, GraphRowLayout::FileRow)) {
        chooseFile(row, choiceIndex);
        return;
    }
    const int ordinal = m_layout.ordinalAt(row);
    const auto *mapping = ordinal >= 0 ? &m_rows.described(ordinal).row->mapping() : nullptr;
    if (!mapping || !*mapping)
        return;
    const auto &choices = (*mapping)->presentation().choices;
    if (choiceIndex >= 0 && choiceIndex < choices.size())
        writeRow(ordinal, choices[choiceIndex].value);
}

void GraphRowModel::reset(int row)
{
    if (const int ordinal = m_layout.ordinalAt(row); ordinal >= 0)
        writeRow(ordinal, m_rows.initial(ordinal));
}

void GraphRowModel::beginGesture(int row)
{
    const int ordinal = m_layout.ordinalAt(row);
    if (ordinal < 0 || m_rows.described(ordinal).row->isReadOnly())
        return;
    // A drag whose end never came (its delegate went) ends where the next one starts.
    finishGesture();
    m_gestureOrdinal = ordinal;
    m_gestureStart = m_rows.described(ordinal).shown;
    reportGesture(m_rows.parameter(ordinal), true);
}

void GraphRowModel::endGesture(int row)
{
    if (m_gestureOrdinal >= 0 && m_gestureOrdinal == m_layout.ordinalAt(row))
        finishGesture();
}

void GraphRowModel::finishGesture()
{
    const int ordinal = std::exchange(m_gestureOrdinal, -1);
    if (ordinal < 0)
        return;
    record(ordinal, m_gestureStart, m_rows.described(ordinal).shown);
    reportGesture(m_rows.parameter(ordinal), false);
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
    if (!m_undoStack || previous.isEmpty() || previous == file)
        return;
    const size_t n = size_t(node - m_layout.nodes().data());
    const auto load = [this, n](const QVariant &value) {
        loadFile(m_layout.nodes()[n], value.toUrl());
    };
    m_undoStack->push(new ValueChangeCommand(tr("Choose File"), this, load, previous, file));
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
        GraphParameters(nodes, m_rows.presentations(), m_rows.stringWriter()), m_undoStack, this);
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
            [this](const auto &parameter) { reportGesture(parameter, true); });
    connect(m_settings, &ScreenSettings::gestureEnded, this,
            [this](const auto &parameter) { reportGesture(parameter, false); });
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
        if (!m_follows || entry.ordinal < 0 || entry.ordinal == m_gestureOrdinal)
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
