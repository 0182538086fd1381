#pragma once

#include "NQParameter.h"

#include <cstdint>

class NQUIntParameter : public NQParameter
{
public:
    virtual uint32_t value() const = 0;
    virtual uint32_t minimumValue() const = 0;
    virtual uint32_t maximumValue() const = 0;
    virtual void setValue(uint32_t value) = 0;
};
