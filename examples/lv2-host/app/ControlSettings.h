#pragma once

#include <string>

class Lv2Rack;

// The --set SYMBOL=VALUE and --preset URI options: written into the rack through the
// parameters before anything runs.
class ControlSettings
{
public:
    ControlSettings() = delete;

    // Sets the control input with that symbol on the first plugin in the chain that has one.
    // Throws std::runtime_error naming the symbol when the text is not SYMBOL=NUMBER, no plugin
    // has such an input, or the number lies outside the port's range.
    static void apply(const Lv2Rack &rack, const std::string &assignment);
    // Loads a factory preset of whichever plugin in the chain it belongs to (values and state).
    // Throws std::runtime_error naming the URI when none has it.
    static void applyPreset(Lv2Rack &rack, const std::string &presetUri);
};
