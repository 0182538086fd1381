#pragma once

#include "NQStringParameter.h"

#include <string>

// The library only reads string parameters; the engine (or a test) changes them with assign().
class SimStringParameter : public NQStringParameter
{
public:
    SimStringParameter(std::string name, std::string value);

    std::string name() const override { return parameterName; }
    std::string value() const override { return current; }
    void assign(std::string value);

private:
    std::string parameterName;
    std::string current;
};
