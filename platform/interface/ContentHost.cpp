#include "ContentHost.h"

#include "HoldingLayout.h"

#include <QEvent>

namespace NequoraUI::platform {

ContentHost::ContentHost(QWidget *parent) : QWidget(parent) {}

void ContentHost::setContentView(QWidget *content)
{
    contentView = content;
    if (content)
        content->setGeometry(rect());
    passOn();
}

void ContentHost::contentHintChanged()
{
    passOn();
}

void ContentHost::passOnIfChanged()
{
    // The first request after a show finds the layout around already holding the hints it read
    // as it laid this view out: passed on, it would only lay that layout out again.
    if (m_passedHints.changesTo(LayoutHints::of(*this)) && !HoldingLayout::hasCurrentHints(*this))
        updateGeometry();
}

void ContentHost::passOn()
{
    m_passedHints.forget();
    updateGeometry();
}

// As a layout item would give them: the content's own hints within its own limits.
QSize ContentHost::withinContentLimits(QSize hint) const
{
    return hint.expandedTo(contentView->minimumSize()).boundedTo(contentView->maximumSize());
}

QSize ContentHost::sizeHint() const
{
    return contentView ? withinContentLimits(contentView->sizeHint()) : QWidget::sizeHint();
}

QSize ContentHost::minimumSizeHint() const
{
    return contentView ? withinContentLimits(contentView->minimumSizeHint())
                       : QWidget::minimumSizeHint();
}

bool ContentHost::hasHeightForWidth() const
{
    return contentView ? contentView->hasHeightForWidth() : QWidget::hasHeightForWidth();
}

int ContentHost::heightForWidth(int width) const
{
    return contentView ? contentView->heightForWidth(width) : QWidget::heightForWidth(width);
}

bool ContentHost::event(QEvent *event)
{
    switch (event->type()) {
    // Qt posts this view a layout request each time the content's layout runs: passed on only
    // when the hints changed, so a content laid out as it was lays nothing out around the row.
    case QEvent::LayoutRequest:
        passOnIfChanged();
        break;
    // A new font or style changes the content's hints while this view may be hidden, and the
    // content's own layout may not have heard of it yet: its hints cannot be compared now.
    case QEvent::FontChange:
    case QEvent::StyleChange:
        passOn();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void ContentHost::resizeEvent(QResizeEvent *event)
{
    if (contentView)
        contentView->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace NequoraUI::platform
