#include "ElidingLabel.h"

#include <QPainter>
#include <QStyle>

namespace NequoraUI::platform {

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent) {}

QString ElidingLabel::shownText() const
{
    const QString whole = text();
    if (wordWrap() || textFormat() == Qt::RichText)
        return whole;
    return fontMetrics().elidedText(whole, Qt::ElideRight, contentsRect().width());
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QSize full = QLabel::minimumSizeHint();
    if (wordWrap())
        return full;
    const QMargins margins = contentsMargins();
    const int ellipsis = fontMetrics().horizontalAdvance(QChar(0x2026));
    return {std::min(full.width(), ellipsis + margins.left() + margins.right()), full.height()};
}

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    // The text can change without an event of its own; the paint that shows it fixes the tip.
    updateToolTip();
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidingLabel::updateToolTip()
{
    if (toolTip() != m_ownToolTip)
        return;
    m_ownToolTip = isElided() ? text() : QString();
    if (toolTip() != m_ownToolTip)
        setToolTip(m_ownToolTip);
}

} // namespace NequoraUI::platform
