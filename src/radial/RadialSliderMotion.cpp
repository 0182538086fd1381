#include "RadialSliderMotion.h"

#include <Qt>

namespace NequoraUI {

namespace {
constexpr double fineDivisor = 10.0;
} // namespace

void RadialSliderMotion::beginDrag()
{
    m_dragging = true;
    m_fine = false;
    m_offset = {};
}

RadialSliderMotion::Point RadialSliderMotion::dragTo(const RadialSliderGeometry &shape,
                                                     Point position, Point location, bool fine)
{
    if (fine != m_fine) {
        m_fine = fine;
        m_fineAnchor = location;
        m_fineKnobCentre = shape.knobCentre(position);
        if (!fine)
            m_offset = {m_fineKnobCentre.x - location.x, m_fineKnobCentre.y - location.y};
    }
    if (fine)
        return shape.dragPosition(
            {m_fineKnobCentre.x + (location.x - m_fineAnchor.x) / fineDivisor,
             m_fineKnobCentre.y + (location.y - m_fineAnchor.y) / fineDivisor});
    return shape.dragPosition({location.x + m_offset.x, location.y + m_offset.y});
}

std::optional<RadialSliderMotion::Point>
RadialSliderMotion::keyTarget(const RadialSliderGeometry &shape, double side, Point position,
                              Point defaultPosition, int key, bool fine)
{
    const double step = keyStepFraction * side * (fine ? 0.1 : 1.0);
    Point delta;
    switch (key) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    case Qt::Key_Home:
        return RadialSliderGeometry::mapSquareToDisc(defaultPosition);
    default:
        return std::nullopt;
    }
    const Point centre = shape.knobCentre(position);
    return shape.dragPosition({centre.x + delta.x, centre.y + delta.y});
}

} // namespace NequoraUI
