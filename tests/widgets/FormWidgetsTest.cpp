#include "ButtonStyle.h"
#include "ButtonView.h"
#include "ProgressView.h"
#include "TextFieldView.h"
#include "platform/ProgressBar.h"
#include "platform/ViewAppearance.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace NequoraUI;
using NequoraUI::platform::ViewAppearance;

TEST(TextFieldView, DefaultValueTypedTextAndClear)
{
    TextFieldView absent(QStringLiteral("Name"), std::nullopt);
    EXPECT_TRUE(absent.text().isEmpty());
    TextFieldView empty(QStringLiteral("Name"), QString());
    EXPECT_TRUE(empty.text().isEmpty());

    TextFieldView view(QStringLiteral("Name"), QStringLiteral("Hall"));
    auto *field = view.findChild<QLineEdit *>(QStringLiteral("textField"));
    EXPECT_EQ(view.text(), "Hall");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("  two  words "));
    EXPECT_EQ(view.text(), "  two  words ") << "no trimming";
    view.clear();
    EXPECT_TRUE(view.text().isEmpty());
}

TEST(ButtonView, TouchDownThenActionWithTheSameView)
{
    std::vector<std::string> events;
    ButtonView *seen[2] = {nullptr, nullptr};
    ButtonView view(
        QStringLiteral("Record"), [&](ButtonView *v) { events.push_back("up"), seen[1] = v; },
        [&](ButtonView *v) { events.push_back("down"), seen[0] = v; });
    view.resize(200, 60);
    view.show();
    QTest::mousePress(view.button, Qt::LeftButton);
    EXPECT_EQ(events, std::vector<std::string>{"down"});
    QTest::mouseRelease(view.button, Qt::LeftButton);
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
    EXPECT_EQ(seen[0], &view);
    EXPECT_EQ(seen[1], &view);
}

TEST(ButtonView, WithoutTouchDownHandlerOnlyTheReleaseCounts)
{
    int actions = 0;
    ButtonView view(QStringLiteral("Go"), [&](ButtonView *) { ++actions; });
    view.resize(200, 60);
    view.show();
    QTest::mousePress(view.button, Qt::LeftButton);
    EXPECT_EQ(actions, 0);
    QTest::mouseRelease(view.button, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
}

TEST(ButtonView, TitleReadsAndWritesTheButton)
{
    ButtonView view(QStringLiteral("One"), {});
    EXPECT_EQ(view.title(), "One");
    view.setTitle(QStringLiteral("Two"));
    EXPECT_EQ(view.button->text(), "Two");
    view.button->setText(QString());
    EXPECT_TRUE(view.title().isEmpty());
}

TEST(ButtonStyle, ColoursOfEachStyle)
{
    EXPECT_EQ(tintColor(ButtonStyle::inactive), QColor(0, 122, 255));
    EXPECT_EQ(backgroundColor(ButtonStyle::inactive), QColor(Qt::white));
    EXPECT_EQ(tintColor(ButtonStyle::active), QColor(Qt::white));
    EXPECT_EQ(backgroundColor(ButtonStyle::active).toRgb(), QColor(82, 182, 102));
    EXPECT_EQ(backgroundColor(ButtonStyle::loading).toRgb(), QColor(157, 157, 157));
    EXPECT_EQ(std::hash<ButtonStyle>{}(ButtonStyle::active),
              std::hash<ButtonStyle>{}(ButtonStyle::active));
    EXPECT_NE(ButtonStyle::inactive, ButtonStyle::loading);
}

TEST(ButtonStyle, LastAppliedStyleIsWhatTheButtonShows)
{
    ButtonView view(QStringLiteral("Save"), {});
    view.resize(240, 60);
    view.show();
    setButtonStyle(view.button, ButtonStyle::loading);
    setButtonStyle(view.button, ButtonStyle::active);
    EXPECT_EQ(ViewAppearance::tintColor(view.button), QColor(Qt::white));
    EXPECT_EQ(ViewAppearance::backgroundColor(view.button).toRgb(), QColor(82, 182, 102));
    EXPECT_EQ(ViewAppearance::cornerRadius(view.button), 8.0);
    EXPECT_EQ(view.button->text(), "Save") << "the style sets no title";

    // Grab the whole row: the corners outside the rounded button show what lies behind it.
    const QImage image = view.grab().toImage();
    const QRect button =
        view.button->geometry().translated(view.button->parentWidget()->mapTo(&view, QPoint()));
    EXPECT_EQ(QColor(image.pixel(button.left() + 6, button.center().y())).toRgb(),
              QColor(82, 182, 102))
        << "green fill";
    EXPECT_NE(QColor(image.pixel(button.topLeft())).toRgb(), QColor(82, 182, 102))
        << "rounded corner";
}

TEST(ProgressView, StartsEmptyAndShowsFractionsWithTwoDecimals)
{
    ProgressView view(QStringLiteral("Export"));
    auto *value = view.findChild<QLabel *>(QStringLiteral("valueLabel"));
    auto *bar = view.findChild<platform::ProgressBar *>(QStringLiteral("progressView"));
    EXPECT_TRUE(value->text().isEmpty());
    EXPECT_EQ(bar->progress(), 0.0f);

    const std::tuple<float, const char *, float> cases[] = {
        {0.25f, "0.25", 0.25f}, {1.5f, "1.50", 1.0f}, {-0.001f, "-0.00", 0.0f}};
    for (const auto &[progress, text, shown] : cases) {
        view.setProgress(progress);
        EXPECT_EQ(value->text(), text);
        EXPECT_EQ(bar->progress(), shown);
    }
    view.setTitle(QStringLiteral("Import"));
    EXPECT_EQ(view.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), "Import");
    EXPECT_EQ(value->text(), "-0.00");
}
