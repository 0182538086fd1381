#include "PlacesScrollDriver.h"

#include "LazyPlaces.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

namespace NequoraUI {

PlacesScrollDriver::PlacesScrollDriver(Places &places) : m_places(places) {}

void PlacesScrollDriver::watch(QScrollArea *scrollArea)
{
    m_scrollArea = scrollArea;
    m_toldSizeHint = {};
    m_releasedAt = {};
    scrollArea->viewport()->installEventFilter(this);
    scrollArea->widget()->installEventFilter(this);
    connect(scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PlacesScrollDriver::realiseNearViewport);
}

bool PlacesScrollDriver::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
        if (m_scrollArea &&
            (watched == m_scrollArea->viewport() || watched == m_scrollArea->widget()))
            realiseNearViewport();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QRect PlacesScrollDriver::seenRect() const
{
    QWidget *viewport = m_scrollArea->viewport();
    return {m_scrollArea->widget()->mapFrom(viewport, QPoint()), viewport->size()};
}

void PlacesScrollDriver::realiseNearViewport()
{
    if (m_realising || !m_scrollArea || !m_scrollArea->widget() || !m_places.mayChange())
        return;
    m_realising = true;
    const QWidget *content = m_scrollArea->widget();
    bool made = false;
    // Each round ends laid out, as the next one starts: only the scroll bar moved in between.
    syncContentGeometry();
    // Bounded: each round makes at least one view, and a few rounds settle any estimate.
    for (int round = 0; round < 64; ++round) {
        const QRect seen = seenRect();
        // What is on screen stays where it is while places above it change height (made, or
        // estimated anew): the innermost place reaching into the visible part keeps its offset.
        const QPointer<QWidget> anchor = m_places.anchorFrom(seen.top(), content);
        const int offset = anchor ? anchor->mapTo(content, QPoint()).y() - seen.top() : 0;
        if (!m_places.makeWithin(seen.top() - LazyPlaces::realisationMargin,
                                 seen.bottom() + LazyPlaces::realisationMargin, content))
            break;
        made = true;
        syncContentGeometry();
        if (anchor) {
            const int moved = anchor->mapTo(content, QPoint()).y() - offset - seen.top();
            if (moved != 0) {
                QScrollBar *bar = m_scrollArea->verticalScrollBar();
                bar->setValue(bar->value() + moved);
            }
        }
    }
    m_realising = false;
    scheduleRelease(made);
}

PlacesScrollDriver::Reach PlacesScrollDriver::reach() const
{
    return {seenRect(), m_scrollArea->widget()->height()};
}

void PlacesScrollDriver::scheduleRelease(bool made)
{
    if (m_releaseQueued || !m_places.releasesFarViews())
        return;
    // Nothing made and nothing moved since the last release: nothing new is far. A pass runs on
    // every layout request, most of which leave both as they were.
    m_madeSinceRelease = m_madeSinceRelease || made;
    if (!m_madeSinceRelease && reach() == m_releasedAt)
        return;
    // From the event loop, never from inside a view's own code that led here.
    m_releaseQueued = true;
    QMetaObject::invokeMethod(this, &PlacesScrollDriver::releaseFarViews, Qt::QueuedConnection);
}

void PlacesScrollDriver::releaseFarViews()
{
    m_releaseQueued = false;
    if (!m_places.releasesFarViews() || !m_scrollArea || !m_scrollArea->widget() ||
        !m_places.mayChange())
        return;
    // Where everything is now: a place's blank keeps the height its view has on screen.
    syncContentGeometry();
    m_madeSinceRelease = false;
    m_releasedAt = reach();
    const QRect seen = seenRect();
    const int margin = LazyPlaces::releaseScreens * seen.height();
    m_places.releaseOutside(seen.top() - margin, seen.bottom() + margin, m_scrollArea->widget());
}

void PlacesScrollDriver::syncContentGeometry()
{
    QWidget *content = m_scrollArea->widget();
    // The blocks first: their sizes are what the content lays out. A block laid out anew tells
    // the content, whose layout then is redone too.
    m_places.settleHolders();
    const bool redone = content->layout() && content->layout()->activate();
    // The scroll area resizes its widget on a layout request; asked here, not in a later
    // pass, so the frame about to be painted has every place where it belongs. Only when the
    // content may have changed size: each request lays the scroll bars out again.
    const QSize hint = content->sizeHint();
    if (redone || hint != m_toldSizeHint) {
        m_toldSizeHint = hint;
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(m_scrollArea, &request);
        // Done now: the one Qt posted on the way would only run the same again.
        QCoreApplication::removePostedEvents(m_scrollArea->viewport(), QEvent::LayoutRequest);
    }
    if (QLayout *layout = content->layout()) {
        // Laid out now, so a request Qt posted on the way would only run one more pass.
        layout->activate();
        QCoreApplication::removePostedEvents(content, QEvent::LayoutRequest);
    }
    // A content not shown yet gets its resize event only when shown: place its views now.
    if (content->layout())
        content->layout()->setGeometry(content->rect());
    m_places.placeInHolders();
}

} // namespace NequoraUI
