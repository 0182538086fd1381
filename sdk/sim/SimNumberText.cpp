#include "sim/SimNumberText.h"

#include <array>
#include <charconv>

namespace {

template <typename T> std::string toChars(T value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string SimNumberText::of(double value)
{
    return toChars(value);
}

std::string SimNumberText::of(float value)
{
    return toChars(value);
}

std::string SimNumberText::of(int64_t value)
{
    return toChars(value);
}

std::string SimNumberText::of(uint64_t value)
{
    return toChars(value);
}
