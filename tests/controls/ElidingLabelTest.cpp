#include "platform/ElidingLabel.h"
#include "platform/LineMeasures.h"

#include <QFontMetrics>
#include <QPixmap>
#include <cmath>
#include <gtest/gtest.h>

using NequoraUI::platform::ElidingLabel;
using NequoraUI::platform::LineMeasures;

// The bounds are measured with the mnemonics hidden, the advance with every character: a label
// whose bounds are known and fit is still cut where the text it draws would not fit.
TEST(ElidingLabel, ATextWithMnemonicsIsCutByItsAdvanceEvenWhereItsBoundsFit)
{
    ElidingLabel label;
    label.setText(QStringLiteral("&&&&&&&&&&&&&&&&&&&&"));
    const int boundsWidth = label.sizeHint().width();
    const int advance = int(label.textAdvance());
    ASSERT_LT(boundsWidth, advance - 1);
    label.resize(advance - 1, label.sizeHint().height());
    EXPECT_NE(label.shownText(), label.text());
    label.resize(int(std::ceil(label.textAdvance())), label.sizeHint().height());
    EXPECT_EQ(label.shownText(), label.text());
}

namespace {

// Digits, units, accented, Cyrillic and CJK text, ligatures, spaces, tabs and a long title.
QStringList variedTexts()
{
    return QString::fromUtf8("|0|0.50|-12.0 dB|1.2 kHz|100 %|-∞ dB|Crème brûlée|Ærøskøbing ß|"
                             "e\u0301tude|Привет|音量|Gain 音量|Shelf|Cutoff|Off| Lead|Trail |a\tb|"
                             "A&B|a\u2028b|A long title for a parameter that goes on past any "
                             "row's width, with numbers 1234567890")
        .split(QLatin1Char('|'));
}

QList<QFont> variedFonts(const QFont &labelFont)
{
    QFont bold = labelFont;
    bold.setBold(true);
    bold.setPointSizeF(labelFont.pointSizeF() * 1.7);
    QFont italic = labelFont;
    italic.setItalic(true);
    return {labelFont, bold, italic};
}

} // namespace

// The size hint is measured from the font alone where it can be; it must be the size a layout
// of the text has, in every font, for a label that measured the text before in another font and
// for one that finds it measured by another label.
TEST(ElidingLabel, APlainLineAsksForTheSizeItsTextLaysOutTo)
{
    ElidingLabel reused;
    constexpr int flags =
        Qt::AlignLeft | Qt::AlignAbsolute | Qt::TextExpandTabs | Qt::TextHideMnemonic;
    for (const QFont &font : variedFonts(reused.font())) {
        reused.setFont(font);
        for (const QString &text : variedTexts()) {
            const QSize laidOut =
                QFontMetrics(font).boundingRect(0, 0, 2000, 2000, flags, text).size();
            reused.setText(text);
            EXPECT_EQ(reused.sizeHint(), laidOut) << text.toStdString();
            ElidingLabel fresh;
            fresh.setFont(font);
            fresh.setText(text);
            EXPECT_EQ(fresh.sizeHint(), laidOut) << text.toStdString();
        }
    }
}

// QLabel shows a pixmap in place of the text and a text in place of the pixmap.
TEST(ElidingLabel, APixmapInPlaceOfTheTextIsSizedAsQLabelSizesIt)
{
    QPixmap pixmap(40, 30);
    pixmap.fill(Qt::red);
    ElidingLabel label;
    label.setText(QStringLiteral("Gain"));
    label.setPixmap(pixmap);
    EXPECT_EQ(label.sizeHint(), pixmap.size());
    label.setText(QStringLiteral("Gain"));
    ElidingLabel text;
    text.setText(QStringLiteral("Gain"));
    EXPECT_EQ(label.sizeHint(), text.sizeHint());
}

TEST(ElidingLabel, ReadingsAndTitlesAreMeasuredFromTheFontAlone)
{
    const QFont font = ElidingLabel().font();
    for (const char *text : {"0.50", "-12.0 dB", "1.2 kHz", "Crème brûlée", "Shelf", ""})
        EXPECT_TRUE(LineMeasures::measuredByFont(font, QString::fromUtf8(text))) << text;
    for (const char *text : {"A&B", "a\tb", "Cutoff", "e\u0301tude", "音量"})
        EXPECT_FALSE(LineMeasures::measuredByFont(font, QString::fromUtf8(text))) << text;
}
