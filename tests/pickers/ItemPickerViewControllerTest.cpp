#include "ItemPickerViewController.h"
#include "ItemPickerViewControllerDelegate.h"
#include "PresentingWindow.h"

#include "platform/BarButtonItem.h"
#include "platform/NavigationItem.h"

#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::PresentingWindow;

namespace {

class RecordingDelegate : public QObject, public ItemPickerViewControllerDelegate
{
public:
    void pickerViewControllerDidSelectItem(ItemPickerViewController *picker,
                                           const QString &item) override
    {
        EXPECT_NE(picker, nullptr);
        chosen.append(item);
    }
    void didCancelInPickerViewController(ItemPickerViewController *) override { ++cancellations; }

    QStringList chosen;
    int cancellations = 0;
};

class ItemPickerTest : public PresentingWindow
{
protected:
    ItemPickerViewController *present(const QStringList &items)
    {
        auto *picker = new ItemPickerViewController(items);
        controller->present(new platform::NavigationController(picker), false);
        return picker;
    }
};

} // namespace

// Run under AddressSanitizer: reaching the destroyed delegate would be a use after free.
TEST_F(ItemPickerTest, TapsAndADoneStyledCancelReportInOrderOnlyWhileADelegateLives)
{
    ItemPickerViewController *picker = present({"Sine", "Saw", "Sine"});
    clickRow(picker, {0, 0}); // no delegate yet: nothing to reach
    auto delegate = std::make_unique<RecordingDelegate>();
    picker->setDelegate(delegate.get());
    EXPECT_EQ(picker->tableView()->numberOfSections(), 1);
    EXPECT_EQ(rowText(picker, {0, 0}), QStringLiteral("Sine"));
    EXPECT_EQ(rowText(picker, {0, 2}), QStringLiteral("Sine"));
    clickRow(picker, {0, 2});
    clickRow(picker, {0, 1});
    clickRow(picker, {0, 0});
    EXPECT_EQ(delegate->chosen, QStringList({"Sine", "Saw", "Sine"}));
    EXPECT_EQ(picker->navigationItem()->rightBarButtonItem()->style(),
              platform::BarButtonItem::Style::Done);
    clickCancel();
    EXPECT_EQ(delegate->cancellations, 1);
    // Closing is the delegate's job.
    EXPECT_EQ(presentedPicker<ItemPickerViewController>(), picker);

    delegate.reset();
    EXPECT_EQ(picker->delegate(), nullptr);
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_EQ(presentedPicker<ItemPickerViewController>(), picker);
}

TEST_F(ItemPickerTest, AReusedCellShowsOnlyItsNewRowLeftAligned)
{
    QStringList items;
    for (int i = 0; i < 200; ++i)
        items.append(QStringLiteral("Item %1").arg(i));
    ItemPickerViewController *picker = present(items);
    platform::TableView *table = picker->tableView();
    platform::TableViewCell *first = table->cellForRow({0, 0});
    ASSERT_NE(first, nullptr);
    first->textLabel()->setAlignment(Qt::AlignRight); // as if a host had restyled it
    table->scrollToRow({0, 199});
    QCoreApplication::processEvents();

    ASSERT_TRUE(table->visibleCells().contains(first)) << "the first cell was not reused";
    EXPECT_NE(first->textLabel()->text(), QStringLiteral("Item 0"));
    EXPECT_TRUE(first->textLabel()->alignment().testFlag(Qt::AlignLeft));
    for (platform::TableViewCell *cell : table->visibleCells())
        EXPECT_TRUE(items.contains(cell->textLabel()->text()));
}
