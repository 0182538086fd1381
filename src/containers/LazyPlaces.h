#pragma once

#include "PlaceBlocks.h"
#include "PlacesScrollDriver.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace NequoraUI {

// Places one below the other in a vertical stack, whose views are made only as they come near
// the visible part of a scrolling area and released again once they are far from it.
//
// Until its view is made, a place is a blank as tall as the views made so far suggest for its
// weight (say, its number of rows). A made view sits in its place, which then follows the
// view's size. A view more than releaseScreens viewport heights away from the visible part is
// deleted, its place keeping the height the view had, and its maker makes it again when it
// comes back. A pinned view, a view its maker marked as kept, and a view holding the keyboard
// focus or the mouse are never released.
//
// Places nest: a made view may hold places of its own (a section whose rows come as they are
// needed), children of the view. The outermost places, the ones that watch the scrolling area,
// drive the nested ones, so one pass makes and releases at every level.
//
// Ownership: made views sit in their places and the view hierarchy owns them; a view made
// before its place exists is deleted with this object unless something gave it a parent.
class LazyPlaces : public QObject, private PlacesScrollDriver::Places
{
    Q_OBJECT

public:
    using Maker = std::function<QWidget *()>;

    struct Place
    {
        Maker make;
        int weight = 1;
        // False for views holding state that cannot be made again (a recording under way).
        bool releasable = true;
    };

    // How far beyond the visible part views are made ahead, in pixels.
    static constexpr int realisationMargin = 100;
    // Views further than this many viewport heights from the visible part are released. Made
    // within realisationMargin, released only this far away: a place near the edge of the
    // visible part never flips between made and released as the view moves by a pixel.
    static constexpr int releaseScreens = 2;

    explicit LazyPlaces(std::vector<Place> places, QObject *parent = nullptr);
    ~LazyPlaces() override;

    int count() const { return int(m_entries.size()); }
    int weight(int index) const { return m_entries[size_t(index)].weight; }
    bool isMade(int index) const;
    // The view at index while it is made; null before, after a release, or when its maker
    // gave nothing.
    QWidget *view(int index) const;
    // Makes the view at index now unless it is made, and returns it.
    QWidget *make(int index);
    // The view at index, once made, stays until this object goes.
    void pin(int index);
    bool isPinned(int index) const;

    // Hides or shows a place, made or not. A hidden place takes no room and is not made.
    void setShown(int index, bool shown);
    bool isShown(int index) const;

    // Gives every place its blank at the end of stack (after what stack holds already);
    // views made by then go in at once.
    void placeIn(QVBoxLayout *stack);
    // Makes and releases as the visible part of scrollArea moves or grows, before it is
    // painted. Only the outermost places watch.
    void watch(QScrollArea *scrollArea);
    // Nothing is made or released from now on; what is there stays.
    void freeze();

    bool releasesFarViews() const override { return m_releasesFarViews; }
    // On by default; off keeps every view once made.
    void setReleasesFarViews(bool releases) { m_releasesFarViews = releases; }

    // Lays out now what places were shown or hidden in, at every level up to the scrolling
    // area, and makes and releases as the new heights ask (outermost places only; they settle
    // the nested ones first).
    void settle();
    // Lays out every level from widget up to the scrolling area's content now, as the posted
    // layout requests would, one level per event-loop round.
    static void settleLayoutsFrom(QWidget *widget);

    // Marks a widget that only arranges places or rows: a search for rows looks through it.
    static void markAsFrame(QWidget *widget);
    static bool isFrame(const QWidget *widget);

signals:
    // A view was made (view may be null when its maker gave nothing).
    void viewMade(int index, QWidget *view);
    // The view at index was deleted; its maker makes it again when it comes back.
    void viewReleased(int index);
    // Places nested inside the made view at index were made or released.
    void viewContentChanged(int index, QWidget *view);

private:
    struct Entry
    {
        QPointer<QWidget> view;
        Maker make;
        QPointer<QWidget> holder; // keeps the place in the stack
        std::vector<QPointer<LazyPlaces>> nested;
        int weight = 1;
        bool made = false;
        // Made once and released since: the blank keeps the height the view had.
        bool released = false;
        bool hidden = false;
        bool pinned = false;
        bool releasable = true;
    };

    const std::vector<int> &shownPlaces();
    void placeInHolder(Entry &entry);
    bool torn() const;

    // The outermost places watch a scrolling area; nested ones are driven by their parents.
    bool isWatching() const;

    // Driven from the scrolling area the outermost places watch, and from the outermost
    // places for nested ones.
    bool mayChange() override;
    bool makeWithin(int from, int to, const QWidget *content) override;
    bool releaseOutside(int from, int to, const QWidget *content) override;
    QWidget *anchorFrom(int top, const QWidget *content) override;
    bool settleHolders() override { return m_blocks.activate(); }
    void placeInHolders() override { m_blocks.placeInBlocks(); }
    QRect placeRect(int index, const QWidget *content) const;
    std::vector<int>::const_iterator firstReaching(int y, const QWidget *content);
    bool isVisibleIn(const QWidget *content) const;
    static bool isBusy(const QWidget *view);
    void release(int index);
    void settleLayoutsAbove();
    void settleNested();
    void settleLayoutsBelow(const QWidget *content);
    void estimateUnmadeHeights();

    std::vector<Entry> m_entries;
    PlaceBlocks m_blocks;
    QPointer<QVBoxLayout> m_stack;
    // The indexes of the shown places, in stack order; rebuilt after one is hidden or shown.
    std::vector<int> m_shown;
    bool m_shownStale = true;
    bool m_placed = false;
    // A place's blank was deleted: the screen is being torn down.
    bool m_torn = false;
    bool m_frozen = false;
    bool m_measured = false;
    // A place was shown or hidden since the last settle().
    bool m_shownChanged = false;
    // The height per weight the unmade blanks were last given.
    qreal m_estimatePerWeight = -1;
    bool m_releasesFarViews = true;
    // Made by watch(). Last, so it goes first: it reads the places while it lives.
    std::unique_ptr<PlacesScrollDriver> m_driver;
};

} // namespace NequoraUI
