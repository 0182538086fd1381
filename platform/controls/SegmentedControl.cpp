#include "platform/SegmentedControl.h"

#include "platform/ControlAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace NequoraUI::platform {

namespace {

constexpr int padding = 2;
constexpr int segmentTextMargin = 12;
constexpr qreal backgroundRadius = 9.0;
constexpr qreal pillRadius = 7.0;

} // namespace

SegmentedControl::SegmentedControl(QWidget *parent) : QWidget(parent)
{
    ControlAccessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SegmentedControl::removeAllSegments()
{
    setSegmentTitles({});
}

void SegmentedControl::insertSegment(const QString &title, int index)
{
    const int at = std::clamp(index, 0, numberOfSegments());
    m_titles.insert(at, title);
    updateGeometry();
    update();
    emit segmentTitlesChanged(m_titles);
    if (m_selected != noSegment && at <= m_selected)
        storeSelection(m_selected + 1);
}

QString SegmentedControl::titleForSegment(int index) const
{
    return index >= 0 && index < numberOfSegments() ? m_titles.at(index) : QString();
}

void SegmentedControl::setSegmentTitles(const QStringList &titles)
{
    const bool changed = titles != m_titles;
    m_titles = titles;
    updateGeometry();
    update();
    if (changed)
        emit segmentTitlesChanged(m_titles);
    storeSelection(noSegment);
}

void SegmentedControl::setSelectedSegmentIndex(int index)
{
    storeSelection(index >= 0 && index < numberOfSegments() ? index : noSegment);
}

void SegmentedControl::storeSelection(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State selected;
        selected.selected = true;
        QAccessibleStateChangeEvent event(this, selected);
        QAccessible::updateAccessibility(&event);
    }
    emit selectedSegmentIndexChanged(m_selected);
}

QRect SegmentedControl::segmentRect(int index) const
{
    const int count = numberOfSegments();
    if (index < 0 || index >= count)
        return QRect();
    const QRect inner = rect().adjusted(padding, padding, -padding, -padding);
    // Right to left, the first segment is the rightmost.
    const int place = isRightToLeft() ? count - 1 - index : index;
    // Integer edges from the same formula on both sides, so segments tile without gaps.
    const int left = inner.left() + inner.width() * place / count;
    const int right = inner.left() + inner.width() * (place + 1) / count;
    return QRect(left, inner.top(), right - left, inner.height());
}

int SegmentedControl::segmentAt(const QPoint &point) const
{
    for (int i = 0; i < numberOfSegments(); ++i) {
        if (segmentRect(i).contains(point))
            return i;
    }
    return noSegment;
}

QSize SegmentedControl::sizeHint() const
{
    int widest = 0;
    for (const QString &title : m_titles)
        widest = std::max(widest, fontMetrics().horizontalAdvance(title));
    const int segmentWidth = widest + 2 * segmentTextMargin;
    const int height = std::max(32, fontMetrics().height() + 12);
    return QSize(std::max(200, numberOfSegments() * segmentWidth + 2 * padding), height);
}

QSize SegmentedControl::minimumSizeHint() const
{
    return QSize(std::max(1, numberOfSegments()) * 24 + 2 * padding, 28);
}

void SegmentedControl::selectAsUser(int index)
{
    if (index == m_selected || index < 0 || index >= numberOfSegments())
        return;
    storeSelection(index);
    emit valueChanged();
}

void SegmentedControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    selectAsUser(segmentAt(event->position().toPoint()));
}

void SegmentedControl::keyPressEvent(QKeyEvent *event)
{
    const int last = numberOfSegments() - 1;
    // The arrows move across the segments as drawn, so right to left they swap.
    const int backKey = isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
    const int forwardKey = isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    const int key = event->key();
    if (key == backKey) {
        // From no selection, going back starts at the last segment and forward at the first.
        selectAsUser(m_selected == noSegment ? last : std::max(0, m_selected - 1));
        return;
    }
    if (key == forwardKey) {
        selectAsUser(m_selected == noSegment ? 0 : std::min(last, m_selected + 1));
        return;
    }
    switch (key) {
    default:
        QWidget::keyPressEvent(event);
    }
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const ColorScheme &colors = m_colors.of(palette());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.groupFill);
    painter.drawRoundedRect(QRectF(rect()), backgroundRadius, backgroundRadius);

    for (int i = 0; i < numberOfSegments(); ++i)
        paintSegment(painter, i, colors);

    if (hasFocus()) {
        QColor ring = colors.accent;
        ring.setAlpha(140);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), backgroundRadius - 1,
                                backgroundRadius - 1);
    }
}

void SegmentedControl::paintSegment(QPainter &painter, int index, const ColorScheme &colors) const
{
    const QRectF area = segmentRect(index);
    const bool selected = index == m_selected;
    if (selected) {
        painter.setPen(Qt::NoPen);
        QColor shadow = colors.shadow;
        shadow.setAlpha(20);
        painter.setBrush(shadow);
        painter.drawRoundedRect(area.translated(0, 1), pillRadius, pillRadius);
        painter.setBrush(colors.raised);
        painter.drawRoundedRect(area, pillRadius, pillRadius);
    } else if (index > 0 && index - 1 != m_selected) {
        // Separators only between two unselected segments, so the pill stands alone. The
        // separator sits on the side of the segment before, which right to left is its right.
        painter.setPen(QPen(colors.separator, 1.0));
        const qreal x = isRightToLeft() ? area.right() - 0.5 : area.left() + 0.5;
        painter.drawLine(QPointF(x, area.top() + area.height() * 0.25),
                         QPointF(x, area.bottom() - area.height() * 0.25));
    }

    QFont font = painter.font();
    font.setWeight(selected ? QFont::DemiBold : QFont::Normal);
    painter.setFont(font);
    painter.setPen(colors.label);
    const QRectF textArea = area.adjusted(4, 0, -4, 0);
    const QString text =
        QFontMetrics(font).elidedText(m_titles.at(index), Qt::ElideRight, int(textArea.width()));
    painter.drawText(textArea, Qt::AlignCenter, text);
}

} // namespace NequoraUI::platform
