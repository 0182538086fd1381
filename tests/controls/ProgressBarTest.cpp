#include "platform/ProgressBar.h"

#include "platform/Color.h"

#include <QTest>
#include <gtest/gtest.h>

#include <limits>

using NequoraUI::platform::Color;
using NequoraUI::platform::ProgressBar;

// Fractions outside 0 ... 1 are pinned through ProgressView; non-finite ones here.
TEST(ProgressBar, PaintsTheFillInProportionAndPinsNonFiniteProgress)
{
    ProgressBar bar;
    bar.resize(200, bar.sizeHint().height());
    EXPECT_LE(bar.sizeHint().height(), 6);
    EXPECT_GE(bar.minimumSizeHint().height(), 2);
    bar.setProgress(0.25f);
    const int middle = bar.height() / 2;
    const QImage image = bar.grab().toImage();
    for (int x : {25, 45})
        EXPECT_EQ(image.pixelColor(x, middle), Color::systemBlue()) << x;
    for (int x : {56, 150})
        EXPECT_NE(image.pixelColor(x, middle), Color::systemBlue()) << x;
    EXPECT_EQ(image.pixelColor(150, middle), image.pixelColor(100, middle)) << "plain track";

    bar.setProgress(std::numeric_limits<float>::infinity());
    EXPECT_EQ(bar.progress(), 1.0f);
    bar.setProgress(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(bar.progress(), 0.0f);
    EXPECT_NE(bar.grab().toImage().pixelColor(25, middle), Color::systemBlue());
}
