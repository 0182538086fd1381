#include "ParameterRow.h"

#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "SaturatingConversion.h"
#include "platform/NumberText.h"

#include <cmath>

namespace NequoraUI {

namespace {

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// Any number kind read and written as a double.
struct Number
{
    double minimum = 0;
    double maximum = 0;
    bool whole = false;
    std::function<double()> read;
    std::function<void(double)> write;
};

std::optional<Number> numberOf(const std::shared_ptr<NQParameter> &parameter)
{
    if (auto p = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return Number{p->minimumValue(), p->maximumValue(), false,
                      [p] { return double(p->value()); },
                      [p](double value) { p->setValue(float(value)); }};
    if (auto p = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return Number{
            double(p->minimumValue()), double(p->maximumValue()), true,
            [p] { return double(p->value()); },
            [p](double value) { p->setValue(SaturatingConversion::toInt32(float(value))); }};
    if (auto p = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
        return Number{
            double(p->minimumValue()), double(p->maximumValue()), true,
            [p] { return double(p->value()); },
            [p](double value) { p->setValue(SaturatingConversion::toUInt32(float(value))); }};
    return std::nullopt;
}

bool isNumberParameter(const std::shared_ptr<NQParameter> &parameter)
{
    return std::dynamic_pointer_cast<NQFloatParameter>(parameter) ||
           std::dynamic_pointer_cast<NQIntParameter>(parameter) ||
           std::dynamic_pointer_cast<NQUIntParameter>(parameter);
}

} // namespace

ParameterRow::ParameterRow(Kind kind, QString title, Access access)
    : m_kind(kind), m_title(std::move(title)), m_access(std::move(access))
{}

// The first kind that matches wins; the order matters only for a parameter object that is of
// more than one kind. A read-only presentation makes a value row of Booleans, strings and
// numbers alike; choices apply to numbers only.
std::optional<ParameterRow::Kind>
ParameterRow::kindOf(const std::shared_ptr<NQParameter> &parameter,
                     const std::optional<ParameterPresentation> &presentation)
{
    // A parameter the host keeps from the user gets no row in either toolkit.
    if (presentation && presentation->hidden)
        return std::nullopt;
    const bool number = isNumberParameter(parameter);
    const bool presentedReadOnly = presentation && presentation->readOnly;
    if (std::dynamic_pointer_cast<NQBoolParameter>(parameter))
        return presentedReadOnly ? Kind::ReadOnly : Kind::Switch;
    if (number && presentedReadOnly)
        return Kind::ReadOnly;
    if (number && presentation && !presentation->choices.isEmpty())
        return presentation->choices.size() <= maximumSegments ? Kind::Segments : Kind::Picker;
    if (number)
        return Kind::Slider;
    if (std::dynamic_pointer_cast<NQStringParameter>(parameter))
        return presentedReadOnly ? Kind::ReadOnly : Kind::TextField;
    return std::nullopt;
}

std::optional<ParameterRow>
ParameterRow::describe(const std::shared_ptr<NQParameter> &parameter,
                       const std::optional<ParameterPresentation> &presentation)
{
    const auto kind = kindOf(parameter, presentation);
    if (!kind)
        return std::nullopt;
    const QString title = text(parameter->name());
    std::optional<ParameterRow> row;
    if (auto p = std::dynamic_pointer_cast<NQBoolParameter>(parameter)) {
        row.emplace(ParameterRow(*kind, title,
                                 {[p] { return QVariant(p->value()); },
                                  [p](const QVariant &value) { p->setValue(value.toBool()); }}));
    } else if (const auto number = numberOf(parameter)) {
        row.emplace(ParameterRow(
            *kind, title,
            {[read = number->read] { return QVariant(read()); },
             [write = number->write](const QVariant &value) { write(value.toDouble()); }}));
        // Whole numbers move in whole steps, so the text never shows a fraction not written.
        ParameterPresentation shown = presentation.value_or(ParameterPresentation{});
        if (number->whole && shown.step < 1)
            shown.step = 1;
        row->m_mapping.emplace(number->minimum, number->maximum, shown);
        row->m_integer = number->whole;
    } else if (auto p = std::dynamic_pointer_cast<NQStringParameter>(parameter)) {
        // Strings are written by the host's text writer, never by the row itself.
        row.emplace(ParameterRow(*kind, title, {[p] { return QVariant(text(p->value())); }, {}}));
    }
    row->m_presented = presentation.has_value();
    if (presentation)
        row->m_group = presentation->group;
    return row;
}

QStringList ParameterRow::choices() const
{
    QStringList labels;
    if (m_kind == Kind::Segments || m_kind == Kind::Picker)
        for (const auto &choice : m_mapping->presentation().choices)
            labels.append(choice.label);
    return labels;
}

QVariant ParameterRow::value() const
{
    return m_access.read();
}

QString ParameterRow::valueText() const
{
    return valueText(value());
}

QString ParameterRow::valueText(const QVariant &value) const
{
    if (!m_mapping) {
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("On") : QStringLiteral("Off");
        return value.toString();
    }
    const double number = value.toDouble();
    // A number without a presentation shows what the plain slider shows: whole numbers without
    // a fraction, others in their shortest form.
    if (!m_presented)
        return text(m_integer ? platform::NumberText::fixed(number, 0)
                              : platform::NumberText::shortest(float(number)));
    return m_mapping->text(number);
}

double ParameterRow::proportion() const
{
    return proportion(value());
}

double ParameterRow::proportion(const QVariant &value) const
{
    if (m_kind == Kind::Switch)
        return value.toBool() ? 1 : 0;
    return m_mapping ? m_mapping->proportionOf(value.toDouble()) : 0;
}

int ParameterRow::choiceIndex() const
{
    return m_mapping ? m_mapping->choiceIndex(value().toDouble()) : -1;
}

std::optional<QVariant> ParameterRow::parse(const QString &typed) const
{
    if (!m_mapping)
        return m_kind == Kind::TextField ? std::optional<QVariant>(typed) : std::nullopt;
    if (const auto parsed = m_mapping->parse(typed))
        return QVariant(m_mapping->snapped(*parsed));
    return std::nullopt;
}

double ParameterRow::valueAt(double proportion) const
{
    return m_mapping ? m_mapping->snapped(m_mapping->valueAt(proportion)) : 0;
}

QVariant ParameterRow::write(const QVariant &value, const TextWriter &writeText) const
{
    if (m_kind == Kind::ReadOnly || !value.isValid())
        return {};
    if (m_kind == Kind::TextField) {
        if (!writeText)
            return {};
        writeText(value.toString());
        return value.toString();
    }
    // A number the engine cannot hold (NaN, a text that is not one) is refused, not written.
    if (m_mapping) {
        bool isDouble = false;
        const double number = value.toDouble(&isDouble);
        if (!isDouble || std::isnan(number))
            return {};
        const QVariant written(m_mapping->snapped(number));
        m_access.write(written);
        return written;
    }
    m_access.write(value.toBool());
    return value.toBool();
}

QVariant ParameterRow::writeChoice(int index) const
{
    if (!m_mapping || m_kind == Kind::ReadOnly)
        return {};
    const auto &choices = m_mapping->presentation().choices;
    if (index < 0 || index >= choices.size())
        return {};
    m_access.write(choices[index].value);
    return choices[index].value;
}

} // namespace NequoraUI
