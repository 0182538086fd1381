#pragma once

#include <QString>
#include <optional>

namespace NequoraUI {

// Note numbers as musicians write them: 60 is "C4", 61 "C#4", 0 "C-1", 127 "G9".
class MidiNoteName
{
public:
    MidiNoteName() = delete;

    // The name of the nearest whole note.
    static QString text(double note);
    // A name ("C4", "f#5", "Db3", "C-1") or a plain note number ("60"); none for anything else.
    static std::optional<double> parse(const QString &text);
};

} // namespace NequoraUI
