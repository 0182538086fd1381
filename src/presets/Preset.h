#pragma once

#include "ParameterKey.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace NequoraUI {

// A controller bound to a parameter: controller events on this channel and controller number
// move it. Channels are 0 to 15, controllers 0 to 127.
struct ControllerBinding
{
    int channel = 0;
    int controller = 0;
    ParameterKey key;

    friend bool operator==(const ControllerBinding &, const ControllerBinding &) = default;
    // "CC 74", or "CC 74 (ch 2)" away from the first channel, as a row shows it.
    QString text() const;
};

// A snapshot of a screen's settings: parameter values (a double for numbers, a bool, a QString)
// keyed by node and parameter, and the controller bindings.
struct Preset
{
    QString name;
    std::vector<std::pair<ParameterKey, QVariant>> values;
    std::vector<ControllerBinding> controllers;
};

} // namespace NequoraUI
