#include "platform/TableViewCell.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace NequoraUI::platform {

namespace {
// Separators start where the text starts, as on the device.
constexpr int horizontalMargin = 16;
} // namespace

TableViewCell::TableViewCell(QWidget *parent) : QWidget(parent), m_textLabel(new QLabel(this))
{
    m_textLabel->setObjectName(QStringLiteral("textLabel"));
    m_textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(horizontalMargin, 0, horizontalMargin, 0);
    layout->addWidget(m_textLabel);
}

QLabel *TableViewCell::textLabel() const
{
    return m_textLabel;
}

void TableViewCell::setTextColor(const QColor &color)
{
    QPalette labelPalette = m_textLabel->palette();
    labelPalette.setColor(QPalette::WindowText, color);
    labelPalette.setColor(QPalette::Text, color);
    m_textLabel->setPalette(labelPalette);
}

QColor TableViewCell::textColor() const
{
    return m_textLabel->palette().color(QPalette::WindowText);
}

QString TableViewCell::reuseIdentifier() const
{
    return m_reuseIdentifier;
}

bool TableViewCell::isSelected() const
{
    return m_selected;
}

void TableViewCell::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

void TableViewCell::setHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void TableViewCell::prepareForReuse()
{
    setSelected(false);
    setHighlighted(false);
}

bool TableViewCell::event(QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
        update();
    return QWidget::event(event);
}

void TableViewCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const ColorScheme &colors = m_colors.of(palette());
    const QColor background = m_selected || m_highlighted ? colors.selectedFill
                              : underMouse()              ? colors.background
                                                          : colors.card;
    painter.fillRect(rect(), background);
    // Right to left, the separator starts where the text starts: on the right.
    const int start = isRightToLeft() ? 0 : horizontalMargin;
    painter.fillRect(QRect(start, height() - 1, width() - horizontalMargin, 1), colors.separator);
}

} // namespace NequoraUI::platform
