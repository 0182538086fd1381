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

class CountingCell : public TableViewCell
{
public:
    using TableViewCell::TableViewCell;
    static inline int created = 0;
    int reuses = 0;
    void prepareForReuse() override
    {
        TableViewCell::prepareForReuse();
        ++reuses;
    }
};

// Sections of given sizes; section titles "Section <n>" except where left out.
class ListController : public TableViewController
{
public:
    explicit ListController(std::vector<int> rows, bool titled = true)
        : rows(std::move(rows)), titled(titled)
    {
        tableView()->registerCellClass(QStringLiteral("Cell"), [](QWidget *parent) {
            ++CountingCell::created;
            return new CountingCell(parent);
        });
    }

    int numberOfSections() const override { return int(rows.size()); }
    int numberOfRowsInSection(int section) const override { return rows[std::size_t(section)]; }
    std::optional<QString> titleForHeaderInSection(int section) const override
    {
        if (!titled)
            return std::nullopt;
        return QStringLiteral("Section %1").arg(section);
    }
    TableViewCell *cellForRowAt(const IndexPath &indexPath) override
    {
        ++cellRequests;
        TableViewCell *cell = dequeueReusableCell(QStringLiteral("Cell"), indexPath);
        cell->textLabel()->setText(
            QStringLiteral("%1/%2").arg(indexPath.section).arg(indexPath.row));
        return cell;
    }
    void didSelectRowAt(const IndexPath &indexPath) override { selected.push_back(indexPath); }

    std::vector<int> rows;
    bool titled = true;
    int cellRequests = 0;
    std::vector<IndexPath> selected;
};

TableView *showTable(ListController &controller, QSize size = QSize(320, 480))
{
    QWidget *view = controller.view();
    view->resize(size);
    view->show();
    return controller.tableView();
}

} // namespace

TEST(TableViewTest, ShowsSectionsWithHeadersIfTitledAndRowsAndReloads)
{
    ListController controller({2, 3});
    TableView *table = showTable(controller);
    EXPECT_EQ(controller.view(), table);
    EXPECT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->headerTitle(1), QStringLiteral("Section 1"));
    TableViewCell *cell = table->cellForRow({1, 2});
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->textLabel()->text(), QStringLiteral("1/2"));
    EXPECT_EQ(cell->geometry(), table->rectForRow({1, 2}));
    // Second section's rows start below both headers and the first section's rows.
    EXPECT_EQ(table->rectForRow({1, 0}).top(),
              2 * table->sectionHeaderHeight() + 2 * table->rowHeight());
    EXPECT_EQ(table->visibleCells().size(), 5);

    controller.rows = {4};
    controller.reloadData();
    EXPECT_EQ(table->numberOfRows(0), 4);
    EXPECT_EQ(table->cellForRow({0, 3})->textLabel()->text(), QStringLiteral("0/3"));

    ListController untitled({1, 1}, false);
    table = showTable(untitled);
    EXPECT_EQ(table->headerTitle(0), std::nullopt);
    EXPECT_EQ(table->rectForRow({1, 0}).top(), table->rowHeight());

    ListController empty({0});
    table = showTable(empty);
    EXPECT_TRUE(table->visibleCells().isEmpty());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_TRUE(empty.selected.empty());
}

TEST(TableViewTest, CellsScrolledOutAreReusedForOtherRows)
{
    ListController controller({200}, false);
    TableView *table = showTable(controller, QSize(320, 440));
    TableViewCell *first = table->cellForRow({0, 0});
    ASSERT_NE(first, nullptr);
    const int createdBefore = CountingCell::created;
    const int cellsBefore = int(table->visibleCells().size());

    // One row down: the cell that left is the one that came in.
    table->verticalScrollBar()->setValue(table->rowHeight());
    EXPECT_EQ(table->cellForRow({0, 0}), nullptr);
    EXPECT_NE(table->cellForRow({0, 10}), nullptr);
    EXPECT_EQ(table->visibleCells().size(), cellsBefore);
    EXPECT_EQ(table->reusableCellCount(QStringLiteral("Cell")), 0);

    // A jump reuses the cells that left the view instead of making new ones.
    table->scrollToRow({0, 100});
    ASSERT_NE(table->cellForRow({0, 100}), nullptr);
    EXPECT_EQ(table->cellForRow({0, 100})->textLabel()->text(), QStringLiteral("0/100"));
    EXPECT_EQ(CountingCell::created, createdBefore);
    EXPECT_TRUE(table->visibleCells().contains(first));
    EXPECT_GT(static_cast<CountingCell *>(first)->reuses, 0);
}

TEST(TableViewTest, EnterAndClicksSelectRowsButHeadersDoNot)
{
    ListController controller({3, 3});
    TableView *table = showTable(controller);
    // Moving the current row selects nothing; Enter selects it.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_TRUE(controller.selected.empty());
    QTest::keyClick(table, Qt::Key_Return);

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow({1, 1}).center());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow({0, 2}).center());
    EXPECT_EQ(controller.selected, (std::vector<IndexPath>{{0, 1}, {1, 1}, {0, 2}}));
    EXPECT_TRUE(table->cellForRow({0, 2})->isSelected());
    EXPECT_FALSE(table->cellForRow({1, 1})->isSelected());

    // A click on a header selects nothing.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(controller.selected.size(), 3u);

    // A row shows the mouse over it and a press before the tap; dragged off, the press lets go.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table->window()));
    TableViewCell *cell = table->cellForRow({1, 2});
    const auto shade = [cell] { return cell->grab().toImage().pixelColor(4, 4); };
    const QColor plain = shade();
    QTest::mouseMove(table->viewport(), cell->geometry().center());
    EXPECT_NE(shade(), plain);
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell->geometry().center());
    EXPECT_TRUE(cell->isHighlighted());
    QTest::mouseMove(table->viewport(), table->rectForRow({1, 0}).center());
    EXPECT_FALSE(cell->isHighlighted());
}

TEST(TableViewTest, HundredThousandRowsRealiseOnlyTheVisibleOnesUnderAPinnedHeader)
{
    ListController controller({50'000, 50'000});
    TableView *table = showTable(controller);
    const int bound = table->viewport()->height() / table->rowHeight() + 2;
    EXPECT_LE(controller.cellRequests, bound);
    EXPECT_LE(table->visibleCells().size(), bound);

    table->scrollToRow({1, 49'999});
    ASSERT_NE(table->cellForRow({1, 49'999}), nullptr);
    EXPECT_LE(table->visibleCells().size(), bound);
    EXPECT_LE(controller.cellRequests, 2 * bound);
    EXPECT_LE(CountingCell::created, 1000); // never one per row
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

TEST(TableViewCellTest, ReuseClearsTheSelectionButKeepsTextColourAndAlignment)
{
    TableViewCell cell;
    cell.setTextColor(Color::systemBlue());
    cell.textLabel()->setAlignment(Qt::AlignCenter);
    EXPECT_EQ(cell.textLabel()->palette().color(QPalette::WindowText), Color::systemBlue());
    cell.setSelected(true);
    cell.prepareForReuse();
    EXPECT_FALSE(cell.isSelected());
    EXPECT_EQ(cell.textColor(), Color::systemBlue());
    EXPECT_EQ(cell.textLabel()->alignment(), Qt::AlignCenter);
}

TEST(TableViewDeathTest, DequeueingAnUnregisteredIdentifierStops)
{
    EXPECT_DEATH(
        {
            TableViewController controller;
            controller.dequeueReusableCell(QStringLiteral("Missing"), {0, 0});
        },
        "no cell class registered for the reuse identifier \"Missing\"");
}
