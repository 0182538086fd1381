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
    // A changed row repaints a strip of the card: away from the corners, a plain fill.
    const int corner = int(std::ceil(m_cornerRadius));
    const QRect exposed = event->rect();
    if (rect().adjusted(0, corner, 0, -corner).contains(exposed) ||
        rect().adjusted(corner, 0, -corner, 0).contains(exposed)) {
        painter.fillRect(exposed, fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
}

} // namespace NequoraUI::platform
