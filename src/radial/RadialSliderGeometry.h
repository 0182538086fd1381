#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace NequoraUI {

// The arithmetic behind the radial pad, free of any toolkit so it can be tested alone.
//
// Spaces: pad space is in points with the origin at the pad's top-left corner and y downward;
// normalised space is the unit square with the origin at the pad's bottom-left corner and y
// upward. The travel disc is the disc of radius 0.5 around (0.5, 0.5) in normalised space.
class RadialSliderGeometry
{
public:
    struct Point
    {
        double x = 0.0;
        double y = 0.0;
        // Exact comparison: a position that moved by one ulp is a change worth reporting.
        friend bool operator==(const Point &, const Point &) = default;
    };

    struct Rect
    {
        double x = 0.0;
        double y = 0.0;
        double width = 0.0;
        double height = 0.0;
    };

    // Where the debug readout and the pad sit inside the size x size frame, relative to the
    // frame's top-left corner. Both are centred horizontally and, stacked, vertically: with the
    // readout shown they overflow the frame above and below.
    struct Composition
    {
        Rect readout;
        Rect pad;
    };

    static constexpr int gridCurveCount = 11;
    static constexpr int gridPointsPerCurve = 101;
    static constexpr double innerRingScale = 0.9;
    static constexpr double blurDiscScale = 0.89;
    static constexpr double dotScale = 0.7;
    static constexpr double ringLineWidth = 1.0;
    static constexpr double ringDashOn = 10.0;
    static constexpr double ringDashOff = 6.0;
    static constexpr double ringMiterLimit = 10.0;
    static constexpr double gridOpacity = 0.5;
    static constexpr double blurOpacity = 0.9;
    static constexpr double blurRadius = 10.0;
    static constexpr double readoutPadding = 30.0;
    static constexpr double readoutSpacing = 8.0;
    static constexpr std::string_view xReadoutKey = "X pos: %lf";
    static constexpr std::string_view yReadoutKey = "Y pos: %lf";

    RadialSliderGeometry(double size, double knobSize) : m_size(size), m_knobSize(knobSize) {}

    double size() const { return m_size; }
    double knobSize() const { return m_knobSize; }

    // A pad without a positive, finite side has no area to draw or drag in.
    bool isUsable() const;

    // Keeps a point's direction from the centre and turns its max-norm distance into its
    // Euclidean distance: the unit square's boundary lands on the travel circle. Not clamped.
    static Point mapSquareToDisc(Point normalised);

    // The normalised position for a drag location in pad space, clamped to the travel circle.
    // Only meaningful for a usable pad.
    Point dragPosition(Point padLocation) const;

    // The knob's centre in pad space for a normalised position.
    Point knobCentre(Point position) const;
    // Whether a pad-space location touches the knob drawn for a position (its 1-point outline
    // straddles the edge, so half of it counts too).
    bool knobContains(Point position, Point padLocation) const;

    double outerRingDiameter() const { return m_size; }
    double innerRingDiameter() const { return innerRingScale * m_size; }
    double blurDiscDiameter() const { return blurDiscScale * m_size; }
    double dotDiameter() const;
    // The box a ring's stroke is centred on: inset by half the line width, so the whole
    // stroke stays inside the circle of the given diameter. Pad space.
    Rect ringStrokeRect(double diameter) const;

    // The grid curves for a canvas of width x height: gridCurveCount curves of
    // gridPointsPerCurve points each, stored one after another, each from bottom to top.
    static std::vector<Point> gridPoints(double width, double height);
    // The canvas point for one centred square point (X, Y in [-1, 1], y upward).
    static Point gridImage(double centredX, double centredY, double width, double height);

    Composition composition(bool withReadout, double readoutWidth, double readoutHeight) const;

    // "[NQRadialSliderControl] New (X,Y) position: (0.5, 0.5)", without the newline.
    static std::string debugLine(Point position);
    // A readout format with its "%lf" replaced by the value in six-decimal fixed notation.
    static std::string readoutText(std::string_view format, double value);

private:
    double m_size = 0.0;
    double m_knobSize = 0.0;
};

} // namespace NequoraUI
