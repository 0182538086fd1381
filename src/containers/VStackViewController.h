#pragma once

#include "platform/ViewController.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <vector>

class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace NequoraUI {

namespace platform {
class LayoutConstraint;
}

// A screen showing a list of views one below the other, in a scrolling area.
//
// Views are given made (setViews) or as makers (setDeferredViews). A deferred view is made
// only when its place comes near the visible part of the scrolling area, so a screen of
// thousands of views costs what is on screen; until then a blank of the estimated height holds
// its place. Once made, a view stays until the controller goes. stackedView(), isRealised()
// and isShownInViewport() tell what exists and what is on screen without making anything;
// viewRealised() reports each view as it is made.
//
// Ownership: the controller owns every view in its list that no widget holds yet. When its
// view loads, the listed views move into the stack and the view hierarchy owns them from then
// on. A listed view that never gets placed (the view never loads, or it was listed after the
// load) is deleted with the controller, or when setViews() drops it from the list.
class VStackViewController : public platform::ViewController
{
    Q_OBJECT

public:
    using ViewMaker = std::function<QWidget *()>;

    // A view made on demand. Until it is made, its place is as tall as the views made so far
    // suggest for its weight (say, its number of rows).
    struct DeferredView
    {
        ViewMaker make;
        int weight = 1;
    };

    static constexpr qreal defaultHorizontalInset = 20.0;
    // The stacked views' widest width; on a wider screen they stay this wide, centred, so a
    // row's title and value never sit a screen apart.
    static constexpr int maximumContentWidth = 760;
    // How far beyond the visible part deferred views are made ahead, in pixels.
    static constexpr int realisationMargin = 100;

    explicit VStackViewController(QObject *parent = nullptr);
    explicit VStackViewController(QList<QWidget *> views, QObject *parent = nullptr);
    ~VStackViewController() override;

    // Every view of the list, in stack order (places whose maker gave nothing left out).
    // Reading it makes the views not made yet, so a host that only shows the screen should
    // not: on screen, views are made as they come near the visible part.
    QList<QWidget *> views();
    // Replaces the list. Once the view has loaded, the stack on screen stays as it was.
    void setViews(QList<QWidget *> views);
    // Replaces the list with views made on demand; a maker may return null for "nothing".
    // Once the view has loaded, the stack on screen stays as it was (places whose view was
    // not made by then stay blank).
    void setDeferredViews(std::vector<DeferredView> views);

    // Entries of the list, made or not.
    int stackedViewCount() const { return int(m_entries.size()); }
    // The view at index once made; null before, or when its maker gave nothing.
    QWidget *stackedView(int index) const;
    bool isRealised(int index) const;
    // Makes the view at index now if it is not made yet (placed in the stack when the view
    // is loaded) and returns it.
    QWidget *realiseView(int index);
    // True when view (a stacked view or anything inside one) is made, shown and at least
    // partly inside the visible part of the scrolling area.
    bool isShownInViewport(const QWidget *view) const;
    // Hides or shows the place of the view at index, made or not. A hidden place takes no
    // room, and a deferred view is not made while its place stays hidden.
    void setPlaceShown(int index, bool shown);
    bool isPlaceShown(int index) const;
    // The widget holding every place (inside the scrolling area); null before the view loads.
    QWidget *placesView() const;

    qreal horizontalInset() const { return m_horizontalInset; }
    // Read when the view loads; a later change leaves the margins as they are.
    void setHorizontalInset(qreal inset) { m_horizontalInset = inset; }

    // Connected when the view loads; null before.
    QVBoxLayout *contentStackView = nullptr;
    platform::LayoutConstraint *leadingSpaceConstraint = nullptr;
    platform::LayoutConstraint *trailingSpaceConstraint = nullptr;

signals:
    // A deferred view was made (view may be null when its maker gave nothing).
    void viewRealised(int index, QWidget *view);

protected:
    void loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> view;
        ViewMaker make;           // empty for views given made, and once made
        QPointer<QWidget> holder; // keeps a deferred view's place in the stack
        int weight = 1;
        bool hidden = false;
    };

    QWidget *place(const Entry &entry) const;
    // A place's rectangle in the coordinates of placesView().
    QRect placeGeometry(const QWidget *place) const;
    QWidget *addBlock();
    void syncBlockShown(QWidget *block);
    const std::vector<int> &shownDeferred();
    void deleteUnplaced(const QList<QWidget *> &keep);
    void forgetScreenEntries();
    void placeInHolder(Entry &entry);
    void realiseNearViewport();
    void syncContentGeometry();
    std::vector<int> unrealisedNear(int top, int bottom);
    QWidget *firstPlaceFrom(int top);
    void estimateUnrealisedHeights();

    std::vector<Entry> m_entries;
    // Deferred places sit in blocks of a few dozen, not all side by side: Qt walks the later
    // siblings of every repainted widget's ancestors, which over a thousand places costs more
    // than painting a changed row.
    std::vector<QPointer<QWidget>> m_blocks;
    std::vector<int> m_deferred; // indexes of entries with a holder, in stack order
    // Those of m_deferred whose place shows; rebuilt after a place is hidden or shown.
    std::vector<int> m_shownDeferred;
    bool m_shownDeferredStale = true;
    QPointer<QScrollArea> m_scrollView;
    qreal m_horizontalInset = defaultHorizontalInset;
    bool m_realising = false;
    bool m_measured = false;
};

} // namespace NequoraUI
