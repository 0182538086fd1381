#include "SliderRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace NequoraUI::platform {

namespace {

// Bounds stay finite so that the range width, computed in double, is always finite too.
float finiteBound(float bound)
{
    constexpr float largest = std::numeric_limits<float>::max();
    return std::clamp(bound, -largest, largest);
}

float pinned(double value, float minimum, float maximum)
{
    if (std::isnan(value))
        return minimum;
    return static_cast<float>(std::clamp(value, double(minimum), double(maximum)));
}

} // namespace

bool SliderRange::setMinimum(float minimum)
{
    if (std::isnan(minimum))
        return false;
    m_minimum = finiteBound(minimum);
    m_maximum = std::max(m_maximum, m_minimum);
    return true;
}

bool SliderRange::setMaximum(float maximum)
{
    if (std::isnan(maximum))
        return false;
    m_maximum = finiteBound(maximum);
    m_minimum = std::min(m_minimum, m_maximum);
    return true;
}

void SliderRange::setStep(float step)
{
    m_step = step > 0.0f && std::isfinite(step) ? step : 0.0f;
}

float SliderRange::constrained(double value) const
{
    if (m_step <= 0.0f || std::isnan(value) || value <= m_minimum || value >= m_maximum)
        return pinned(value, m_minimum, m_maximum);
    const double steps = std::round((value - m_minimum) / m_step);
    return pinned(m_minimum + steps * m_step, m_minimum, m_maximum);
}

double SliderRange::fractionOf(float value) const
{
    const double range = width();
    if (range <= 0.0)
        return 0.0;
    const double fraction = (double(pinned(value, m_minimum, m_maximum)) - m_minimum) / range;
    return std::clamp(fraction, 0.0, 1.0);
}

float SliderRange::valueAtFraction(double fraction) const
{
    return constrained(double(m_minimum) + fraction * width());
}

double SliderRange::stepFor(double fractionOfRange) const
{
    const double free = width() * fractionOfRange;
    if (m_step <= 0.0f)
        return free;
    return std::max(1.0, std::round(free / m_step)) * m_step;
}

} // namespace NequoraUI::platform
