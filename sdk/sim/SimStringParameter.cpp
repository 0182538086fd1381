#include "sim/SimStringParameter.h"

#include <utility>

SimStringParameter::SimStringParameter(std::string name, std::string value)
    : parameterName(std::move(name)), current(std::move(value))
{}

void SimStringParameter::assign(std::string value)
{
    current = std::move(value);
}
