#pragma once

#include <cstdint>
#include <string>
#include <variant>

// One write into a parameter, as reported to the engine's observer.
struct SimParameterWrite
{
    std::string nodeName;
    std::string parameterName;
    // The value as passed in, before it was pinned to the parameter's range.
    std::variant<bool, float, int32_t, uint32_t> value;
    // The same value as text, for logs.
    std::string valueText;
};
