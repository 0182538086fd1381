#pragma once

#include "NQParameter.h"

class NQFloatParameter : public NQParameter
{
public:
    virtual float value() const = 0;
    virtual float minimumValue() const = 0;
    virtual float maximumValue() const = 0;
    virtual void setValue(float value) = 0;
};
