#pragma once

#include "RadialSliderGeometry.h"

#include <optional>

namespace NequoraUI {

// Where the user's drags and keys take a radial pad's knob, in normalised positions; the pad
// applies what this returns. Shift makes either a tenth as fast.
class RadialSliderMotion
{
public:
    using Point = RadialSliderGeometry::Point;

    // How far one arrow key moves the knob, as a fraction of the pad's side.
    static constexpr double keyStepFraction = 0.02;

    bool isDragging() const { return m_dragging; }
    // A press on the knob; the knob goes where dragTo(location, fine) says.
    void beginDrag();
    void endDrag() { m_dragging = false; }
    // Where a drag at this pad location takes the knob, now at position.
    Point dragTo(const RadialSliderGeometry &shape, Point position, Point location, bool fine);

    // Where key (a Qt::Key) takes the knob from position: arrows a step, clamped to the travel
    // circle as a drag is, Home to the default (square) position mapped onto the disc. None
    // for any other key.
    static std::optional<Point> keyTarget(const RadialSliderGeometry &shape, double side,
                                          Point position, Point defaultPosition, int key,
                                          bool fine);

private:
    bool m_dragging = false;
    // While Shift is held, moves count from this anchor; afterwards the knob keeps its
    // distance from the pointer, so it never jumps.
    bool m_fine = false;
    Point m_fineAnchor;
    Point m_fineKnobCentre;
    Point m_offset;
};

} // namespace NequoraUI
