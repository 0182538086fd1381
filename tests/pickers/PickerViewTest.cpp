#include "PickerView.h"
#include "ItemPickerViewController.h"
#include "PresentingWindow.h"

#include <QApplication>
#include <functional>
#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::PresentingWindow;

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
    static QLabel *label(PickerView &view, const char *name)
    {
        return view.findChild<QLabel *>(QLatin1String(name));
    }
    static void tapSelect(PickerView &view)
    {
        QTest::mouseClick(view.findChild<QPushButton *>(QStringLiteral("selectButton")),
                          Qt::LeftButton);
    }

    QStringList reported;
    QStringList signalled;
};

} // namespace

TEST_F(PickerViewTest, ShowsAnInitialValueOutsideTheItemsAndThePickerTitleOfTapTime)
{
    auto view = makeView(QStringLiteral("Noise"), {"Sine", "Saw"});
    EXPECT_EQ(label(*view, "title")->text(), QStringLiteral("Waveform"));
    EXPECT_EQ(label(*view, "value")->text(), QStringLiteral("Noise"));
    label(*view, "title")->setText(QStringLiteral("Shape"));
    tapSelect(*view);
    auto *picker = presentedPicker<ItemPickerViewController>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(presentedNavigation()->navigationBar()->titleLabel()->text(),
              QStringLiteral("Shape"));
    EXPECT_EQ(picker->items(), QStringList({"Sine", "Saw"}));
}

TEST_F(PickerViewTest, ChoosingTheShownItemStillReportsItAndDismisses)
{
    auto view = makeView(QStringLiteral("Saw"), {"Sine", "Saw"});
    tapSelect(*view);
    finishTransitions();
    QPointer<ItemPickerViewController> picker = presentedPicker<ItemPickerViewController>();
    ASSERT_FALSE(picker.isNull());

    clickRow(picker, {0, 1});
    EXPECT_EQ(reported, QStringList{"Saw"});
    EXPECT_EQ(label(*view, "value")->text(), QStringLiteral("Saw"));
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_TRUE(picker.isNull());

    // Each tap builds a fresh picker.
    tapSelect(*view);
    clickRow(presentedPicker<ItemPickerViewController>(), {0, 0});
    EXPECT_EQ(reported, QStringList({"Saw", "Sine"}));
    EXPECT_EQ(signalled, reported);
    EXPECT_EQ(view->currentValue(), QStringLiteral("Sine"));
    EXPECT_EQ(label(*view, "value")->text(), QStringLiteral("Sine"));
}

TEST_F(PickerViewTest, CancelOrEscapeLeavesTheValueAndTheHandlerAlone)
{
    const std::function<void()> cancels[] = {
        [this] { clickCancel(); },
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }};
    for (const auto &cancel : cancels) {
        auto view = makeView(QStringLiteral("Saw"), {});
        window.layout()->addWidget(view.get());
        auto *select = view->findChild<QPushButton *>(QStringLiteral("selectButton"));
        select->setFocus();
        tapSelect(*view);
        auto *picker = presentedPicker<ItemPickerViewController>();
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->tableView()->numberOfRows(0), 0);
        EXPECT_TRUE(picker->tableView()->hasFocus()) << "the list takes the keyboard";
        cancel();
        finishTransitions();
        EXPECT_EQ(controller->presentedViewController(), nullptr);
        EXPECT_TRUE(reported.isEmpty());
        EXPECT_TRUE(signalled.isEmpty());
        EXPECT_EQ(label(*view, "value")->text(), QStringLiteral("Saw"));
        EXPECT_TRUE(select->hasFocus()) << "focus returns where it was";
    }
}

// Run under AddressSanitizer: neither the row nor its controller may be reached once gone.
TEST_F(PickerViewTest, APickerOutlivingItsRowOrItsControllerIsSafe)
{
    auto view = makeView(QStringLiteral("Saw"), {"Sine"});
    tapSelect(*view);
    auto *picker = presentedPicker<ItemPickerViewController>();
    auto doomed = makeView(QStringLiteral("Saw"), {"Sine"});
    std::swap(view, doomed);
    doomed.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_TRUE(reported.isEmpty()) << "later taps are dropped";
    EXPECT_EQ(presentedPicker<ItemPickerViewController>(), picker);

    delete controller;
    tapSelect(*view); // must not present on, or keep, anything
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A picker still open elsewhere reports a choice: the row updates and the handler runs.
    ItemPickerViewController orphan({"Sine"});
    view->pickerViewControllerDidSelectItem(&orphan, QStringLiteral("Sine"));
    view->didCancelInPickerViewController(&orphan);
    EXPECT_EQ(label(*view, "value")->text(), QStringLiteral("Sine"));
    EXPECT_EQ(reported, QStringList{"Sine"});
}
