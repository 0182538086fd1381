#include "NequoraUIVersion.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "ValueLabelView.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace NequoraUI;

TEST(TitleLabelView, ShowsTheTitleAndContentCoversTheViewAfterResizing)
{
    TitleLabelView view(QStringLiteral("Mixer"));
    EXPECT_EQ(view.titleLabel->text(), "Mixer");
    view.resize(100, 40);
    view.show();
    view.resize(333, 97);
    QApplication::processEvents();
    auto *content = view.findChild<QWidget *>(QStringLiteral("contentView"));
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->geometry(), view.rect());
}

TEST(TextLabelView, TextIsTheLabelsOwnText)
{
    TextLabelView view(QStringLiteral("Hello"));
    EXPECT_EQ(view.text(), "Hello");
    view.setText(QStringLiteral("World"));
    EXPECT_EQ(view.textLabel->text(), "World");
    view.textLabel->setText(QStringLiteral("Direct"));
    EXPECT_EQ(view.text(), "Direct");
    view.textLabel->clear();
    EXPECT_TRUE(view.text().isEmpty());
}

TEST(TextLabelView, ReplacedLabelTakesReadsAndWritesWhileTheOldOneStays)
{
    TextLabelView view(QStringLiteral("Before"));
    QLabel *original = view.textLabel;
    QLabel replacement;
    view.textLabel = &replacement;
    view.setText(QStringLiteral("After"));
    EXPECT_EQ(replacement.text(), "After");
    EXPECT_EQ(view.text(), "After");
    EXPECT_EQ(original->text(), "Before");
    EXPECT_TRUE(view.isAncestorOf(original));
    view.textLabel = original;
}

TEST(ValueLabelView, WritesOnlyTheValue)
{
    ValueLabelView view(QStringLiteral("Latency"), QString());
    EXPECT_TRUE(view.stringValue().isEmpty());
    view.setStringValue(QStringLiteral("5.00 ms"));
    EXPECT_EQ(view.stringValue(), "5.00 ms");
    EXPECT_EQ(view.findChild<QLabel *>(QStringLiteral("valueLabel"))->text(), "5.00 ms");
    EXPECT_EQ(view.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), "Latency");
}

TEST(Version, IsGeneratedByTheBuild)
{
    EXPECT_EQ(NequoraUIVersionNumber, 1.0);
    const std::string text(reinterpret_cast<const char *>(NequoraUIVersionString));
    EXPECT_NE(text.find("PROGRAM:NequoraUI"), std::string::npos) << text;
    EXPECT_NE(text.find("PROJECT:NequoraUI-1"), std::string::npos) << text;
}
