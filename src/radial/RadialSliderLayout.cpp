#include "RadialSliderLayout.h"

#include "RadialSliderPainter.h"

#include <algorithm>
#include <cmath>

namespace NequoraUI {

namespace {

// How far the painted area may reach beyond the item (a readout wider than the pad, a knob
// placed far outside it): enough for any sensible pad without huge textures.
constexpr double maximumOverflow = 2048.0;
constexpr int maximumTextureSide = 16384;

bool isFinite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

int textureSide(double length)
{
    return static_cast<int>(std::clamp(std::ceil(length), 0.0, double(maximumTextureSide)));
}

RadialSliderGeometry::Composition compose(const RadialSliderGeometry &geometry, bool withReadout,
                                          RadialSliderGeometry::Point position)
{
    if (!withReadout)
        return geometry.composition(false, 0.0, 0.0);
    const QSizeF readout =
        RadialSliderPainter::readoutSize(RadialSliderPainter::readoutLines(position));
    return geometry.composition(true, readout.width(), readout.height());
}

} // namespace

RadialSliderLayout::RadialSliderLayout(const RadialSliderGeometry &geometry, QSizeF itemSize,
                                       Content content)
    : m_geometry(geometry), m_itemSize(itemSize), m_content(content),
      m_frame((itemSize.width() - geometry.size()) * 0.5,
              (itemSize.height() - geometry.size()) * 0.5, geometry.size(), geometry.size()),
      m_composition(compose(geometry, content.showReadout, content.position))
{}

QRectF RadialSliderLayout::relativeToFrame(const RadialSliderGeometry::Rect &rect) const
{
    return QRectF(m_frame.topLeft() + QPointF(rect.x, rect.y), QSizeF(rect.width, rect.height));
}

QPointF RadialSliderLayout::padOrigin() const
{
    return padRect().topLeft();
}

QRectF RadialSliderLayout::padRect() const
{
    return relativeToFrame(m_composition.pad);
}

QRectF RadialSliderLayout::readoutRect() const
{
    return m_content.showReadout ? relativeToFrame(m_composition.readout) : QRectF();
}

RadialSliderLayout::Point RadialSliderLayout::toPad(QPointF itemPoint) const
{
    const QPointF local = itemPoint - padOrigin();
    return {local.x(), local.y()};
}

QRectF RadialSliderLayout::knobRect() const
{
    const Point centre = m_geometry.knobCentre(m_content.position);
    // The outline straddles the knob's edge.
    const double reach = m_geometry.knobSize() * 0.5 + 1.0;
    const QPointF itemCentre = padOrigin() + QPointF(centre.x, centre.y);
    if (!m_content.showKnob || !isFinite(itemCentre) || !std::isfinite(reach) || reach <= 1.0)
        return {};
    return QRectF(itemCentre - QPointF(reach, reach), QSizeF(reach * 2.0, reach * 2.0));
}

bool RadialSliderLayout::contains(QPointF itemPoint) const
{
    if (!m_geometry.isUsable())
        return false;
    return m_frame.contains(itemPoint) || padRect().contains(itemPoint) ||
           (m_content.showKnob && m_geometry.knobContains(m_content.position, toPad(itemPoint)));
}

QRectF RadialSliderLayout::paintArea() const
{
    const QRectF item(QPointF(), m_itemSize);
    if (!m_geometry.isUsable())
        return item;
    const QRectF area = item | m_frame | padRect() | readoutRect() | knobRect();
    const double reach =
        std::min(maximumOverflow, std::max(m_geometry.size(), m_composition.readout.width));
    return area & item.adjusted(-reach, -reach, reach, reach);
}

QSize RadialSliderLayout::textureSize(const QRectF &area)
{
    return QSize(textureSide(area.width()), textureSide(area.height()));
}

} // namespace NequoraUI
