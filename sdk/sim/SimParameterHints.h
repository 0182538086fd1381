#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// How a host would like a parameter shown, kept beside the simulated graph (the engine
// interface has no place for it). See GRAPH_FORMAT.md for what each field means.
struct SimParameterHints
{
    enum class Scale
    {
        Linear,
        Logarithmic,
        Skewed
    };

    Scale scale = Scale::Linear;
    double skew = 1.0;
    std::string unit;
    // The value is a linear gain shown in decibels.
    bool decibels = false;
    std::optional<int> decimals;
    double step = 0;
    // value, label
    std::vector<std::pair<double, std::string>> choices;
    bool readOnly = false;
    std::string group;
    // What the parameter does, in a sentence.
    std::string description;
    // Where a reset takes it; the value it starts with when absent.
    std::optional<double> defaultValue;
    // Not for the user: the parameter gets no row.
    bool hidden = false;
};
