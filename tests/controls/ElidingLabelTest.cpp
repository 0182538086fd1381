#include "platform/ElidingLabel.h"

#include <cmath>
#include <gtest/gtest.h>

using NequoraUI::platform::ElidingLabel;

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
