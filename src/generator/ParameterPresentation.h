#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class NQParameter;

namespace NequoraUI {

// How a host wants one parameter shown, beyond what the engine interface says about it. A
// default-constructed value changes nothing: the parameter is shown as it would be without one.
struct ParameterPresentation
{
    enum class Scale
    {
        Linear,
        // min * pow(max / min, p) at track proportion p. Needs a minimum above 0; any other
        // range is shown linear.
        Logarithmic,
        // p = pow((v - min) / (max - min), skew); a skew below 1 widens the low end.
        Skewed,
    };
    enum class Transform
    {
        None,
        // The engine value is a linear gain, shown (and typed) as 20 * log10(gain) in dB.
        Decibels,
    };
    struct Choice
    {
        double value = 0;
        QString label;
    };

    // Every member has an initialiser, so a host names only what it changes ({.unit = "Hz"})
    // without missing-initialiser warnings.
    Scale scale = Scale::Linear;
    double skew = 1.0;
    // Shown after the number; "Hz" and "s" get a kHz or ms prefix where it reads better.
    // midiNoteUnit shows note numbers as names ("C4" is 60, "F#5" is 78) and reads them typed.
    QString unit{};
    Transform transform = Transform::None;
    // Decimals of the shown number; negative shows three significant digits (or follows step).
    int decimals = -1;
    // Written values are minimum + n * step; 0 writes any value.
    double step = 0;
    // Named values: the user sees the labels, the engine gets the values.
    QList<Choice> choices{};
    // Shown as a value row that follows the engine, never written.
    bool readOnly = false;
    // Parameters of one node sharing a group are shown in a titled sub-section.
    QString group{};
    // What the parameter does, in a sentence: the row's tooltip and accessible description.
    QString description{};
    // Where a reset takes the parameter; without one, the value the screen was built with.
    std::optional<double> defaultValue{};

    static inline const QString midiNoteUnit = QStringLiteral("midiNote");
    // Not for the user (a plugin's internal state, a notification port): no row, and never a
    // filter match.
    bool hidden = false;
};

// Asked once per parameter while a screen is built; no value means no presentation.
using ParameterPresentationProvider =
    std::function<std::optional<ParameterPresentation>(const NQParameter &)>;

} // namespace NequoraUI
