#pragma once

#include "NQParameter.h"

#include <cstdint>

class NQIntParameter : public NQParameter
{
public:
    virtual int32_t value() const = 0;
    virtual int32_t minimumValue() const = 0;
    virtual int32_t maximumValue() const = 0;
    virtual void setValue(int32_t value) = 0;
};
