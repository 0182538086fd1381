#include "FoldingClipView.h"

#include "platform/HoldingLayout.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace NequoraUI {

FoldingClipView::FoldingClipView(QWidget *content, QWidget *parent)
    : QWidget(parent), m_content(content)
{
    // The height is whatever the fold reveals; the width follows the section.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    if (m_content)
        m_content->setParent(this);
}

void FoldingClipView::setRevealed(qreal revealed)
{
    revealed = std::clamp(revealed, 0.0, 1.0);
    if (revealed == m_revealed)
        return;
    m_revealed = revealed;
    updateGeometry();
}

void FoldingClipView::setOpacity(qreal opacity)
{
    m_opacity = std::clamp(opacity, 0.0, 1.0);
    // An effect renders through an offscreen picture: only pay for it while it shows.
    if (m_opacity >= 1.0) {
        if (m_opacityEffect)
            setGraphicsEffect(nullptr);
        return;
    }
    if (!m_opacityEffect) {
        m_opacityEffect = new QGraphicsOpacityEffect(this);
        setGraphicsEffect(m_opacityEffect);
    }
    m_opacityEffect->setOpacity(m_opacity);
}

void FoldingClipView::takeSnapshot()
{
    if (!m_content || m_content->isHidden())
        return;
    placeContent();
    m_snapshot = m_content->grab();
    update();
}

void FoldingClipView::dropSnapshot()
{
    m_snapshot = QPixmap();
    update();
}

int FoldingClipView::naturalHeight(int width) const
{
    if (!m_content || (m_content->isHidden() && !hasSnapshot()))
        return 0;
    // The margins fold with the content: a folded view takes no room at all.
    const QMargins margins = contentsMargins();
    return contentHeight(width < 0 ? width : width - margins.left() - margins.right()) +
           margins.top() + margins.bottom();
}

int FoldingClipView::contentHeight(int width) const
{
    if (m_content->isHidden())
        return qRound(m_snapshot.deviceIndependentSize().height());
    if (width >= 0 && m_content->hasHeightForWidth())
        return std::max(m_content->heightForWidth(width), m_content->minimumSizeHint().height());
    return m_content->sizeHint().expandedTo(m_content->minimumSizeHint()).height();
}

int FoldingClipView::revealedHeight(int naturalHeight) const
{
    return int(std::lround(m_revealed * naturalHeight));
}

QSize FoldingClipView::sizeHint() const
{
    const int width = m_content ? m_content->sizeHint().width() : 0;
    return {width, revealedHeight(naturalHeight(-1))};
}

QSize FoldingClipView::minimumSizeHint() const
{
    const int width = m_content ? m_content->minimumSizeHint().width() : 0;
    return {width, revealedHeight(naturalHeight(-1))};
}

bool FoldingClipView::hasHeightForWidth() const
{
    return m_content && !m_content->isHidden() && m_content->hasHeightForWidth();
}

int FoldingClipView::heightForWidth(int width) const
{
    return revealedHeight(naturalHeight(width));
}

bool FoldingClipView::event(QEvent *event)
{
    // The content asked for layout: pass it on only if the height it takes here changed. A
    // row below whose new text keeps its size then lays out nothing above this view, nor does
    // the content's first layout as it shows, whose height the section read already.
    if (event->type() == QEvent::LayoutRequest) {
        if (m_passedHints.changesTo(platform::LayoutHints::of(*this)) &&
            !platform::HoldingLayout::hasCurrentHints(*this))
            updateGeometry();
        placeContent();
    }
    return QWidget::event(event);
}

void FoldingClipView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void FoldingClipView::paintEvent(QPaintEvent *)
{
    if (!hasSnapshot() || !m_content || !m_content->isHidden())
        return;
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_snapshot);
}

void FoldingClipView::placeContent()
{
    if (!m_content)
        return;
    // Children are clipped to this view, so a partly revealed content is cut, not squashed.
    const QRect area = contentsRect();
    m_content->setGeometry(area.left(), area.top(), area.width(), contentHeight(area.width()));
}

} // namespace NequoraUI
