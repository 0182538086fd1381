#pragma once

#include "ColorScheme.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace NequoraUI::platform {

// Draws a Slider: the track, the part of it filled from the minimum's end to the knob, and the
// knob with its shadow and focus ring, in a colour scheme's colours. The slider decides where
// the knob is; this only draws, so the look can change without touching input.
class SliderPainter
{
public:
    static constexpr qreal knobRadius = 12.0;
    // Room beside the knob for its shadow and focus ring, so neither is clipped at the ends.
    static constexpr qreal knobInset = knobRadius + 2.0;
    static constexpr qreal trackHeight = 4.0;

    struct State
    {
        bool enabled = true;
        bool focused = false;
        // The track fills from the right, where the minimum is.
        bool rightToLeft = false;
    };

    SliderPainter(const ColorScheme &colors, State state) : m_colors(colors), m_state(state) {}

    // Paints a slider of size with its knob centred at knob; exposed is the part to repaint.
    void paint(QPainter &painter, QSizeF size, QPointF knob, const QRect &exposed) const;

private:
    QRectF filledPart(const QRectF &area, qreal knobX) const;
    void paintCachedKnob(QPainter &painter, QPointF center) const;
    void paintKnob(QPainter &painter, QPointF center) const;

    const ColorScheme &m_colors;
    State m_state;
};

} // namespace NequoraUI::platform
