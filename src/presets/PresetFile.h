#pragma once

#include "Preset.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace NequoraUI {

// A preset as a person can read it: a JSON object with a format name and version, the preset's
// name, values grouped by node, and controller bindings.
//   {"format": "NequoraUI preset", "version": 1, "name": "Warm",
//    "values": {"Filter": {"Cutoff": 1200, "Bypass": false}},
//    "controllers": [{"channel": 0, "controller": 74, "node": "Filter", "parameter": "Cutoff"}]}
class PresetFile
{
public:
    PresetFile() = delete;

    static constexpr int version = 1;

    static QByteArray toJson(const Preset &preset);
    // None for text that is not a preset of a version this reads; error then says why.
    static std::optional<Preset> fromJson(const QByteArray &json, QString *error);
    // A file name that any file system takes, the same for the same preset name, differing
    // for names that differ: the name's safe characters and a short hash of the whole name.
    static QString fileNameFor(const QString &presetName);
};

} // namespace NequoraUI
