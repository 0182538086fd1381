#include "SliderPainter.h"

#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

namespace NequoraUI::platform {

namespace {

// The knob image is kept for this many places inside a pixel, so a knob moved a fraction of a
// pixel is drawn from the cache too, at most a 128th of a pixel from where it falls (the
// images differ from direct drawing by rounding only, at most 4 of 255 in a channel).
constexpr int knobSubpixels = 64;
// The image's room around the knob: shadow (1.5 and 1 down) and focus ring (1 and half a pen).
constexpr int knobImageMargin = 4;

} // namespace

void SliderPainter::paint(QPainter &painter, QSizeF size, QPointF knob, const QRect &exposed) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_state.enabled)
        painter.setOpacity(0.45);

    const ColorScheme &colors = m_colors;
    const qreal centerY = size.height() / 2.0;
    const QRectF track(2.0, centerY - trackHeight / 2, std::max(0.0, size.width() - 4.0),
                       trackHeight);
    // A moved knob repaints a strip clear of the track's rounded ends. There, on whole pixels,
    // the track is two plain rectangles, the filled one ending under the opaque knob.
    if (m_state.enabled && track.top() == std::floor(track.top()) &&
        exposed.left() >= track.left() + trackHeight / 2 &&
        exposed.right() + 1 <= track.right() - trackHeight / 2) {
        const QRectF band(exposed.left(), track.top(), exposed.width(), trackHeight);
        painter.setPen(Qt::NoPen);
        painter.fillRect(band, colors.track);
        const QRectF filled = filledPart(band, knob.x());
        if (filled.width() > 0)
            painter.fillRect(filled, colors.accent);
        paintCachedKnob(painter, knob);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.track);
    painter.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);

    painter.setBrush(m_state.enabled ? colors.accent : colors.disabledLabel);
    painter.drawRoundedRect(filledPart(track, knob.x()), trackHeight / 2, trackHeight / 2);

    paintCachedKnob(painter, knob);
}

// The part of area between the minimum's end and the knob: left of it, or right of it when
// the slider runs right to left.
QRectF SliderPainter::filledPart(const QRectF &area, qreal knobX) const
{
    QRectF filled = area;
    if (m_state.rightToLeft)
        filled.setLeft(std::clamp(knobX, area.left(), area.right()));
    else
        filled.setRight(std::clamp(knobX, area.left(), area.right()));
    return filled;
}

// Four translucent discs and a stroked outline cost more than the rest of the slider together,
// and a followed value repaints the knob every frame: it is drawn once into a shared pixmap per
// look and place inside a pixel. A dimmed knob (painted at reduced opacity shape by shape) or a
// scaled display is drawn directly.
void SliderPainter::paintCachedKnob(QPainter &painter, QPointF center) const
{
    const ColorScheme &colors = m_colors;
    if (!m_state.enabled || painter.device()->devicePixelRatioF() != 1.0 ||
        !painter.transform().isIdentity()) {
        paintKnob(painter, center);
        return;
    }
    // The centre in 64ths of a pixel: the whole pixel places the image, the rest picks it.
    const double steppedX = std::round(center.x() * knobSubpixels);
    const double steppedY = std::round(center.y() * knobSubpixels);
    const QPointF whole(std::floor(steppedX / knobSubpixels), std::floor(steppedY / knobSubpixels));
    const int subX = int(steppedX - whole.x() * knobSubpixels);
    const int subY = int(steppedY - whole.y() * knobSubpixels);
    const bool focused = m_state.focused;
    // The colours are part of the key: screens of two palettes share the cache.
    const QString key = QStringLiteral("NequoraUI-slider-knob-%1-%2-%3-%4-%5-%6")
                            .arg(subX)
                            .arg(subY)
                            .arg(focused ? 1 : 0)
                            .arg(colors.knob.rgba())
                            .arg(colors.knobOutline.rgba())
                            .arg(colors.accent.rgba());
    const int reach = int(std::ceil(knobRadius)) + knobImageMargin;
    QPixmap image;
    if (!QPixmapCache::find(key, &image)) {
        image = QPixmap(2 * reach + 1, 2 * reach + 1);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        imagePainter.setRenderHint(QPainter::Antialiasing);
        imagePainter.setPen(Qt::NoPen);
        paintKnob(imagePainter, QPointF(reach + double(subX) / knobSubpixels,
                                        reach + double(subY) / knobSubpixels));
        imagePainter.end();
        QPixmapCache::insert(key, image);
    }
    painter.drawPixmap(whole - QPointF(reach, reach), image);
}

void SliderPainter::paintKnob(QPainter &painter, QPointF center) const
{
    const ColorScheme &colors = m_colors;
    // A soft shadow: a few translucent discs growing downwards.
    QColor shadow = colors.shadow;
    shadow.setAlpha(14);
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(shadow);
        painter.drawEllipse(center + QPointF(0, 1.0), knobRadius + i * 0.5, knobRadius + i * 0.5);
    }
    // The outline keeps the knob visible against the card it shares its colour with.
    painter.setPen(QPen(colors.knobOutline, 1.0));
    painter.setBrush(colors.knob);
    painter.drawEllipse(center, knobRadius - 0.5, knobRadius - 0.5);

    if (m_state.focused) {
        QColor ring = colors.accent;
        ring.setAlpha(140);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(center, knobRadius + 1.0, knobRadius + 1.0);
    }
}

} // namespace NequoraUI::platform
