#include "platform/NumberText.h"

#include <QLocale>
#include <charconv>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>

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
            GTEST_SKIP() << "locale de_DE.UTF-8 missing (scripts/setup.sh installs it)";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, previous.c_str());
        QLocale::setDefault(QLocale::c());
    }
    std::string previous;
};

// Reads a number whatever the locale.
template <typename T> T parsed(const char *text)
{
    T value{};
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

void expectAllTexts()
{
    const std::tuple<double, int, const char *> fixed[] = {
        {0.5, 2, "0.50"},      {-0.001, 2, "-0.00"},      {0.3333333, 2, "0.33"},
        {44100.4, 0, "44100"}, {1234567.0, 0, "1234567"}, {0.0001234 * 1000, 2, "0.12"}};
    for (const auto &[value, decimals, text] : fixed)
        EXPECT_EQ(NumberText::fixed(value, decimals), text);
    EXPECT_EQ(NumberText::longFloat(0.5), "0.500000");

    // Shortest texts read back as the very value they were written from.
    for (const char *text : {"1.0", "0.1", "16777216.0", "0.0001", "1.5e-05", "3.3554432e+07",
                             "-0.0", "-2.5", "inf", "-inf", "nan"})
        EXPECT_EQ(NumberText::shortest(parsed<float>(text)), text);
    for (const char *text : {"0.5", "0.0", "1e-05", "1e+300", "0.8535533905932737",
                             "9007199254740992.0", "1.8014398509481984e+16"})
        EXPECT_EQ(NumberText::shortest(parsed<double>(text)), text);
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
