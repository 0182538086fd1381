#include "CardView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <bit>
#include <cmath>

namespace NequoraUI::platform {

CardView::CardView(QWidget *parent) : QWidget(parent) {}

void CardView::setBackgroundColor(const QColor &color)
{
    if (color == m_backgroundColor)
        return;
    m_backgroundColor = color;
    updateOpaque();
    update();
    emit backgroundColorChanged(color);
}

void CardView::setCornerRadius(qreal radius)
{
    radius = std::isfinite(radius) ? std::max(radius, 0.0) : 0.0;
    if (radius == m_cornerRadius)
        return;
    m_cornerRadius = radius;
    updateOpaque();
    update();
    emit cornerRadiusChanged(radius);
}

void CardView::setSurface(Surface surface)
{
    if (surface == m_surface)
        return;
    m_surface = surface;
    updateOpaque();
    update();
}

QColor CardView::fillColor()
{
    if (m_backgroundColor.alpha() > 0 || m_surface == Surface::None)
        return m_backgroundColor;
    const ColorScheme &colors = m_colors.of(palette());
    return m_surface == Surface::Card ? colors.card : colors.background;
}

void CardView::updateOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent, m_cornerRadius == 0 && fillColor().alpha() == 255);
}

void CardView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateOpaque();
}

namespace {

// The device pixels per pixel painter paints at, when it paints pixels one to one onto whole
// device pixels (a whole ratio, a whole offset); 0 otherwise.
int wholePixelRatio(const QPainter &painter)
{
    const QTransform device = painter.deviceTransform();
    const qreal ratio = device.m11();
    if (device.type() > QTransform::TxScale || ratio != device.m22() || ratio < 1 ||
        ratio != std::floor(ratio) || device.dx() != std::floor(device.dx()) ||
        device.dy() != std::floor(device.dy()))
        return 0;
    return int(ratio);
}

// A card just large enough for its four corners, each corner square of its own, over
// nothing: blended onto what lies behind, its pixels give what rasterising the card's own
// outline there gives. Shared by all cards of one radius, colour and pixel ratio: most cards
// on a long screen are made, painted once or twice and let go again.
QPixmap cornerTile(qreal radius, int corner, const QColor &fill, int ratio)
{
    // The radius by its bits: exact, and a whole number formats in a fraction of the time.
    const QString key = QStringLiteral("NequoraUI-card-corners-%1-%2-%3")
                            .arg(std::bit_cast<quint64>(radius))
                            .arg(fill.rgba())
                            .arg(ratio);
    QPixmap tile;
    if (QPixmapCache::find(key, &tile))
        return tile;
    const int side = 2 * corner + 2;
    tile = QPixmap(QSize(side, side) * ratio);
    tile.setDevicePixelRatio(ratio);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0, 0, side, side), radius, radius);
    painter.end();
    QPixmapCache::insert(key, tile);
    return tile;
}

} // namespace

void CardView::paintEvent(QPaintEvent *event)
{
    const QColor fill = fillColor();
    if (fill.alpha() == 0)
        return;
    QPainter painter(this);
    const QRect exposed = event->rect();
    const int corner = int(std::ceil(m_cornerRadius));
    // Away from the corners the card is a plain fill: a page scrolled into view paints its
    // rows' strip of a tall card without rasterising the card's whole outline.
    const QRect band = rect().adjusted(0, corner, 0, -corner);
    if (corner == 0 || band.contains(exposed) ||
        rect().adjusted(corner, 0, -corner, 0).contains(exposed)) {
        painter.fillRect(exposed, fill);
        return;
    }
    const int edgeHeight = 2 * corner + 2;
    const int ratio = wholePixelRatio(painter);
    if (ratio > 0 && height() >= edgeHeight && width() >= edgeHeight) {
        paintFromCornerTile(painter, exposed, fill, ratio);
        return;
    }
    if (height() >= edgeHeight)
        painter.fillRect(exposed & band, fill);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    if (height() < edgeHeight) {
        painter.drawRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
        return;
    }
    // The outline's top and bottom rows are those of a card just tall enough for its corners,
    // at the top and at the bottom: only that much is rasterised.
    const QRect edges[] = {QRect(0, 0, width(), corner),
                           QRect(0, height() - corner, width(), corner)};
    const QRectF outlines[] = {QRectF(0, 0, width(), edgeHeight),
                               QRectF(0, height() - edgeHeight, width(), edgeHeight)};
    for (int i = 0; i < 2; ++i) {
        const QRect part = exposed & edges[i];
        if (part.isEmpty())
            continue;
        painter.setClipRect(part);
        painter.drawRoundedRect(outlines[i], m_cornerRadius, m_cornerRadius);
    }
}

// Everything but the four corner squares is a plain fill; each corner square is copied from
// the shared tile, pixel for pixel, so nothing is rasterised.
void CardView::paintFromCornerTile(QPainter &painter, const QRect &exposed, const QColor &fill,
                                   int ratio)
{
    const int corner = int(std::ceil(m_cornerRadius));
    const QRect band = rect().adjusted(0, corner, 0, -corner);
    painter.fillRect(exposed & band, fill);
    const QRect edges[] = {QRect(corner, 0, width() - 2 * corner, corner),
                           QRect(corner, height() - corner, width() - 2 * corner, corner)};
    for (const QRect &edge : edges)
        painter.fillRect(exposed & edge, fill);
    const QPixmap tile = cornerTile(m_cornerRadius, corner, fill, ratio);
    const int far = 2 * corner + 2 - corner;
    // Each corner square of the card, and where the same square sits in the tile.
    const std::pair<QPoint, QPoint> squares[] = {
        {QPoint(0, 0), QPoint(0, 0)},
        {QPoint(width() - corner, 0), QPoint(far, 0)},
        {QPoint(0, height() - corner), QPoint(0, far)},
        {QPoint(width() - corner, height() - corner), QPoint(far, far)}};
    for (const auto &[at, from] : squares) {
        const QRect part = exposed & QRect(at, QSize(corner, corner));
        if (part.isEmpty())
            continue;
        const QPoint source = from + (part.topLeft() - at);
        painter.drawPixmap(part.topLeft(), tile, QRect(source * ratio, part.size() * ratio));
    }
}

} // namespace NequoraUI::platform
