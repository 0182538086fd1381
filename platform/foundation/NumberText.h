#pragma once

#include <string>

namespace NequoraUI::platform {

// Number texts that never depend on the process locale: a full stop as decimal point and
// no grouping, whatever the user's settings.
class NumberText
{
public:
    NumberText() = delete;

    // printf-style fixed notation ("%.2f" is fixed(value, 2), "%.0f" is fixed(value, 0)), whole
    // for any value and width; a negative width means six decimals, as in printf.
    static std::string fixed(double value, int decimals);
    // printf "%lf": fixed notation with six decimals.
    static std::string longFloat(double value) { return fixed(value, 6); }

    // The shortest text that reads back as the same float: 1.0, 0.1, 1e-05, 3.3554432e+07,
    // -0.0, inf, nan. Decimal notation from 0.0001 up to 2^24, exponent notation elsewhere.
    static std::string shortest(float value);
    // The same for doubles, with decimal notation from 0.0001 up to 2^53.
    static std::string shortest(double value);
};

} // namespace NequoraUI::platform
