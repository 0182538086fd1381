#include "MidiNoteName.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

namespace NequoraUI {

namespace {

constexpr std::array<const char *, 12> sharpNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                     "F#", "G",  "G#", "A",  "A#", "B"};
// Semitones above C of each letter, A to G.
constexpr std::array<int, 7> letterSemitones = {9, 11, 0, 2, 4, 5, 7};

} // namespace

QString MidiNoteName::text(double note)
{
    if (!std::isfinite(note))
        return QString();
    const long long whole = std::llround(std::clamp(note, -1e9, 1e9));
    // Floor division, so that notes below 0 still name the octave under C-1.
    const long long octave = (whole >= 0 ? whole / 12 : (whole - 11) / 12) - 1;
    const long long pitch = whole - (octave + 1) * 12;
    return QString::fromLatin1(sharpNames[size_t(pitch)]) + QString::number(octave);
}

std::optional<double> MidiNoteName::parse(const QString &text)
{
    static const QRegularExpression name(QStringLiteral(R"(^([A-Ga-g])([#b]?)(-?\d{1,2})$)"));
    const QString trimmed = text.trimmed();
    if (const auto match = name.match(trimmed); match.hasMatch()) {
        const int letter = match.captured(1).toUpper().at(0).unicode() - 'A';
        const QString accidental = match.captured(2);
        const int shift = accidental == QLatin1String("#") ? 1 : accidental.isEmpty() ? 0 : -1;
        return double((match.captured(3).toInt() + 1) * 12 + letterSemitones[size_t(letter)] +
                      shift);
    }
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?\d+$)"));
    if (number.match(trimmed).hasMatch())
        return trimmed.toDouble();
    return std::nullopt;
}

} // namespace NequoraUI
