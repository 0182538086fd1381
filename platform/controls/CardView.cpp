#include "CardView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
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

} // namespace NequoraUI::platform
