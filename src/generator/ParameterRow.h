#pragma once

#include "ParameterMapping.h"
#include "ParameterPresentation.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class NQParameter;

namespace NequoraUI {

// What a screen shows for one parameter: which control, with which title, texts, scale and
// choices. Both the widget screen and the Qt Quick screen ask this one rule, so a parameter looks
// and behaves the same in either. Values are in the engine's terms (a double for numbers, a bool,
// a QString); reads and writes go straight to the parameter the row was made for.
class ParameterRow
{
public:
    enum class Kind
    {
        Slider,
        Switch,
        TextField,
        // Named choices, few enough to show side by side.
        Segments,
        // Named choices in a list the user opens.
        Picker,
        // A value that follows the engine and is never written.
        ReadOnly,
    };

    // Named choices up to this many fit side by side; more get a picker.
    static constexpr qsizetype maximumSegments = 5;

    // The row for parameter, or none for a parameter of a kind no control shows.
    static std::optional<ParameterRow>
    describe(const std::shared_ptr<NQParameter> &parameter,
             const std::optional<ParameterPresentation> &presentation = {});
    // The control a parameter of this kind and presentation gets, without making a row.
    static std::optional<Kind> kindOf(const std::shared_ptr<NQParameter> &parameter,
                                      const std::optional<ParameterPresentation> &presentation);

    Kind kind() const { return m_kind; }
    QString title() const { return m_title; }
    QString group() const { return m_group; }
    // The labels of a segment or picker row.
    QStringList choices() const;
    bool isReadOnly() const { return m_kind == Kind::ReadOnly; }
    bool isNumber() const { return m_mapping.has_value(); }
    // Whole numbers move in whole steps and show no fraction.
    bool isInteger() const { return m_integer; }
    double minimum() const { return m_mapping ? m_mapping->minimum() : 0; }
    double maximum() const { return m_mapping ? m_mapping->maximum() : 1; }
    double step() const { return m_mapping ? m_mapping->presentation().step : 0; }
    // False for a row shown by its parameter's kind alone.
    bool isPresented() const { return m_presented; }
    const std::optional<ParameterMapping> &mapping() const { return m_mapping; }

    // The engine's current value.
    QVariant value() const;
    // The text the row shows for the engine's current value.
    QString valueText() const;
    QString valueText(const QVariant &value) const;
    // Where the current value sits on a slider's track (0 to 1); a switch is 0 or 1.
    double proportion() const;
    double proportion(const QVariant &value) const;
    // The index of the current value among the choices, or -1.
    int choiceIndex() const;
    // Typed text as an engine value; none for text the row cannot read.
    std::optional<QVariant> parse(const QString &text) const;
    // The engine value at a track proportion, snapped.
    double valueAt(double proportion) const;

    // Writes value (pinned and snapped for numbers) into the engine; returns what was written,
    // or an invalid QVariant for a row that cannot be written. Text is written through
    // writeText, which the host gives when its engine can.
    using TextWriter = std::function<void(const QString &)>;
    QVariant write(const QVariant &value, const TextWriter &writeText = {}) const;
    // Writes the value of the choice at index as it is: the host named that value, so it is
    // neither pinned nor snapped. Returns it, or an invalid QVariant for no such choice.
    QVariant writeChoice(int index) const;

private:
    struct Access
    {
        std::function<QVariant()> read;
        std::function<void(const QVariant &)> write;
    };

    ParameterRow(Kind kind, QString title, Access access);

    Kind m_kind;
    QString m_title;
    QString m_group;
    Access m_access;
    // The presentation itself lives in the mapping, once per row.
    bool m_presented = false;
    std::optional<ParameterMapping> m_mapping;
    bool m_integer = false;
};

} // namespace NequoraUI
