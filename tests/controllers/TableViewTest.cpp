#include "platform/TableView.h"
#include "platform/Color.h"
#include "platform/TableViewCell.h"
#include "platform/TableViewController.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace NequoraUI::platform;

namespace {

int cellsCreated = 0;

// Sections of given sizes, titled "Section <n>".
struct ListController : TableViewController
{
    explicit ListController(std::vector<int> rows) : rows(std::move(rows))
    {
        tableView()->registerCellClass(QStringLiteral("Cell"), [](QWidget *parent) {
            ++cellsCreated;
            return new TableViewCell(parent);
        });
        view()->resize(320, 480);
        view()->show();
    }

    int numberOfSections() const override { return int(rows.size()); }
    int numberOfRowsInSection(int section) const override { return rows[std::size_t(section)]; }
    std::optional<QString> titleForHeaderInSection(int section) const override
    {
        return QStringLiteral("Section %1").arg(section);
    }
    TableViewCell *cellForRowAt(const IndexPath &row) override
    {
        ++cellRequests;
        TableViewCell *cell = dequeueReusableCell(QStringLiteral("Cell"), row);
        cell->textLabel()->setText(QStringLiteral("%1/%2").arg(row.section).arg(row.row));
        return cell;
    }
    void didSelectRowAt(const IndexPath &indexPath) override { selected.push_back(indexPath); }

    std::vector<int> rows;
    int cellRequests = 0;
    std::vector<IndexPath> selected;
};

} // namespace

TEST(TableViewTest, PlacesCellsOnRowsWhichEnterAndClicksSelectButHeadersDoNot)
{
    ListController controller({3, 3});
    TableView *table = controller.tableView();
    TableViewCell *cell = table->cellForRow({1, 2});
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->textLabel()->text(), QStringLiteral("1/2"));
    EXPECT_EQ(cell->geometry(), table->rectForRow({1, 2}));
    EXPECT_EQ(table->visibleCells().size(), 6);

    // Moving the current row selects nothing; Enter selects it.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_TRUE(controller.selected.empty());
    QTest::keyClick(table, Qt::Key_Return);

    const auto click = [table](QPoint at) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    };
    click(table->rectForRow({1, 1}).center());
    click(table->rectForRow({0, 2}).center());
    click(QPoint(50, 5)); // a header
    EXPECT_EQ(controller.selected, (std::vector<IndexPath>{{0, 1}, {1, 1}, {0, 2}}));
    EXPECT_TRUE(table->cellForRow({0, 2})->isSelected());
    EXPECT_FALSE(table->cellForRow({1, 1})->isSelected());

    // A row shows the mouse over it and a press before the tap; dragged off, the press lets go.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table->window()));
    const auto shade = [cell] { return cell->grab().toImage().pixelColor(4, 4); };
    const QColor plain = shade();
    QTest::mouseMove(table->viewport(), cell->geometry().center());
    EXPECT_NE(shade(), plain);
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell->geometry().center());
    EXPECT_TRUE(cell->isHighlighted());
    QTest::mouseMove(table->viewport(), table->rectForRow({1, 0}).center());
    EXPECT_FALSE(cell->isHighlighted());

    controller.rows = {4};
    controller.reloadData();
    EXPECT_EQ(table->numberOfRows(0), 4);
    EXPECT_EQ(table->cellForRow({0, 3})->textLabel()->text(), QStringLiteral("0/3"));
    ListController empty({0});
    EXPECT_TRUE(empty.tableView()->visibleCells().isEmpty());
    QTest::mouseClick(empty.tableView()->viewport(), Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_TRUE(empty.selected.empty());
}

TEST(TableViewTest, HundredThousandRowsRealiseOnlyTheVisibleOnesReusedUnderAPinnedHeader)
{
    ListController controller({50'000, 50'000});
    TableView *table = controller.tableView();
    const int bound = table->viewport()->height() / table->rowHeight() + 2;
    EXPECT_LE(controller.cellRequests, bound);
    EXPECT_LE(table->visibleCells().size(), bound);
    TableViewCell *first = table->cellForRow({0, 0});
    ASSERT_NE(first, nullptr);
    first->setSelected(true);
    first->setTextColor(Color::systemBlue());

    // One row down: the cell that left is the one that came in.
    table->verticalScrollBar()->setValue(table->sectionHeaderHeight() + table->rowHeight());
    EXPECT_EQ(table->cellForRow({0, 0}), nullptr);
    EXPECT_EQ(table->reusableCellCount(QStringLiteral("Cell")), 0);
    // A jump reuses the cells that left the view instead of making new ones.
    const int created = cellsCreated;
    table->scrollToRow({1, 49'999});
    ASSERT_NE(table->cellForRow({1, 49'999}), nullptr);
    EXPECT_EQ(table->cellForRow({1, 49'999})->textLabel()->text(), QStringLiteral("1/49999"));
    EXPECT_EQ(cellsCreated, created);
    EXPECT_LE(table->visibleCells().size(), bound);
    EXPECT_LE(controller.cellRequests, 2 * bound + 1);
    // Reuse clears the selection, but the text colour is the data source's to set.
    ASSERT_TRUE(table->visibleCells().contains(first));
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(first->textColor(), Color::systemBlue());
    EXPECT_EQ(table->verticalScrollBar()->maximum(), 2 * 50'000 * table->rowHeight() +
                                                         2 * table->sectionHeaderHeight() -
                                                         table->viewport()->height());

    // The header of the section whose rows scroll under it stays pinned at the top.
    QStringList pinned;
    for (QLabel *label : table->viewport()->findChildren<QLabel *>(QStringLiteral("sectionHeader")))
        if (label->isVisible() && label->y() == 0)
            pinned.append(label->text());
    EXPECT_EQ(pinned, QStringList{QStringLiteral("Section 1")});
}

TEST(TableViewDeathTest, DequeueingAnUnregisteredIdentifierStops)
{
    EXPECT_DEATH(TableViewController().dequeueReusableCell(QStringLiteral("Missing"), {0, 0}),
                 "no cell class registered for the reuse identifier \"Missing\"");
}
