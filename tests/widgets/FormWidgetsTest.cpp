#include "ButtonStyle.h"
#include "ButtonView.h"
#include "ProgressView.h"
#include "SegmentedView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "ValueLabelView.h"
#include "platform/ProgressBar.h"
#include "platform/SegmentedControl.h"
#include "platform/ViewAppearance.h"
#include "support/Widgets.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace NequoraUI;
using namespace NequoraUI::testing;
using NequoraUI::platform::ViewAppearance;

TEST(TextFieldView, DefaultValueTypedTextClearAndOneReportPerFinishedEdit)
{
    EXPECT_TRUE(TextFieldView(QStringLiteral("Name"), std::nullopt).text().isEmpty());
    EXPECT_TRUE(TextFieldView(QStringLiteral("Name"), QString()).text().isEmpty());

    TextFieldView view(QStringLiteral("Name"), QStringLiteral("Hall"));
    QSignalSpy finished(&view, &TextFieldView::editingFinished);
    auto *field = child<QLineEdit>(&view, "textField");
    EXPECT_EQ(view.text(), "Hall");
    view.clear();
    QTest::keyClicks(field, QStringLiteral("  two  words "));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Return); // unchanged since: not reported again
    EXPECT_EQ(view.text(), "  two  words ") << "no trimming";
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toString(), view.text());
    view.clear();
    EXPECT_TRUE(view.text().isEmpty());
    EXPECT_EQ(finished.count(), 1) << "clearing notifies nobody";
}

TEST(ButtonView, TouchDownIfGivenThenActionWithTheSameViewAndTitleIsTheButtons)
{
    for (const bool withTouchDown : {true, false}) {
        std::vector<std::string> events;
        std::vector<ButtonView *> seen;
        const auto record = [&](const char *event) {
            return [&, event](ButtonView *v) { events.push_back(event), seen.push_back(v); };
        };
        ButtonView view(QStringLiteral("Record"), record("up"),
                        withTouchDown ? record("down") : std::function<void(ButtonView *)>());
        ASSERT_TRUE(shown(view, 200, 60));
        QTest::mousePress(view.button, Qt::LeftButton);
        EXPECT_EQ(events.size(), withTouchDown ? 1u : 0u);
        QTest::mouseRelease(view.button, Qt::LeftButton);
        EXPECT_EQ(events.back(), "up");
        EXPECT_EQ(seen, std::vector<ButtonView *>(events.size(), &view));

        view.setTitle(QStringLiteral("Two"));
        EXPECT_EQ(view.button->text(), "Two");
        view.button->setText(QString());
        EXPECT_TRUE(view.title().isEmpty());
    }
}

TEST(ButtonStyle, LastAppliedStyleIsWhatTheButtonShows)
{
    ButtonView view(QStringLiteral("Save"), {});
    ASSERT_TRUE(shown(view, 240, 60));
    const std::tuple<ButtonStyle, QColor, QColor> styles[] = {
        {ButtonStyle::active, Qt::white, QColor(82, 182, 102)},
        {ButtonStyle::inactive, QColor(0, 122, 255), Qt::white},
        {ButtonStyle::loading, Qt::white, QColor(157, 157, 157)},
        {ButtonStyle::active, Qt::white, QColor(82, 182, 102)}};
    for (const auto &[style, tint, background] : styles) {
        setButtonStyle(view.button, style);
        EXPECT_EQ(ViewAppearance::tintColor(view.button).toRgb(), tint);
        EXPECT_EQ(ViewAppearance::backgroundColor(view.button).toRgb(), background);
        EXPECT_EQ(ViewAppearance::cornerRadius(view.button), 8.0);
    }
    EXPECT_EQ(view.button->text(), "Save") << "the style sets no title";

    // Grab the whole row: the corners outside the rounded button show what lies behind it.
    const QImage image = view.grab().toImage();
    const QRect button(view.button->mapTo(&view, QPoint()), view.button->size());
    EXPECT_EQ(QColor(image.pixel(button.left() + 6, button.center().y())), QColor(82, 182, 102));
    EXPECT_NE(QColor(image.pixel(button.topLeft())), QColor(82, 182, 102)) << "rounded corner";
}

TEST(ProgressView, StartsEmptyAndShowsFractionsWithTwoDecimals)
{
    ProgressView view(QStringLiteral("Export"));
    auto *bar = child<platform::ProgressBar>(&view, "progressView");
    EXPECT_TRUE(labelText(&view, "valueLabel").isEmpty());

    const std::tuple<float, const char *, float> cases[] = {
        {0.25f, "0.25", 0.25f}, {1.5f, "1.50", 1.0f}, {-0.001f, "-0.00", 0.0f}};
    for (const auto &[progress, text, shown] : cases) {
        view.setProgress(progress);
        EXPECT_EQ(labelText(&view, "valueLabel"), text);
        EXPECT_EQ(bar->progress(), shown);
    }
    view.setTitle(QStringLiteral("Import"));
    EXPECT_EQ(labelText(&view, "titleLabel"), "Import");
    EXPECT_EQ(labelText(&view, "valueLabel"), "-0.00") << "the title leaves value and bar";
    EXPECT_EQ(bar->progress(), 0.0f);
}

TEST(SwitchView, StartsSilentlyAndReadsWhicheverSwitchTheOutletNames)
{
    std::vector<bool> reported;
    SwitchView view(QStringLiteral("Bypass"), false, [&](bool on) { reported.push_back(on); });
    QSignalSpy toggled(&view, &SwitchView::toggled);
    ASSERT_TRUE(shown(view, 300, 60));
    EXPECT_EQ(labelText(&view, "titleLabel"), "Bypass");
    EXPECT_FALSE(view.isOn());
    view.toggleSwitch->setOn(true);
    QTest::mouseClick(view.toggleSwitch, Qt::LeftButton);
    EXPECT_FALSE(view.isOn());

    platform::Switch *original = view.toggleSwitch;
    platform::Switch replacement;
    replacement.setOn(true);
    view.toggleSwitch = &replacement;
    QTest::mouseClick(&replacement, Qt::LeftButton);
    EXPECT_EQ(reported.size(), 1u) << "the new switch is not connected";

    QTest::mouseClick(original, Qt::LeftButton); // original flips on
    replacement.setOn(true);
    original->setFocus();
    QTest::keyClick(original, Qt::Key_Space); // original flips off
    // Each event reads whichever switch the outlet names at that moment.
    EXPECT_EQ(reported, (std::vector<bool>{false, false, true}));
    ASSERT_EQ(toggled.count(), 3);
    EXPECT_EQ(toggled.at(2).at(0), true);
    view.toggleSwitch = original;
}

// The resource's own segments are replaced; the first is selected silently; a click reports its
// position, also between equal titles.
TEST(SegmentedView, ReplacesTheResourceSegmentsAndReportsThePositionChosen)
{
    const std::tuple<QStringList, int, int> cases[] = {
        {{"A", "B", "C"}, 0, 2}, {{"Same", "Same"}, 0, 1}, {{"Only"}, 0, -1}, {{}, -1, -1}};
    for (const auto &[segments, selected, clicked] : cases) {
        std::vector<std::int64_t> reported;
        SegmentedView view(QStringLiteral("Mode"), segments,
                           [&](std::int64_t i) { reported.push_back(i); });
        ASSERT_TRUE(shown(view, 360, 80));
        QSignalSpy spy(&view, &SegmentedView::selectedSegmentChanged);
        auto *control = child<platform::SegmentedControl>(&view, "segmentedControl");
        EXPECT_EQ(control->segmentTitles(), segments);
        EXPECT_EQ(control->selectedSegmentIndex(), selected);
        if (clicked >= 0)
            QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(clicked).center());
        EXPECT_EQ(reported,
                  clicked >= 0 ? std::vector<std::int64_t>{clicked} : std::vector<std::int64_t>{});
        EXPECT_EQ(spy.count(), qsizetype(reported.size()));
        EXPECT_EQ(view.selectedSegmentIndex(), clicked >= 0 ? clicked : selected);
    }
}

// A title label's content covers the view after resizing; a text label's text is its label's own,
// and a replaced label stays; a value label writes only its value.
TEST(LabelViews, ContentCoversTheViewTextIsTheLabelsOwnAndAValueLeavesTheTitle)
{
    TitleLabelView title(QStringLiteral("Mixer"));
    EXPECT_EQ(title.titleLabel->text(), "Mixer");
    ASSERT_TRUE(shown(title, 100, 40));
    title.resize(333, 97);
    QApplication::processEvents();
    EXPECT_EQ(child<QWidget>(&title, "contentView")->geometry(), title.rect());

    TextLabelView view(QStringLiteral("Before"));
    view.textLabel->setText(QStringLiteral("Direct"));
    EXPECT_EQ(view.text(), "Direct") << "no copy is kept";
    view.textLabel->clear();
    EXPECT_TRUE(view.text().isEmpty());
    QLabel *original = view.textLabel;
    QLabel replacement;
    view.textLabel = &replacement;
    view.setText(QStringLiteral("After"));
    EXPECT_EQ(replacement.text(), "After");
    EXPECT_EQ(view.text(), "After");
    EXPECT_TRUE(original->text().isEmpty());
    EXPECT_TRUE(view.isAncestorOf(original));
    view.textLabel = original;

    ValueLabelView value(QStringLiteral("Latency"), QString());
    EXPECT_TRUE(value.stringValue().isEmpty());
    value.setStringValue(QStringLiteral("5.00 ms"));
    EXPECT_EQ(labelText(&value, "valueLabel"), "5.00 ms");
    EXPECT_EQ(labelText(&value, "titleLabel"), "Latency");
}
