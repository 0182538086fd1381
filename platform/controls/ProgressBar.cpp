#include "platform/ProgressBar.h"

#include "platform/ControlAccessibility.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace NequoraUI::platform {

namespace {

constexpr qreal barHeight = 6.0;

} // namespace

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent)
{
    ControlAccessibility::install();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ProgressBar::setProgress(float progress)
{
    const float next = std::isnan(progress) ? 0.0f : std::clamp(progress, 0.0f, 1.0f);
    if (next == m_progress)
        return;
    m_progress = next;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_progress);
        QAccessible::updateAccessibility(&event);
    }
    emit progressChanged(m_progress);
}

QRectF ProgressBar::trackRect() const
{
    const qreal h = std::min<qreal>(barHeight, height());
    return QRectF(0, (height() - h) / 2, width(), h);
}

QRectF ProgressBar::fillRect() const
{
    // Right to left, the bar fills from the right.
    const QRectF track = trackRect();
    QRectF fill = track;
    fill.setWidth(track.width() * m_progress);
    if (isRightToLeft())
        fill.moveRight(track.right());
    return fill;
}

QSize ProgressBar::sizeHint() const
{
    return QSize(200, int(barHeight));
}

QSize ProgressBar::minimumSizeHint() const
{
    return QSize(20, 4);
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const ColorScheme &colors = m_colors.of(palette());
    const QRectF track = trackRect();
    const qreal radius = track.height() / 2;
    QPainterPath trackPath;
    trackPath.addRoundedRect(track, radius, radius);
    painter.fillPath(trackPath, colors.controlFill);

    // Clipping to the track keeps a fill shorter than its height inside the track's rounded end.
    painter.setClipPath(trackPath);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.accent);
    painter.drawRoundedRect(fillRect(), radius, radius);
}

} // namespace NequoraUI::platform
