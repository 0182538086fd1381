#include "NequoraUIVersion.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "ValueLabelView.h"
#include "support/Widgets.h"

#include <gtest/gtest.h>

using namespace NequoraUI;
using NequoraUI::testing::labelText;

TEST(TitleLabelView, ShowsTheTitleAndContentCoversTheViewAfterResizing)
{
    TitleLabelView view(QStringLiteral("Mixer"));
    EXPECT_EQ(view.titleLabel->text(), "Mixer");
    view.resize(100, 40);
    view.show();
    view.resize(333, 97);
    QApplication::processEvents();
    EXPECT_EQ(NequoraUI::testing::child<QWidget>(&view, "contentView")->geometry(), view.rect());
}

TEST(TextLabelView, TextIsTheCurrentLabelsOwnTextAndAReplacedLabelStays)
{
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
}

TEST(ValueLabelView, WritesOnlyTheValue)
{
    ValueLabelView view(QStringLiteral("Latency"), QString());
    EXPECT_TRUE(view.stringValue().isEmpty());
    view.setStringValue(QStringLiteral("5.00 ms"));
    EXPECT_EQ(labelText(&view, "valueLabel"), "5.00 ms");
    EXPECT_EQ(labelText(&view, "titleLabel"), "Latency");
}

TEST(Version, IsGeneratedByTheBuild)
{
    EXPECT_EQ(NequoraUIVersionNumber, 1.0);
    const std::string text(reinterpret_cast<const char *>(NequoraUIVersionString));
    EXPECT_NE(text.find("PROJECT:NequoraUI-1"), std::string::npos) << text;
}
