#include "platform/NumberText.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using NequoraUI::platform::NumberText;

namespace {

// Runs a check with the process (and Qt) locale set to German, which writes 0,5
// for 0.5.
class DecimalCommaLocale : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/setup.sh "
                            "installs it)";
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
    const std::tuple<double, int, const char *> fixed[] = {
        {0.5, 2, "0.50"},      {-0.001, 2, "-0.00"},      {0.3333333, 2, "0.33"},
        {44100.4, 0, "44100"}, {1234567.0, 0, "1234567"}, {0.0001234 * 1000, 2, "0.12"}};
    for (const auto &[value, decimals, text] : fixed)
        EXPECT_EQ(NumberText::fixed(value, decimals), text);
    EXPECT_EQ(NumberText::longFloat(0.5), "0.500000");

    constexpr float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, const char *> floats[] = {
        {1.0f, "1.0"},       {0.1f, "0.1"},          {16777216.0f, "16777216.0"},
        {0.0001f, "0.0001"}, {0.000015f, "1.5e-05"}, {33554432.0f, "3.3554432e+07"},
        {-0.0f, "-0.0"},     {-2.5f, "-2.5"},        {inf, "inf"},
        {-inf, "-inf"},      {std::nanf(""), "nan"}};
    for (const auto &[value, text] : floats)
        EXPECT_EQ(NumberText::shortest(value), text);
    const std::pair<double, const char *> doubles[] = {
        {0.5, "0.5"},
        {0.0, "0.0"},
        {0.00001, "1e-05"},
        {0.8535533905932737, "0.8535533905932737"},
        {9007199254740992.0, "9007199254740992.0"},
        {18014398509481984.0, "1.8014398509481984e+16"},
        {1e300, "1e+300"}};
    for (const auto &[value, text] : doubles)
        EXPECT_EQ(NumberText::shortest(value), text);
}

} // namespace

TEST(NumberText, WritesPrintfAndShortestTexts)
{
    expectAllTexts();
    // Wide texts come whole, sign included: 309 integer digits, the point, 400
    // decimals.
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
