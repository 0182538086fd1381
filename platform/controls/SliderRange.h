#pragma once

namespace NequoraUI::platform {

// The range a Slider's value lives in and the step it snaps to, with the arithmetic on values
// that needs no widget: pinning, snapping, fractions of the range and key steps. The minimum
// never exceeds the maximum and both stay finite, so the width, taken in double, is finite too.
class SliderRange
{
public:
    float minimum() const { return m_minimum; }
    float maximum() const { return m_maximum; }
    // A minimum above the maximum drags the maximum up with it; infinities become the largest
    // finite float. NaN is ignored: false, and nothing changes.
    bool setMinimum(float minimum);
    // A maximum below the minimum drags the minimum down with it; as setMinimum() otherwise.
    bool setMaximum(float maximum);

    // Zero means no step; zero, negative or non-finite steps clear it.
    float step() const { return m_step; }
    void setStep(float step);

    // Pinned to the range and, with a step, snapped onto minimum + k * step; the ends stay
    // reachable even when the maximum is off the grid. NaN gives the minimum.
    float constrained(double value) const;
    // Where a value (pinned first) sits, from 0 at the minimum to 1 at the maximum; 0 for an
    // empty range.
    double fractionOf(float value) const;
    // The constrained value at a fraction (0 to 1) of the way from the minimum.
    float valueAtFraction(double fraction) const;
    // The change a fraction of the range makes; with a step, whole steps and at least one, so
    // that a key or a wheel notch always moves a stepped slider.
    double stepFor(double fractionOfRange) const;
    double width() const { return double(m_maximum) - double(m_minimum); }

private:
    float m_minimum = 0.0f;
    float m_maximum = 1.0f;
    float m_step = 0.0f;
};

} // namespace NequoraUI::platform
