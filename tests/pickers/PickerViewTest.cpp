#include "PickerView.h"
#include "ItemPickerViewController.h"
#include "ItemPickerViewControllerDelegate.h"
#include "PresentingWindow.h"

#include "platform/BarButtonItem.h"
#include "platform/NavigationItem.h"

#include <QApplication>
#include <functional>
#include <memory>

using namespace NequoraUI;
using namespace NequoraUI::testing;

namespace {

struct RecordingDelegate : QObject, ItemPickerViewControllerDelegate
{
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

struct PickerViewTest : PresentingWindow
{
    ItemPickerViewController *present(const QStringList &items)
    {
        auto *picker = new ItemPickerViewController(items);
        controller->present(new platform::NavigationController(picker), false);
        return picker;
    }
    std::unique_ptr<PickerView> makeView(const QString &initialValue, const QStringList &items)
    {
        auto view = std::make_unique<PickerView>(
            controller, QStringLiteral("Waveform"), initialValue, items,
            [this](const QString &item) { reported.append(item); });
        QObject::connect(view.get(), &PickerView::selectionChanged,
                         [this](const QString &item) { signalled.append(item); });
        return view;
    }

    QStringList reported, signalled;
};

} // namespace

// Run under AddressSanitizer: reaching the destroyed delegate would be a use after free.
TEST_F(PickerViewTest, ItemPickerTapsAndADoneStyledCancelReportInOrderOnlyWhileADelegateLives)
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

TEST_F(PickerViewTest, ItemPickerReusedCellShowsOnlyItsNewRowLeftAligned)
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

TEST_F(PickerViewTest, ShowsAnyInitialValueTitlesThePickerAtTapTimeAndReportsEvenTheShownItem)
{
    auto view = makeView(QStringLiteral("Noise"), {"Sine", "Saw"});
    EXPECT_EQ(labelText(view.get(), "title"), QStringLiteral("Waveform"));
    EXPECT_EQ(labelText(view.get(), "value"), QStringLiteral("Noise"));
    child<QLabel>(view.get(), "title")->setText(QStringLiteral("Shape"));
    tap(view.get(), "selectButton");
    finishTransitions();
    QPointer<ItemPickerViewController> picker = presentedPicker<ItemPickerViewController>();
    ASSERT_FALSE(picker.isNull());
    EXPECT_EQ(presentedNavigation()->navigationBar()->titleLabel()->text(), "Shape");
    EXPECT_EQ(picker->items(), QStringList({"Sine", "Saw"}));
    clickRow(picker, {0, 1});
    EXPECT_EQ(labelText(view.get(), "value"), QStringLiteral("Saw"));
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_TRUE(picker.isNull());

    // Each tap builds a fresh picker; choosing the shown item still reports it.
    tap(view.get(), "selectButton");
    clickRow(presentedPicker<ItemPickerViewController>(), {0, 1});
    EXPECT_EQ(reported, QStringList({"Saw", "Saw"}));
    EXPECT_EQ(signalled, reported);
    EXPECT_EQ(view->currentValue(), QStringLiteral("Saw"));
}

TEST_F(PickerViewTest, CancelOrEscapeLeavesTheValueAndTheHandlerAlone)
{
    const std::function<void()> cancels[] = {
        [this] { clickCancel(); },
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }};
    for (const auto &cancel : cancels) {
        auto view = makeView(QStringLiteral("Saw"), {});
        window.layout()->addWidget(view.get());
        auto *select = child<QPushButton>(view.get(), "selectButton");
        select->setFocus();
        tap(view.get(), "selectButton");
        auto *picker = presentedPicker<ItemPickerViewController>();
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->tableView()->numberOfRows(0), 0);
        EXPECT_TRUE(picker->tableView()->hasFocus()) << "the list takes the keyboard";
        cancel();
        finishTransitions();
        EXPECT_EQ(controller->presentedViewController(), nullptr);
        EXPECT_TRUE(reported.isEmpty());
        EXPECT_TRUE(signalled.isEmpty());
        EXPECT_EQ(labelText(view.get(), "value"), QStringLiteral("Saw"));
        EXPECT_TRUE(select->hasFocus()) << "focus returns where it was";
    }
}

// Run under AddressSanitizer: neither the row nor its controller may be reached once gone.
TEST_F(PickerViewTest, APickerOutlivingItsRowOrItsControllerIsSafe)
{
    auto view = makeView(QStringLiteral("Saw"), {"Sine"});
    tap(view.get(), "selectButton");
    auto *picker = presentedPicker<ItemPickerViewController>();
    auto doomed = makeView(QStringLiteral("Saw"), {"Sine"});
    std::swap(view, doomed);
    doomed.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_TRUE(reported.isEmpty()) << "later taps are dropped";
    EXPECT_EQ(presentedPicker<ItemPickerViewController>(), picker);

    delete controller;
    tap(view.get(), "selectButton"); // must not present on, or keep, anything
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A picker still open elsewhere reports a choice: the row updates and the handler runs.
    ItemPickerViewController orphan({"Sine"});
    view->pickerViewControllerDidSelectItem(&orphan, QStringLiteral("Sine"));
    view->didCancelInPickerViewController(&orphan);
    EXPECT_EQ(labelText(view.get(), "value"), QStringLiteral("Sine"));
    EXPECT_EQ(reported, QStringList{"Sine"});
}
