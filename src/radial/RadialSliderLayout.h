#pragma once

#include "RadialSliderGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace NequoraUI {

// Where a radial pad's parts sit in its item's coordinates: the size x size frame centred in the
// item, the pad and the debug readout stacked inside it, the knob, and the area the painting
// covers, which may reach past the item. A snapshot of the pad's state, made whenever needed.
class RadialSliderLayout
{
public:
    using Point = RadialSliderGeometry::Point;

    struct Content
    {
        bool showKnob = true;
        // The debug readout above the pad.
        bool showReadout = false;
        Point position;
    };

    RadialSliderLayout(const RadialSliderGeometry &geometry, QSizeF itemSize, Content content);

    QRectF frameRect() const { return m_frame; }
    // The pad's top-left corner: the origin of pad space.
    QPointF padOrigin() const;
    QRectF padRect() const;
    // Empty without the readout.
    QRectF readoutRect() const;
    // Around the knob and its outline; empty while the knob is hidden or cannot be placed.
    QRectF knobRect() const;
    Point toPad(QPointF itemPoint) const;
    // The frame, the pad and the knob take the pointer; nothing does on an unusable pad.
    bool contains(QPointF itemPoint) const;

    // What painting covers: the item and every part, but no further than a sensible overflow
    // past the item, so a knob placed far away cannot ask for a huge texture.
    QRectF paintArea() const;
    // The texture for an area, whole pixels, capped at a side every renderer takes.
    static QSize textureSize(const QRectF &area);

private:
    QRectF relativeToFrame(const RadialSliderGeometry::Rect &rect) const;

    RadialSliderGeometry m_geometry;
    QSizeF m_itemSize;
    Content m_content;
    QRectF m_frame;
    RadialSliderGeometry::Composition m_composition;
};

} // namespace NequoraUI
