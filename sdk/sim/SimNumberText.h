#pragma once

#include <cstdint>
#include <string>

// Locale-independent number texts for logs and error messages (shortest round-trip digits).
class SimNumberText
{
public:
    static std::string of(double value);
    static std::string of(float value);
    static std::string of(int64_t value);
    static std::string of(uint64_t value);
    static std::string of(int32_t value) { return of(static_cast<int64_t>(value)); }
    static std::string of(uint32_t value) { return of(static_cast<uint64_t>(value)); }
    static std::string of(bool value) { return value ? "true" : "false"; }
};
