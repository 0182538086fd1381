#pragma once

#include "NQParameter.h"

class NQBoolParameter : public NQParameter
{
public:
    virtual bool value() const = 0;
    virtual void setValue(bool value) = 0;
};
