#include "sim/SimBoolParameter.h"

#include <utility>

SimBoolParameter::SimBoolParameter(std::string name, bool value, SimParameterReporter reporter)
    : parameterName(std::move(name)), current(value), reporter(std::move(reporter))
{}

void SimBoolParameter::setValue(bool value)
{
    ++writes;
    lastWrite = value;
    current = value;
    reporter.report(parameterName, value);
}
