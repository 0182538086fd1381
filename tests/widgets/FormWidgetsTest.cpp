#include "ButtonStyle.h"
#include "ButtonView.h"
#include "ProgressView.h"
#include "TextFieldView.h"
#include "platform/ProgressBar.h"
#include "platform/ViewAppearance.h"
#include "support/Widgets.h"

#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace NequoraUI;
using namespace NequoraUI::testing;
using NequoraUI::platform::ViewAppearance;

TEST(TextFieldView, DefaultValueTypedTextAndClear)
{
    EXPECT_TRUE(TextFieldView(QStringLiteral("Name"), std::nullopt).text().isEmpty());
    EXPECT_TRUE(TextFieldView(QStringLiteral("Name"), QString()).text().isEmpty());

    TextFieldView view(QStringLiteral("Name"), QStringLiteral("Hall"));
    auto *field = child<QLineEdit>(&view, "textField");
    EXPECT_EQ(view.text(), "Hall");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("  two  words "));
    EXPECT_EQ(view.text(), "  two  words ") << "no trimming";
    view.clear();
    EXPECT_TRUE(view.text().isEmpty());
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
    EXPECT_EQ(std::hash<ButtonStyle>{}(ButtonStyle::active),
              std::hash<ButtonStyle>{}(ButtonStyle::active));
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
    const QRect button =
        view.button->geometry().translated(view.button->parentWidget()->mapTo(&view, QPoint()));
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
    EXPECT_EQ(labelText(&view, "valueLabel"), "-0.00");
    EXPECT_EQ(bar->progress(), 0.0f);
}
