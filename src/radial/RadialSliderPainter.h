#pragma once

#include "RadialSliderGeometry.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace NequoraUI {

// Draws the radial pad and its debug readout with QPainter; all sizes and positions come from
// RadialSliderGeometry, so the control itself only decides where the painter's origin is.
class RadialSliderPainter
{
public:
    struct Appearance
    {
        bool showCircleGridLines = false;
        bool blurCenterView = false;
        bool showDraggableControl = false;
        QColor circleGridLineColor;
        QColor draggableControlColor;
    };

    RadialSliderPainter(const RadialSliderGeometry &geometry, const Appearance &appearance)
        : m_geometry(geometry), m_appearance(appearance)
    {}

    // Paints back to front: grid curves, outer and inner rings, blurred centre disc, knob.
    // The painter's origin is the pad's top-left corner.
    void paintPad(QPainter *painter, RadialSliderGeometry::Point position) const;

    // The grid curves as one path for a canvas of width x height.
    static QPainterPath gridPath(double width, double height);

    // The readout's two lines for a position, looked up in the application's translations
    // under the context "NQRadialSliderControl" (untranslated, the formatted key itself).
    static QStringList readoutLines(RadialSliderGeometry::Point position);
    static QFont readoutFont();
    // The readout's size including its padding on all four edges.
    static QSizeF readoutSize(const QStringList &lines);
    static void paintReadout(QPainter *painter, const QRectF &rect, const QStringList &lines);

private:
    void paintGrid(QPainter *painter) const;
    void paintRing(QPainter *painter, double diameter) const;
    void paintBlurredDisc(QPainter *painter) const;
    void paintKnob(QPainter *painter, RadialSliderGeometry::Point position) const;

    RadialSliderGeometry m_geometry;
    Appearance m_appearance;
};

} // namespace NequoraUI
