#pragma once

#include "ParameterKey.h"
#include "ParameterMapping.h"
#include "ParameterPresentation.h"

#include <QHash>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class NQAudioNode;
class NQParameter;
class NQStringParameter;

namespace NequoraUI {

// Every parameter a generated screen shows, in screen order, whether its row exists or not:
// what presets, A/B compare, reset and controllers read and write. Values are in the engine's
// terms, as rows hold them: a double for numbers, a bool, a QString.
class GraphParameters
{
public:
    enum class Kind
    {
        Number,
        Switch,
        Text,
    };
    using StringWriter =
        std::function<void(const std::shared_ptr<NQStringParameter> &, const std::string &)>;

    GraphParameters() = default;
    // The nodes whose parameters have rows, each with the name its keys use (nodeNames()).
    GraphParameters(const std::vector<std::pair<QString, std::shared_ptr<NQAudioNode>>> &nodes,
                    const ParameterPresentationProvider &presentations, StringWriter writeText);

    int size() const { return int(m_entries.size()); }
    // -1 for a key the screen does not show.
    int indexOf(const ParameterKey &key) const { return m_indexes.value(key, -1); }
    const ParameterKey &key(int index) const { return m_entries[size_t(index)].key; }
    Kind kind(int index) const { return m_entries[size_t(index)].kind; }
    std::shared_ptr<NQParameter> parameter(int index) const;
    // A text the host cannot write, or a read-only row, is only read.
    bool isWritable(int index) const;

    QVariant read(int index) const;
    std::vector<QVariant> readAll() const;
    void write(int index, const QVariant &value) const;
    // The value the parameter would hold for value: numbers pinned to the range and snapped to
    // the step. None for a value of the wrong type (text for a number, a number for text).
    std::optional<QVariant> accepted(int index, const QVariant &value) const;
    // True for a value inside a number parameter's range.
    bool isInRange(int index, double value) const;
    // The value at a share of the row's travel, 0 to 1, through its scale: log and skew
    // respected, choices stepped, switches on from the half. None for text.
    std::optional<QVariant> atProportion(int index, double proportion) const;
    // Where a reset takes the parameter: its presentation's default (accepted), otherwise the
    // value it had when these were gathered.
    QVariant defaultValue(int index) const { return m_entries[size_t(index)].defaultValue; }

    // The names keys give these nodes: the display name, numbered from the second node of
    // a name on ("Delay", "Delay #2").
    static QStringList nodeNames(const std::vector<std::shared_ptr<NQAudioNode>> &nodes);

private:
    struct Entry
    {
        ParameterKey key;
        std::shared_ptr<NQParameter> parameter;
        Kind kind = Kind::Number;
        std::optional<ParameterMapping> mapping;
        bool whole = false;
        bool readOnly = false;
        QVariant defaultValue;
    };

    void add(const ParameterKey &key, const std::shared_ptr<NQParameter> &parameter,
             const std::optional<ParameterPresentation> &presentation);

    std::vector<Entry> m_entries;
    QHash<ParameterKey, int> m_indexes;
    StringWriter m_writeText;
};

} // namespace NequoraUI
