#include "PickerView.h"
#include "ItemPickerViewController.h"
#include "PresentingWindow.h"

#include <QApplication>
#include <functional>
#include <memory>

using namespace NequoraUI;
using namespace NequoraUI::testing;

namespace {

class PickerViewTest : public PresentingWindow
{
protected:
    std::unique_ptr<PickerView> makeView(const QString &initialValue, const QStringList &items)
    {
        auto view = std::make_unique<PickerView>(
            controller, QStringLiteral("Waveform"), initialValue, items,
            [this](const QString &item) { reported.append(item); });
        QObject::connect(view.get(), &PickerView::selectionChanged,
                         [this](const QString &item) { signalled.append(item); });
        return view;
    }

    QStringList reported;
    QStringList signalled;
};

} // namespace

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
    EXPECT_EQ(presentedNavigation()->navigationBar()->titleLabel()->text(),
              QStringLiteral("Shape"));
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
