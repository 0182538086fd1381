#pragma once

// What the widget screen and the Quick screen show for a graph, row by row, read from the
// widgets themselves and from the Quick screen's model, so the two can be compared.
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

class NQAudioGraph;
class QWidget;

namespace NequoraUI {
class GraphRowModel;
class UIGenerator;
} // namespace NequoraUI

struct ShownRow
{
    QString kind{}, title{}, valueText{};
    double proportion = 0;
    QStringList choices{};
    bool operator==(const ShownRow &other) const;
};

void PrintTo(const ShownRow &row, std::ostream *os);

// A widget row as the user sees it.
ShownRow shownBy(QWidget *view);
// A Quick row as its delegate shows it; a section row by its title alone.
ShownRow shownBy(const NequoraUI::GraphRowModel &model, int row);
// The widget screen generator makes for graph: a section row per node, then the node's views.
QList<ShownRow> widgetRows(const NQAudioGraph &graph, const NequoraUI::UIGenerator &generator);
QList<ShownRow> quickRows(const NequoraUI::GraphRowModel &model);
