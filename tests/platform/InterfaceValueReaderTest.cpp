#include "platform/InterfaceValueReader.h"

#include <QMetaProperty>
#include <QRect>
#include <QSize>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using NequoraUI::platform::InterfaceValueReader;

namespace {

// Reads the value of one <property> element written out in full.
QVariant valueOf(const QString &element)
{
    const QString resource = QStringLiteral("Inline.ui");
    QXmlStreamReader xml(QStringLiteral("<property name=\"p\">%1</property>").arg(element));
    xml.readNextStartElement();
    return InterfaceValueReader(xml, resource).readValue(QMetaProperty());
}

} // namespace

// Sizes, rectangles and size policies read each child by its own name, in any order.
TEST(InterfaceValueReader, CompoundValuesTakeEachChildByName)
{
    EXPECT_EQ(valueOf("<size><height>4</height><width>3</width></size>").toSize(), QSize(3, 4));
    EXPECT_EQ(valueOf("<rect><width>5</width><y>2</y><x>1</x><height>6</height></rect>").toRect(),
              QRect(1, 2, 5, 6));
    const auto policy = valueOf("<sizepolicy hsizetype=\"Fixed\" vsizetype=\"Expanding\">"
                                "<verstretch>2</verstretch><horstretch>1</horstretch></sizepolicy>")
                            .value<QSizePolicy>();
    EXPECT_EQ(policy.horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(policy.verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(std::pair(policy.horizontalStretch(), policy.verticalStretch()), std::pair(1, 2));
}

TEST(InterfaceValueReaderDeathTest, UnknownKeysStopNamingTheResourceAndTheKey)
{
    EXPECT_DEATH(valueOf("<sizepolicy hsizetype=\"Roomy\" vsizetype=\"Fixed\"/>"),
                 "Inline.ui\": unknown size policy \"Roomy\"");
    EXPECT_DEATH(valueOf("<cursorShape>FingerCursor</cursorShape>"),
                 "Inline.ui\": unknown cursor shape \"FingerCursor\"");
    EXPECT_DEATH(valueOf("<color/>"), "unsupported property value <color> at line 1");
}
