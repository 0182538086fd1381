#include "LazyPlaces.h"

#include "PlacesScrollDriver.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace NequoraUI {

namespace {

// The blank's height before any view was measured.
constexpr int initialEstimate = 400;
constexpr char frameProperty[] = "nequoraPlaceFrame";

void holdPlace(QWidget *holder, int height)
{
    holder->setFixedHeight(height);
}

bool holds(const QWidget *view, const QWidget *widget)
{
    return widget && (widget == view || view->isAncestorOf(widget));
}

} // namespace

LazyPlaces::LazyPlaces(std::vector<Place> places, QObject *parent) : QObject(parent)
{
    m_entries.reserve(places.size());
    for (auto &place : places) {
        Entry entry;
        entry.make = std::move(place.make);
        entry.weight = std::max(1, place.weight);
        entry.releasable = place.releasable;
        m_entries.push_back(std::move(entry));
    }
}

LazyPlaces::~LazyPlaces()
{
    for (const auto &entry : m_entries)
        if (entry.view && !entry.view->parentWidget())
            delete entry.view.data();
}

bool LazyPlaces::isMade(int index) const
{
    return index >= 0 && index < count() && m_entries[size_t(index)].made;
}

QWidget *LazyPlaces::view(int index) const
{
    return isMade(index) ? m_entries[size_t(index)].view.data() : nullptr;
}

QWidget *LazyPlaces::make(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    Entry &entry = m_entries[size_t(index)];
    if (entry.made)
        return entry.view;
    // Marked first: a maker that reaches back here finds the place made.
    entry.made = true;
    entry.released = false;
    entry.view = entry.make ? entry.make() : nullptr;
    entry.nested.clear();
    if (entry.view)
        for (LazyPlaces *inner : entry.view->findChildren<LazyPlaces *>())
            entry.nested.emplace_back(inner);
    placeInHolder(entry);
    emit viewMade(index, entry.view);
    return entry.view;
}

void LazyPlaces::pin(int index)
{
    if (isMade(index))
        m_entries[size_t(index)].pinned = true;
}

bool LazyPlaces::isPinned(int index) const
{
    return isMade(index) && m_entries[size_t(index)].pinned;
}

void LazyPlaces::setShown(int index, bool shown)
{
    if (index < 0 || index >= count())
        return;
    Entry &entry = m_entries[size_t(index)];
    if (entry.hidden == !shown)
        return;
    entry.hidden = !shown;
    m_shownStale = true;
    m_shownChanged = true;
    // Before the places are laid out there is no blank yet: the flag is read then.
    if (QWidget *holder = entry.holder) {
        holder->setVisible(shown);
        PlaceBlocks::syncShown(holder->parentWidget());
    } else if (entry.view && entry.view->parentWidget()) {
        entry.view->setVisible(shown);
    }
}

bool LazyPlaces::isShown(int index) const
{
    return index >= 0 && index < count() && !m_entries[size_t(index)].hidden;
}

void LazyPlaces::settle()
{
    settleNested();
    if (m_driver)
        m_driver->settle();
}

// Innermost first: each level's new height is what the level around it lays out.
void LazyPlaces::settleNested()
{
    for (const Entry &entry : m_entries)
        for (const auto &nested : entry.nested)
            if (nested)
                nested->settleNested();
    if (!std::exchange(m_shownChanged, false) || isWatching() || !m_stack || torn())
        return;
    m_blocks.activate();
    settleLayoutsFrom(m_stack->parentWidget());
}

void LazyPlaces::settleLayoutsFrom(QWidget *widget)
{
    for (QWidget *level = widget; level && !level->isWindow(); level = level->parentWidget()) {
        // Past the content: the viewport, whose scrolling area the driver tells.
        if (qobject_cast<QAbstractScrollArea *>(level->parentWidget()))
            break;
        // A layout redone tells the level above (its parent's layout is marked for redoing).
        if (QLayout *layout = level->layout()) {
            layout->activate();
            continue;
        }
        // A level without a layout (a folding clip) sizes itself on the request it was sent.
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(level, &request);
    }
}

void LazyPlaces::markAsFrame(QWidget *widget)
{
    widget->setProperty(frameProperty, true);
}

bool LazyPlaces::isFrame(const QWidget *widget)
{
    return widget && widget->property(frameProperty).toBool();
}

void LazyPlaces::placeIn(QVBoxLayout *stack)
{
    if (m_placed || !stack)
        return;
    m_placed = true;
    m_stack = stack;
    for (Entry &entry : m_entries) {
        entry.holder = new QWidget;
        markAsFrame(entry.holder);
        connect(entry.holder, &QObject::destroyed, this, [this] { m_torn = true; });
        holdPlace(entry.holder, initialEstimate);
        m_blocks.add(stack, entry.holder);
        // Shown now, not when the layout gets round to it, so it has its place at once.
        entry.holder->setVisible(!entry.hidden);
        placeInHolder(entry);
    }
    m_blocks.syncAllShown();
    m_shownStale = true;
}

void LazyPlaces::placeInHolder(Entry &entry)
{
    if (!entry.holder || !entry.made)
        return;
    // Made: the holder now follows the view's own size, folding included.
    entry.holder->setMinimumHeight(0);
    entry.holder->setMaximumHeight(QWIDGETSIZE_MAX);
    auto *layout = static_cast<QVBoxLayout *>(entry.holder->layout());
    if (!layout) {
        layout = new QVBoxLayout(entry.holder);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (entry.view) {
        // A layout shows a new child only later, from the event loop; this one must be in the
        // coming frame, so it is shown here and the layout is told it is hidden till then.
        entry.view->hide();
        layout->addWidget(entry.view);
        entry.view->show();
    } else {
        holdPlace(entry.holder, 0);
    }
}

void LazyPlaces::watch(QScrollArea *scrollArea)
{
    if (!scrollArea || m_entries.empty())
        return;
    if (!m_driver)
        m_driver =
            std::make_unique<PlacesScrollDriver>(static_cast<PlacesScrollDriver::Places &>(*this));
    m_driver->watch(scrollArea);
}

void LazyPlaces::freeze()
{
    m_frozen = true;
    for (auto &entry : m_entries)
        if (!entry.made)
            entry.make = {};
}

const std::vector<int> &LazyPlaces::shownPlaces()
{
    if (m_shownStale) {
        m_shown.clear();
        for (int index = 0; index < count(); ++index)
            if (!m_entries[size_t(index)].hidden)
                m_shown.push_back(index);
        m_shownStale = false;
    }
    return m_shown;
}

bool LazyPlaces::isWatching() const
{
    return m_driver && m_driver->isWatching();
}

// A place gone means the screen is being torn down: nothing more is made or released.
bool LazyPlaces::torn() const
{
    return !m_placed || m_torn;
}

bool LazyPlaces::mayChange()
{
    if (m_frozen || !m_placed)
        return false;
    if (torn()) {
        freeze();
        return false;
    }
    return true;
}

QRect LazyPlaces::placeRect(int index, const QWidget *content) const
{
    const QWidget *holder = m_entries[size_t(index)].holder;
    return {holder->mapTo(content, QPoint()), holder->size()};
}

// Shown places are in stack order, so their rectangles only grow downwards.
std::vector<int>::const_iterator LazyPlaces::firstReaching(int y, const QWidget *content)
{
    const auto &shown = shownPlaces();
    return std::partition_point(shown.begin(), shown.end(),
                                [&](int index) { return placeRect(index, content).bottom() < y; });
}

bool LazyPlaces::isVisibleIn(const QWidget *content) const
{
    const QWidget *stackView = m_stack ? m_stack->parentWidget() : nullptr;
    // Shown for real, not only meant to be: before its window shows, a view's layouts have
    // not placed anything, and every place would seem to sit at its top.
    return stackView && m_placed && !m_frozen && stackView->isVisible() && !torn() &&
           (stackView == content || stackView->isVisibleTo(content));
}

bool LazyPlaces::makeWithin(int from, int to, const QWidget *content)
{
    if (!isWatching())
        settleLayoutsBelow(content);
    std::vector<int> due;
    std::vector<int> madeNear;
    const auto &shown = shownPlaces();
    for (auto it = firstReaching(from, content); it != shown.end(); ++it) {
        if (placeRect(*it, content).y() > to)
            break;
        (m_entries[size_t(*it)].made ? madeNear : due).push_back(*it);
    }
    // Until one view is measured the places are guesses: make one, then look again.
    if (!m_measured && !due.empty())
        due.resize(1);
    for (int index : due)
        make(index);
    bool changed = !due.empty();
    if (changed)
        estimateUnmadeHeights();
    for (int index : madeNear) {
        Entry &entry = m_entries[size_t(index)];
        bool inner = false;
        for (const auto &nested : entry.nested)
            if (nested && nested->isVisibleIn(content))
                inner = nested->makeWithin(from, to, content) || inner;
        if (inner)
            emit viewContentChanged(index, entry.view);
        changed = changed || inner;
    }
    if (changed && m_stack && !isWatching())
        settleLayoutsAbove();
    return changed;
}

bool LazyPlaces::releaseOutside(int from, int to, const QWidget *content)
{
    bool changed = false;
    for (int index = 0; index < count(); ++index) {
        Entry &entry = m_entries[size_t(index)];
        if (!entry.made || !entry.view || !entry.holder)
            continue;
        const QRect rect = placeRect(index, content);
        if (rect.bottom() < from || rect.y() > to) {
            if (entry.releasable && !entry.pinned && !isBusy(entry.view)) {
                release(index);
                changed = true;
            }
            continue;
        }
        bool inner = false;
        for (const auto &nested : entry.nested)
            if (nested && nested->isVisibleIn(content))
                inner = nested->releaseOutside(from, to, content) || inner;
        if (inner)
            emit viewContentChanged(index, entry.view);
    }
    return changed;
}

// The keyboard focus and a mouse held down (a drag, an open editor) keep their row.
bool LazyPlaces::isBusy(const QWidget *view)
{
    return holds(view, QApplication::focusWidget()) || holds(view, QWidget::mouseGrabber()) ||
           holds(view, QWidget::keyboardGrabber());
}

void LazyPlaces::release(int index)
{
    Entry &entry = m_entries[size_t(index)];
    // The blank keeps the view's height exactly: nothing on screen moves.
    holdPlace(entry.holder, entry.holder->height());
    delete entry.view.data();
    entry.nested.clear();
    entry.made = false;
    entry.released = true;
    emit viewReleased(index);
}

QWidget *LazyPlaces::anchorFrom(int top, const QWidget *content)
{
    if (!isWatching())
        settleLayoutsBelow(content);
    const auto &shown = shownPlaces();
    const auto first = firstReaching(top, content);
    if (first == shown.end())
        return nullptr;
    const Entry &entry = m_entries[size_t(*first)];
    for (const auto &nested : entry.nested)
        if (nested && nested->isVisibleIn(content))
            if (QWidget *inner = nested->anchorFrom(top, content))
                return inner;
    return entry.holder;
}

// Nested places in a view just made: its layouts have not run yet (they wait for the event
// loop), so every place would seem to sit at its top. Laid out now, from content down.
void LazyPlaces::settleLayoutsBelow(const QWidget *content)
{
    std::vector<QWidget *> levels;
    for (QWidget *level = m_stack->parentWidget(); level && level != content;
         level = level->parentWidget())
        levels.push_back(level);
    for (auto level = levels.rbegin(); level != levels.rend(); ++level)
        if (QLayout *layout = (*level)->layout())
            layout->activate();
    m_blocks.activate();
}

// Nested places: the levels between them and the scrolling area take their new sizes now,
// so the next look at the places sees them where they will be painted.
void LazyPlaces::settleLayoutsAbove()
{
    m_blocks.activate();
    for (QWidget *level = m_stack->parentWidget(); level; level = level->parentWidget()) {
        if (qobject_cast<QAbstractScrollArea *>(level) || level->isWindow())
            break;
        // A level without a layout of its own (a folding clip) sizes itself from its child.
        level->updateGeometry();
        if (QLayout *layout = level->layout())
            layout->activate();
    }
}

void LazyPlaces::estimateUnmadeHeights()
{
    qint64 height = 0;
    qint64 weight = 0;
    for (const Entry &entry : m_entries) {
        if (entry.made && entry.view && entry.holder) {
            height += entry.holder->sizeHint().height();
            weight += entry.weight;
        }
    }
    if (weight == 0)
        return;
    m_measured = true;
    // Places hidden mean a filter narrows the stack, and the views made meanwhile may show only
    // part of what they hold: the blanks keep the estimate made without it.
    if (m_estimatePerWeight >= 0 && shownPlaces().size() != m_entries.size())
        return;
    const qreal perWeight = qreal(height) / qreal(weight);
    // Places only ever leave the estimated ones (made, then released with a height of their
    // own): the same estimate leaves every blank as it is.
    if (perWeight == m_estimatePerWeight)
        return;
    m_estimatePerWeight = perWeight;
    for (const Entry &entry : m_entries)
        if (!entry.made && !entry.released && entry.holder)
            holdPlace(entry.holder, qRound(perWeight * entry.weight));
}

} // namespace NequoraUI
