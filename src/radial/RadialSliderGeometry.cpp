#include "RadialSliderGeometry.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace NequoraUI {

namespace {

// Direction (cosine, sine) and max-norm radius of a centred square point.
struct SquarePolar
{
    double c = 1.0;
    double s = 0.0;
    double r = 0.0;
};

// 1/|v|, with a zero giving positive infinity rather than relying on the division.
double reciprocalMagnitude(double v)
{
    return v == 0.0 ? std::numeric_limits<double>::infinity() : 1.0 / std::fabs(v);
}

SquarePolar squarePolar(double x, double y)
{
    const double length = std::sqrt(x * x + y * y);
    const double angle = std::atan2(y, x);
    SquarePolar polar;
    polar.s = std::sin(angle);
    polar.c = std::cos(angle);
    const double a = reciprocalMagnitude(polar.s);
    const double b = reciprocalMagnitude(polar.c);
    // A tie, or a comparison involving NaN, takes b.
    const double m = a < b ? a : b;
    polar.r = length / m;
    return polar;
}

} // namespace

bool RadialSliderGeometry::isUsable() const
{
    return std::isfinite(m_size) && m_size > 0.0;
}

RadialSliderGeometry::Point RadialSliderGeometry::mapSquareToDisc(Point normalised)
{
    const double x = (normalised.x - 0.5) + (normalised.x - 0.5);
    const double y = (normalised.y - 0.5) + (normalised.y - 0.5);
    const SquarePolar polar = squarePolar(x, y);
    return {(polar.c * polar.r + 1.0) * 0.5, (polar.s * polar.r + 1.0) * 0.5};
}

RadialSliderGeometry::Point RadialSliderGeometry::dragPosition(Point padLocation) const
{
    const double h = m_size * 0.5;
    const double d = std::sqrt((h - padLocation.x) * (h - padLocation.x) +
                               (h - padLocation.y) * (h - padLocation.y));
    const double rho = h < d ? h : d;
    const double angle = std::atan2(padLocation.y - h, padLocation.x - h);
    return {(h + std::cos(angle) * rho) / m_size, 1.0 - (h + std::sin(angle) * rho) / m_size};
}

RadialSliderGeometry::Point RadialSliderGeometry::knobCentre(Point position) const
{
    return {m_size * position.x, m_size * (1.0 - position.y)};
}

bool RadialSliderGeometry::knobContains(Point position, Point padLocation) const
{
    if (!(m_knobSize > 0.0))
        return false;
    const Point centre = knobCentre(position);
    const double reach = m_knobSize * 0.5 + ringLineWidth * 0.5;
    const double dx = padLocation.x - centre.x;
    const double dy = padLocation.y - centre.y;
    return dx * dx + dy * dy <= reach * reach;
}

double RadialSliderGeometry::dotDiameter() const
{
    return std::min(m_size, dotScale * m_knobSize);
}

RadialSliderGeometry::Rect RadialSliderGeometry::ringStrokeRect(double diameter) const
{
    const double inset = ringLineWidth * 0.5;
    const double centre = m_size * 0.5;
    const double radius = std::max(0.0, diameter * 0.5 - inset);
    return {centre - radius, centre - radius, radius * 2.0, radius * 2.0};
}

RadialSliderGeometry::Point RadialSliderGeometry::gridImage(double centredX, double centredY,
                                                            double width, double height)
{
    const SquarePolar polar = squarePolar(centredX, centredY);
    return {width * (polar.c * polar.r + 1.0) * 0.5,
            height * ((polar.s * polar.r + 1.0) * (-0.5) + 1.0)};
}

std::vector<RadialSliderGeometry::Point> RadialSliderGeometry::gridPoints(double width,
                                                                          double height)
{
    std::vector<Point> points;
    points.reserve(gridCurveCount * gridPointsPerCurve);
    for (int u = 0; u < gridCurveCount; ++u) {
        const double fraction = u / 10.0;
        const double x = (fraction - 0.5) + (fraction - 0.5);
        points.push_back(gridImage(x, -1.0, width, height));
        for (int i = 1; i < gridPointsPerCurve; ++i) {
            const double step = i / 100.0;
            points.push_back(gridImage(x, (step - 0.5) + (step - 0.5), width, height));
        }
    }
    return points;
}

RadialSliderGeometry::Composition
RadialSliderGeometry::composition(bool withReadout, double readoutWidth, double readoutHeight) const
{
    Composition result;
    if (!withReadout) {
        result.pad = {0.0, 0.0, m_size, m_size};
        return result;
    }
    const double stackHeight = readoutHeight + readoutSpacing + m_size;
    const double top = (m_size - stackHeight) * 0.5;
    result.readout = {(m_size - readoutWidth) * 0.5, top, readoutWidth, readoutHeight};
    result.pad = {0.0, top + readoutHeight + readoutSpacing, m_size, m_size};
    return result;
}

std::string RadialSliderGeometry::debugLine(Point position)
{
    return "[NQRadialSliderControl] New (X,Y) position: (" +
           platform::NumberText::shortest(position.x) + ", " +
           platform::NumberText::shortest(position.y) + ")";
}

std::string RadialSliderGeometry::readoutText(std::string_view format, double value)
{
    std::string text(format);
    const auto at = text.find("%lf");
    if (at != std::string::npos)
        text.replace(at, 3, platform::NumberText::longFloat(value));
    return text;
}

} // namespace NequoraUI
