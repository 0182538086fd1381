#pragma once

#include "ParameterPresentation.h"
#include "ParameterRow.h"

#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class NQParameter;
class NQStringParameter;

namespace NequoraUI {

// The parameters of a screen's rows, numbered in screen order, with a description (ParameterRow)
// and shown value made only for the rows asked about. A list shows a few dozen rows at a time,
// so descriptions are kept in a small table that the rows in view keep filled, and a screen of
// 10,000 parameters holds 10,000 parameter pointers and values, not 10,000 descriptions.
class ParameterRowCache
{
public:
    using StringWriter =
        std::function<void(const std::shared_ptr<NQStringParameter> &, const std::string &)>;
    // A row's description, and the value the row shows (the engine's when it was described or
    // last refreshed, or the last one written).
    struct Described
    {
        int ordinal = -1;
        std::optional<ParameterRow> row;
        QVariant shown;
    };

    ParameterRowCache(ParameterPresentationProvider presentations, StringWriter writeText);

    // Numbers parameter as the next row; false, and no row, for a parameter no control shows.
    bool add(const std::shared_ptr<NQParameter> &parameter);
    int size() const { return int(m_parameters.size()); }
    const std::shared_ptr<NQParameter> &parameter(int ordinal) const
    {
        return m_parameters[size_t(ordinal)];
    }
    std::optional<ParameterPresentation> presentation(int ordinal) const;

    // The row's description, made again when the table has given its place to another row.
    Described &described(int ordinal) const;
    // Reads the engine again for a row the table holds; others read it when next described.
    void refresh(int ordinal);
    // The value the row showed when first described (for reset).
    QVariant initial(int ordinal) const;
    // Writes value through the row's rule and keeps it as shown; returns what was written,
    // invalid for a row that cannot be written.
    QVariant write(int ordinal, const QVariant &value);
    // Text rows are written only through the host's writer.
    bool writesText() const { return bool(m_writeText); }
    const ParameterPresentationProvider &presentations() const { return m_presentations; }
    const StringWriter &stringWriter() const { return m_writeText; }

private:
    static constexpr size_t tableSize = 1024;

    ParameterPresentationProvider m_presentations;
    StringWriter m_writeText;
    std::vector<std::shared_ptr<NQParameter>> m_parameters;
    mutable std::vector<QVariant> m_initial;
    // Direct-mapped by ordinal: rows next to each other never take each other's place.
    mutable std::vector<Described> m_table;
};

} // namespace NequoraUI
