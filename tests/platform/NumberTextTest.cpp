#include "platform/NumberText.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using NequoraUI::platform::NumberText;

namespace {

// Runs a check with the process (and Qt) locale set to German, which writes 0,5 for 0.5.
class DecimalCommaLocale : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/setup.sh installs it)";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, previous.c_str());
        QLocale::setDefault(QLocale::c());
    }
    std::string previous;
};

void expectAllTexts()
{
    EXPECT_EQ(NumberText::fixed(0.5, 2), "0.50");
    EXPECT_EQ(NumberText::fixed(1, 2), "1.00");
    EXPECT_EQ(NumberText::fixed(440, 2), "440.00");
    EXPECT_EQ(NumberText::fixed(-0.001, 2), "-0.00");
    EXPECT_EQ(NumberText::fixed(0.3333333, 2), "0.33");
    EXPECT_EQ(NumberText::fixed(48000, 0), "48000");
    EXPECT_EQ(NumberText::fixed(44100.4, 0), "44100");
    EXPECT_EQ(NumberText::fixed(1234567.0, 0), "1234567");
    EXPECT_EQ(NumberText::fixed(0.0001234 * 1000, 2), "0.12");
    EXPECT_EQ(NumberText::longFloat(0.5), "0.500000");

    EXPECT_EQ(NumberText::shortest(1.0f), "1.0");
    EXPECT_EQ(NumberText::shortest(440.0f), "440.0");
    EXPECT_EQ(NumberText::shortest(0.5f), "0.5");
    EXPECT_EQ(NumberText::shortest(0.1f), "0.1");
    EXPECT_EQ(NumberText::shortest(2.0f), "2.0");
    EXPECT_EQ(NumberText::shortest(5.0f), "5.0");
    EXPECT_EQ(NumberText::shortest(16777216.0f), "16777216.0");
    EXPECT_EQ(NumberText::shortest(0.0001f), "0.0001");
    EXPECT_EQ(NumberText::shortest(0.00001f), "1e-05");
    EXPECT_EQ(NumberText::shortest(0.000015f), "1.5e-05");
    EXPECT_EQ(NumberText::shortest(33554432.0f), "3.3554432e+07");
    EXPECT_EQ(NumberText::shortest(0.0f), "0.0");
    EXPECT_EQ(NumberText::shortest(-0.0f), "-0.0");
    EXPECT_EQ(NumberText::shortest(-2.5f), "-2.5");
    EXPECT_EQ(NumberText::shortest(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(NumberText::shortest(-std::numeric_limits<float>::infinity()), "-inf");
    EXPECT_EQ(NumberText::shortest(std::nanf("")), "nan");

    EXPECT_EQ(NumberText::shortest(0.5), "0.5");
    EXPECT_EQ(NumberText::shortest(1.0), "1.0");
    EXPECT_EQ(NumberText::shortest(0.1), "0.1");
    EXPECT_EQ(NumberText::shortest(0.0), "0.0");
    EXPECT_EQ(NumberText::shortest(0.00001), "1e-05");
    EXPECT_EQ(NumberText::shortest(0.8535533905932737), "0.8535533905932737");
    EXPECT_EQ(NumberText::shortest(9007199254740992.0), "9007199254740992.0");
    EXPECT_EQ(NumberText::shortest(18014398509481984.0), "1.8014398509481984e+16");
    EXPECT_EQ(NumberText::shortest(1e300), "1e+300");
}

} // namespace

TEST(NumberText, WritesPrintfAndShortestTexts)
{
    expectAllTexts();
    // Wide texts come whole, sign included: 309 integer digits, the point, 400 decimals.
    const std::string wide = NumberText::fixed(-1e308, 400);
    EXPECT_TRUE(wide.size() == 711 && wide.rfind("-1000", 0) == 0) << wide;
    EXPECT_EQ(NumberText::fixed(2.5, -1), "2.500000") << "a negative width means six, as in printf";
}

TEST_F(DecimalCommaLocale, LeavesEveryTextUnchanged)
{
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_STREQ(buffer, "0,5") << "the locale must really write a decimal comma";
    expectAllTexts();
}
