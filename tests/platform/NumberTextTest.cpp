#include "platform/NumberText.h"

#include <QLocale>
#include <charconv>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>

using NequoraUI::platform::NumberText;

namespace {

// Reads a number whatever the locale.
template <typename T> T parsed(const char *text)
{
    T value{};
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

} // namespace

// Texts are the same under German, which writes 0,5 for 0.5.
TEST(NumberText, WritesPrintfAndShortestTextsWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char *missing = nullptr;
    for (const char *locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_ALL, locale)) {
            missing = locale;
            break;
        }
        QLocale::setDefault(QLocale(QLatin1String(locale)));
        // The locale must really apply, to the C library and to Qt.
        const char *point = locale[0] == 'C' ? "." : ",";
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
        EXPECT_EQ(buffer, "0" + std::string(point) + "5");
        EXPECT_EQ(QLocale().decimalPoint(), QLatin1String(point));

        const std::tuple<double, int, const char *> fixed[] = {
            {0.5, 2, "0.50"},      {-0.001, 2, "-0.00"},      {0.3333333, 2, "0.33"},
            {44100.4, 0, "44100"}, {1234567.0, 0, "1234567"}, {0.0001234 * 1000, 2, "0.12"},
            {2.5, -1, "2.500000"}}; // a negative width means six, as in printf
        for (const auto &[value, decimals, text] : fixed)
            EXPECT_EQ(NumberText::fixed(value, decimals), text);
        EXPECT_EQ(NumberText::longFloat(0.5), "0.500000");
        // Wide texts come whole, sign included: 309 integer digits, the point, 400 decimals.
        const std::string wide = NumberText::fixed(-1e308, 400);
        EXPECT_TRUE(wide.size() == 711 && wide.rfind("-1000", 0) == 0) << wide;

        // Shortest texts read back as the very value they were written from.
        for (const char *text : {"1.0", "0.1", "16777216.0", "0.0001", "1.5e-05", "3.3554432e+07",
                                 "-0.0", "-2.5", "inf", "-inf", "nan"})
            EXPECT_EQ(NumberText::shortest(parsed<float>(text)), text);
        for (const char *text : {"0.5", "0.0", "1e-05", "1e+300", "0.8535533905932737",
                                 "9007199254740992.0", "1.8014398509481984e+16"})
            EXPECT_EQ(NumberText::shortest(parsed<double>(text)), text);
    }
    std::setlocale(LC_ALL, previous.c_str());
    QLocale::setDefault(QLocale::c());
    if (missing)
        GTEST_SKIP() << missing << " is missing (scripts/setup.sh installs it)";
}
