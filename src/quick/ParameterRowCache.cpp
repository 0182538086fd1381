#include "ParameterRowCache.h"

#include "NQParameter.h"
#include "NQStringParameter.h"

namespace NequoraUI {

ParameterRowCache::ParameterRowCache(ParameterPresentationProvider presentations,
                                     StringWriter writeText)
    : m_presentations(std::move(presentations)), m_writeText(std::move(writeText)),
      m_table(tableSize)
{}

bool ParameterRowCache::add(const std::shared_ptr<NQParameter> &parameter)
{
    const auto presentation =
        m_presentations && parameter ? m_presentations(*parameter) : std::nullopt;
    if (!parameter || !ParameterRow::kindOf(parameter, presentation))
        return false;
    m_parameters.push_back(parameter);
    m_initial.emplace_back();
    return true;
}

std::optional<ParameterPresentation> ParameterRowCache::presentation(int ordinal) const
{
    return m_presentations ? m_presentations(*m_parameters[size_t(ordinal)]) : std::nullopt;
}

ParameterRowCache::Described &ParameterRowCache::described(int ordinal) const
{
    Described &slot = m_table[size_t(ordinal) % tableSize];
    if (slot.ordinal == ordinal)
        return slot;
    slot.ordinal = ordinal;
    const auto &parameter = m_parameters[size_t(ordinal)];
    slot.row = ParameterRow::describe(parameter, presentation(ordinal));
    // A host whose presentation now hides the parameter still gets the row it was counted
    // with, shown by its kind alone.
    if (!slot.row)
        slot.row = ParameterRow::describe(parameter);
    slot.shown = slot.row->value();
    // A row shows the engine's value when first made, as a widget row made later does.
    QVariant &initial = m_initial[size_t(ordinal)];
    if (!initial.isValid())
        initial = slot.shown;
    return slot;
}

void ParameterRowCache::refresh(int ordinal)
{
    if (Described &slot = m_table[size_t(ordinal) % tableSize]; slot.ordinal == ordinal)
        slot.shown = slot.row->value();
}

QVariant ParameterRowCache::initial(int ordinal) const
{
    described(ordinal);
    return m_initial[size_t(ordinal)];
}

QVariant ParameterRowCache::write(int ordinal, const QVariant &value)
{
    Described &slot = described(ordinal);
    ParameterRow::TextWriter writeText;
    if (auto text = std::dynamic_pointer_cast<NQStringParameter>(parameter(ordinal));
        text && m_writeText)
        writeText = [text, writer = m_writeText](const QString &typed) {
            writer(text, typed.toStdString());
        };
    const QVariant written = slot.row->write(value, writeText);
    if (written.isValid())
        slot.shown = written;
    return written;
}

} // namespace NequoraUI
