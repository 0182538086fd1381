#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace NequoraUI::platform {

namespace {

// Shortest round-trip digits and the decimal exponent of the first digit.
struct ShortestDigits
{
    std::string digits;
    int exponent = 0;
};

template <typename T> ShortestDigits shortestDigits(T magnitude)
{
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific);
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    ShortestDigits out;
    for (char c : text.substr(0, e))
        if (c != '.')
            out.digits.push_back(c);
    out.exponent = std::atoi(text.c_str() + e + 1);
    return out;
}

std::string decimalNotation(const ShortestDigits &d)
{
    const int integerDigits = d.exponent + 1;
    if (integerDigits <= 0)
        return "0." + std::string(static_cast<size_t>(-integerDigits), '0') + d.digits;
    std::string integerPart = d.digits.substr(0, static_cast<size_t>(integerDigits));
    integerPart.append(static_cast<size_t>(integerDigits) - integerPart.size(), '0');
    const std::string fraction = static_cast<size_t>(integerDigits) < d.digits.size()
                                     ? d.digits.substr(static_cast<size_t>(integerDigits))
                                     : "0";
    return integerPart + "." + fraction;
}

std::string exponentNotation(const ShortestDigits &d)
{
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        out += "." + d.digits.substr(1);
    out += d.exponent < 0 ? "e-" : "e+";
    const std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2)
        out += '0';
    return out + exponent;
}

template <typename T> std::string shortestText(T value, T largestDecimal)
{
    if (std::isnan(value))
        return "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    const T magnitude = std::fabs(value);
    if (std::isinf(magnitude))
        return sign + "inf";
    if (magnitude == 0)
        return sign + "0.0";
    const ShortestDigits digits = shortestDigits(magnitude);
    const bool decimal = digits.exponent >= -4 && magnitude <= largestDecimal;
    return sign + (decimal ? decimalNotation(digits) : exponentNotation(digits));
}

} // namespace

std::string NumberText::fixed(double value, int decimals)
{
    // Like printf, a negative precision means six decimals.
    if (decimals < 0)
        decimals = 6;
    // Room for the sign, every integer digit of the largest double, the point and the decimals,
    // so the conversion always fits and no text is cut.
    const size_t size = 2 + std::numeric_limits<double>::max_exponent10 + 2 + size_t(decimals);
    std::string text(size, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(size_t(result.ptr - text.data()));
    return text;
}

std::string NumberText::shortest(float value)
{
    return shortestText(value, 16777216.0f);
}

std::string NumberText::shortest(double value)
{
    return shortestText(value, 9007199254740992.0);
}

} // namespace NequoraUI::platform
