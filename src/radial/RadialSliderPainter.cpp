#include "RadialSliderPainter.h"

#include "platform/Color.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace NequoraUI {

namespace {

using Geometry = RadialSliderGeometry;

QRectF toQRect(const Geometry::Rect &rect)
{
    return QRectF(rect.x, rect.y, rect.width, rect.height);
}

QRectF circleRect(QPointF centre, double diameter)
{
    return QRectF(centre.x() - diameter * 0.5, centre.y() - diameter * 0.5, diameter, diameter);
}

QString translatedReadout(std::string_view key, double value)
{
    const QString format = QCoreApplication::translate("NQRadialSliderControl", key.data());
    return QString::fromStdString(Geometry::readoutText(format.toStdString(), value));
}

} // namespace

void RadialSliderPainter::paintPad(QPainter *painter, Geometry::Point position) const
{
    if (!m_geometry.isUsable())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    paintGrid(painter);
    // Without grid lines the rings are laid out all the same but drawn clear: nothing to paint.
    if (m_appearance.showCircleGridLines) {
        paintRing(painter, m_geometry.outerRingDiameter());
        paintRing(painter, m_geometry.innerRingDiameter());
    }
    if (m_appearance.blurCenterView)
        paintBlurredDisc(painter);
    if (m_appearance.showDraggableControl)
        paintKnob(painter, position);
    painter->restore();
}

QPainterPath RadialSliderPainter::gridPath(double width, double height)
{
    const auto points = Geometry::gridPoints(width, height);
    QPainterPath path;
    path.reserve(static_cast<int>(points.size()));
    for (std::size_t index = 0; index < points.size(); ++index) {
        const QPointF point(points[index].x, points[index].y);
        if (index % Geometry::gridPointsPerCurve == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void RadialSliderPainter::paintGrid(QPainter *painter) const
{
    if (!m_appearance.showCircleGridLines)
        return;
    QColor colour = m_appearance.circleGridLineColor;
    colour.setAlphaF(colour.alphaF() * Geometry::gridOpacity);
    painter->strokePath(gridPath(m_geometry.size(), m_geometry.size()), QPen(colour, 1.0));
}

void RadialSliderPainter::paintRing(QPainter *painter, double diameter) const
{
    QPen pen(m_appearance.circleGridLineColor, Geometry::ringLineWidth, Qt::CustomDashLine,
             Qt::RoundCap, Qt::RoundJoin);
    // Qt counts dashes in line widths; with a width of 1 these are points.
    pen.setDashPattern({Geometry::ringDashOn, Geometry::ringDashOff});
    pen.setMiterLimit(Geometry::ringMiterLimit);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(toQRect(m_geometry.ringStrokeRect(diameter)));
}

// A frosted, translucent disc whose edge fades out over the blur radius on both sides,
// standing in for an ultra-thin material blurred by 10 points.
void RadialSliderPainter::paintBlurredDisc(QPainter *painter) const
{
    constexpr double materialAlpha = 0.45;
    const double radius = m_geometry.blurDiscDiameter() * 0.5;
    const double outer = radius + Geometry::blurRadius;
    const QPointF centre(m_geometry.size() * 0.5, m_geometry.size() * 0.5);
    // The material takes the application palette's base: frosted white on a light palette,
    // smoked dark on a dark one.
    QColor material = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    material.setAlphaF(materialAlpha * Geometry::blurOpacity);
    QColor clear = material;
    clear.setAlphaF(0.0);

    QRadialGradient gradient(centre, outer);
    gradient.setColorAt(0.0, material);
    gradient.setColorAt(std::max(0.0, radius - Geometry::blurRadius) / outer, material);
    gradient.setColorAt(1.0, clear);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawEllipse(circleRect(centre, outer * 2.0));
}

void RadialSliderPainter::paintKnob(QPainter *painter, Geometry::Point position) const
{
    const Geometry::Point centre = m_geometry.knobCentre(position);
    const QPointF knobCentre(centre.x, centre.y);
    const double knobSize = m_geometry.knobSize();

    painter->setPen(Qt::NoPen);
    painter->setBrush(platform::Color::white());
    painter->drawEllipse(circleRect(knobCentre, knobSize));

    painter->setPen(QPen(m_appearance.draggableControlColor, 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(circleRect(knobCentre, knobSize));

    painter->setPen(Qt::NoPen);
    painter->setBrush(m_appearance.draggableControlColor);
    painter->drawEllipse(circleRect(knobCentre, m_geometry.dotDiameter()));
}

QStringList RadialSliderPainter::readoutLines(Geometry::Point position)
{
    return {translatedReadout(Geometry::xReadoutKey, position.x),
            translatedReadout(Geometry::yReadoutKey, position.y)};
}

QFont RadialSliderPainter::readoutFont()
{
    QFont font;
    font.setPixelSize(15);
    return font;
}

QSizeF RadialSliderPainter::readoutSize(const QStringList &lines)
{
    const QFontMetricsF metrics(readoutFont());
    double width = 0.0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const double padding = Geometry::readoutPadding * 2.0;
    return QSizeF(width + padding, metrics.height() * lines.size() + padding);
}

void RadialSliderPainter::paintReadout(QPainter *painter, const QRectF &rect,
                                       const QStringList &lines)
{
    const QFontMetricsF metrics(readoutFont());
    painter->save();
    painter->setFont(readoutFont());
    painter->setPen(platform::Color::label());
    QRectF line = rect.adjusted(Geometry::readoutPadding, Geometry::readoutPadding,
                                -Geometry::readoutPadding, 0.0);
    line.setHeight(metrics.height());
    for (const QString &text : lines) {
        painter->drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, text);
        line.translate(0.0, metrics.height());
    }
    painter->restore();
}

} // namespace NequoraUI
