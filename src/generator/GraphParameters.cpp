#include "GraphParameters.h"

#include "NQAudioNode.h"
#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "SaturatingConversion.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace NequoraUI {

namespace {

struct Range
{
    double minimum = 0;
    double maximum = 0;
    bool whole = false;
};

std::optional<Range> rangeOf(const NQParameter &parameter)
{
    if (auto *p = dynamic_cast<const NQFloatParameter *>(&parameter))
        return Range{p->minimumValue(), p->maximumValue(), false};
    if (auto *p = dynamic_cast<const NQIntParameter *>(&parameter))
        return Range{double(p->minimumValue()), double(p->maximumValue()), true};
    if (auto *p = dynamic_cast<const NQUIntParameter *>(&parameter))
        return Range{double(p->minimumValue()), double(p->maximumValue()), true};
    return std::nullopt;
}

} // namespace

GraphParameters::GraphParameters(
    const std::vector<std::pair<QString, std::shared_ptr<NQAudioNode>>> &nodes,
    const ParameterPresentationProvider &presentations, StringWriter writeText)
    : m_writeText(std::move(writeText))
{
    for (const auto &[nodeName, node] : nodes) {
        if (!node)
            continue;
        for (const auto &parameter : node->parameters()) {
            if (!parameter)
                continue;
            std::optional<ParameterPresentation> presentation;
            if (presentations)
                presentation = presentations(*parameter);
            add({nodeName, QString::fromStdString(parameter->name())}, parameter, presentation);
        }
    }
}

QStringList GraphParameters::nodeNames(const std::vector<std::shared_ptr<NQAudioNode>> &nodes)
{
    QStringList names;
    QHash<QString, int> seen;
    for (const auto &node : nodes) {
        const QString name = node ? QString::fromStdString(node->displayName()) : QString();
        const int count = ++seen[name];
        names.append(count == 1 ? name : QStringLiteral("%1 #%2").arg(name).arg(count));
    }
    return names;
}

void GraphParameters::add(const ParameterKey &key, const std::shared_ptr<NQParameter> &parameter,
                          const std::optional<ParameterPresentation> &presentation)
{
    // A parameter named twice in one node has one key; the first row keeps it.
    if (m_indexes.contains(key))
        return;
    Entry entry;
    entry.key = key;
    entry.parameter = parameter;
    entry.readOnly = presentation && presentation->readOnly;
    if (std::dynamic_pointer_cast<NQBoolParameter>(parameter)) {
        entry.kind = Kind::Switch;
    } else if (std::dynamic_pointer_cast<NQStringParameter>(parameter)) {
        entry.kind = Kind::Text;
    } else if (const auto range = rangeOf(*parameter)) {
        ParameterPresentation shown = presentation.value_or(ParameterPresentation{});
        // Whole numbers move in whole steps, as their rows do.
        if (range->whole && shown.step < 1)
            shown.step = 1;
        entry.whole = range->whole;
        entry.mapping.emplace(range->minimum, range->maximum, shown);
    } else {
        return;
    }
    m_indexes.insert(key, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
    const int index = size() - 1;
    m_entries.back().defaultValue = read(index);
    if (presentation && presentation->defaultValue) {
        // A switch's default is on from the half up, as a controller's is.
        const QVariant value = m_entries.back().kind == Kind::Switch
                                   ? QVariant(*presentation->defaultValue >= 0.5)
                                   : QVariant(*presentation->defaultValue);
        if (const auto given = accepted(index, value))
            m_entries.back().defaultValue = *given;
    }
}

std::shared_ptr<NQParameter> GraphParameters::parameter(int index) const
{
    return m_entries[size_t(index)].parameter;
}

bool GraphParameters::isWritable(int index) const
{
    const Entry &entry = m_entries[size_t(index)];
    return !entry.readOnly && (entry.kind != Kind::Text || m_writeText);
}

QVariant GraphParameters::read(int index) const
{
    const NQParameter *parameter = m_entries[size_t(index)].parameter.get();
    if (auto *p = dynamic_cast<const NQBoolParameter *>(parameter))
        return p->value();
    if (auto *p = dynamic_cast<const NQStringParameter *>(parameter))
        return QString::fromStdString(p->value());
    if (auto *p = dynamic_cast<const NQFloatParameter *>(parameter))
        return double(p->value());
    if (auto *p = dynamic_cast<const NQIntParameter *>(parameter))
        return double(p->value());
    if (auto *p = dynamic_cast<const NQUIntParameter *>(parameter))
        return double(p->value());
    return {};
}

std::vector<QVariant> GraphParameters::readAll() const
{
    std::vector<QVariant> values;
    values.reserve(m_entries.size());
    for (int i = 0; i < size(); ++i)
        values.push_back(read(i));
    return values;
}

// Numbers go in as the rows write them, so a value read back after a write is the row's own.
void GraphParameters::write(int index, const QVariant &value) const
{
    if (!isWritable(index))
        return;
    const auto &parameter = m_entries[size_t(index)].parameter;
    const float number = float(value.toDouble());
    if (auto p = std::dynamic_pointer_cast<NQBoolParameter>(parameter))
        p->setValue(value.toBool());
    else if (auto p = std::dynamic_pointer_cast<NQStringParameter>(parameter))
        m_writeText(p, value.toString().toStdString());
    else if (auto p = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        p->setValue(number);
    else if (auto p = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        p->setValue(SaturatingConversion::toInt32(number));
    else if (auto p = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
        p->setValue(SaturatingConversion::toUInt32(number));
}

std::optional<QVariant> GraphParameters::accepted(int index, const QVariant &value) const
{
    const Entry &entry = m_entries[size_t(index)];
    const auto type = value.typeId();
    switch (entry.kind) {
    case Kind::Switch:
        if (type != QMetaType::Bool)
            return std::nullopt;
        return value;
    case Kind::Text:
        if (type != QMetaType::QString)
            return std::nullopt;
        return value;
    case Kind::Number:
        break;
    }
    const bool number = type == QMetaType::Double || type == QMetaType::Int ||
                        type == QMetaType::LongLong || type == QMetaType::UInt ||
                        type == QMetaType::ULongLong || type == QMetaType::Float;
    if (!number || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return QVariant(entry.mapping->snapped(value.toDouble()));
}

bool GraphParameters::isInRange(int index, double value) const
{
    const auto &mapping = m_entries[size_t(index)].mapping;
    return !mapping || (value >= mapping->minimum() && value <= mapping->maximum());
}

std::optional<QVariant> GraphParameters::atProportion(int index, double proportion) const
{
    const Entry &entry = m_entries[size_t(index)];
    const double p = std::isnan(proportion) ? 0.0 : std::clamp(proportion, 0.0, 1.0);
    switch (entry.kind) {
    case Kind::Switch:
        return QVariant(p >= 0.5);
    case Kind::Text:
        return std::nullopt;
    case Kind::Number:
        break;
    }
    const auto &choices = entry.mapping->presentation().choices;
    if (!choices.isEmpty())
        return QVariant(choices[qsizetype(std::lround(p * double(choices.size() - 1)))].value);
    return QVariant(entry.mapping->valueAt(p));
}

} // namespace NequoraUI
