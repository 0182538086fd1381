#pragma once

#include <QDebug>

namespace NequoraUI::platform {

// A row's address in a table: its section and its row within that section.
struct IndexPath
{
    int section = 0;
    int row = 0;

    friend bool operator==(const IndexPath &, const IndexPath &) = default;
    friend auto operator<=>(const IndexPath &, const IndexPath &) = default;
};

inline QDebug operator<<(QDebug debug, const IndexPath &indexPath)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "IndexPath(" << indexPath.section << ", " << indexPath.row << ')';
    return debug;
}

} // namespace NequoraUI::platform
