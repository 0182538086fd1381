#include "platform/Switch.h"

#include "platform/ControlAccessibility.h"

#include <QPainter>

#include <algorithm>

namespace NequoraUI::platform {

namespace {

constexpr qreal pillWidth = 51.0;
constexpr qreal pillHeight = 31.0;
constexpr qreal thumbInset = 2.0;

} // namespace

Switch::Switch(QWidget *parent) : QAbstractButton(parent)
{
    ControlAccessibility::install();
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // clicked() comes only from a user's click or Space, after the state has flipped;
    // setChecked() never emits it.
    connect(this, &QAbstractButton::clicked, this, &Switch::valueChanged);
    connect(this, &QAbstractButton::toggled, this, &Switch::onChanged);
}

QColor Switch::onColor() const
{
    return m_colors.of(palette()).switchOn;
}

QColor Switch::offColor() const
{
    return m_colors.of(palette()).controlFill;
}

QSize Switch::sizeHint() const
{
    return QSize(int(pillWidth), int(pillHeight));
}

QRectF Switch::pillRect() const
{
    // Keeps the pill's proportions and centres it in whatever space the layout gives.
    const qreal h =
        std::min<qreal>({pillHeight, qreal(height()), width() * pillHeight / pillWidth});
    const qreal w = h * pillWidth / pillHeight;
    return QRectF((width() - w) / 2, (height() - h) / 2, w, h);
}

void Switch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const QRectF pill = pillRect();
    const qreal radius = pill.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(isOn() ? onColor() : offColor());
    painter.drawRoundedRect(pill, radius, radius);

    const ColorScheme &colors = m_colors.of(palette());
    const qreal thumbRadius = radius - thumbInset;
    const bool thumbRight = isOn() != isRightToLeft();
    const qreal thumbX = thumbRight ? pill.right() - radius : pill.left() + radius;
    const QPointF thumb(thumbX, pill.center().y());
    QColor shadow = colors.shadow;
    shadow.setAlpha(30);
    painter.setBrush(shadow);
    painter.drawEllipse(thumb + QPointF(0, 1.0), thumbRadius + 0.5, thumbRadius + 0.5);
    painter.setBrush(colors.knob);
    painter.drawEllipse(thumb, thumbRadius, thumbRadius);

    if (hasFocus()) {
        QColor ring = colors.accent;
        ring.setAlpha(140);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(pill.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
}

} // namespace NequoraUI::platform
