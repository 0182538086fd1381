#pragma once

#include "ParameterPresentation.h"

#include <QString>
#include <optional>

namespace NequoraUI {

// The arithmetic behind a presented parameter: engine value <-> track proportion through the
// scale, and engine value <-> text through the unit and transform. Values handed out are always
// engine values, pinned to the range and snapped to the step.
class ParameterMapping
{
public:
    ParameterMapping(double minimum, double maximum, ParameterPresentation presentation);

    // The skew that puts centre at the middle of the track.
    static double skewForCentre(double minimum, double maximum, double centre);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    const ParameterPresentation &presentation() const { return m_presentation; }
    // The scale in effect: a logarithmic or skewed scale that cannot work falls back to linear.
    ParameterPresentation::Scale scale() const { return m_scale; }

    // Where a value sits on the track, 0 to 1.
    double proportionOf(double value) const;
    // The engine value at a track proportion.
    double valueAt(double proportion) const;
    // Pinned to the range and snapped to the step.
    double snapped(double value) const;

    // The choice label for a value that has one, otherwise number and unit ("-12.0 dB").
    QString text(double value) const;
    // The engine value for typed text: a choice label, or a number with or without the shown
    // unit ("1.2 kHz", "-6 dB", "250"). None for text that is neither.
    std::optional<double> parse(const QString &text) const;
    // Index of the choice with this value, or -1.
    int choiceIndex(double value) const;

private:
    QString numberText(double shown, double factor) const;
    static QString withUnit(const QString &number, const QString &unit);

    double m_minimum;
    double m_maximum;
    ParameterPresentation m_presentation;
    ParameterPresentation::Scale m_scale;
};

} // namespace NequoraUI
