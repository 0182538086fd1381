#pragma once

#include <string>

// One engine parameter; the concrete kinds below add the value and, for numbers, its range.
class NQParameter
{
public:
    virtual ~NQParameter() = default;
    virtual std::string name() const = 0;
};
