#pragma once

#include "NQBoolParameter.h"
#include "sim/SimParameterReporter.h"

#include <optional>
#include <string>

class SimBoolParameter : public NQBoolParameter
{
public:
    SimBoolParameter(std::string name, bool value, SimParameterReporter reporter = {});

    std::string name() const override { return parameterName; }
    bool value() const override { return current; }
    void setValue(bool value) override;

    int writeCount() const { return writes; }
    std::optional<bool> lastWrittenValue() const { return lastWrite; }

private:
    std::string parameterName;
    bool current;
    SimParameterReporter reporter;
    int writes = 0;
    std::optional<bool> lastWrite;
};
