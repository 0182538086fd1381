#pragma once

#include "LazyPlaces.h"
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
// its place (LazyPlaces). A deferred view far from the visible part is released again and made
// anew when it comes back, unless a host holds it: every view handed out by views(),
// realiseView() or stackedView() is pinned and stays until the controller goes.
// isRealised() and isShownInViewport() tell what exists and what is on screen without making
// anything; viewRealised() and viewReleased() report each view as it is made and let go.
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
        // False for a view holding what cannot be made again (a player, a recording).
        bool releasable = true;
    };

    static constexpr qreal defaultHorizontalInset = 20.0;
    // The stacked views' widest width; on a wider screen they stay this wide, centred, so a
    // row's title and value never sit a screen apart.
    static constexpr int maximumContentWidth = 760;
    // How far beyond the visible part deferred views are made ahead, in pixels.
    static constexpr int realisationMargin = LazyPlaces::realisationMargin;

    explicit VStackViewController(QObject *parent = nullptr);
    explicit VStackViewController(QList<QWidget *> views, QObject *parent = nullptr);
    ~VStackViewController() override;

    // Every view of the list, in stack order (places whose maker gave nothing left out), all
    // pinned. Reading it makes the views not made yet, so a host that only shows the screen
    // should not: on screen, views are made as they come near the visible part.
    QList<QWidget *> views();
    // Replaces the list. Once the view has loaded, the stack on screen stays as it was.
    void setViews(QList<QWidget *> views);
    // Replaces the list with views made on demand; a maker may return null for "nothing".
    // Once the view has loaded, the stack on screen stays as it was (places whose view was
    // not made by then stay blank).
    void setDeferredViews(std::vector<DeferredView> views);

    // Entries of the list, made or not.
    int stackedViewCount() const;
    // The view at index while it is made, pinned; null before, after a release, or when its
    // maker gave nothing.
    QWidget *stackedView(int index) const;
    // The same without pinning it, for the screen's own parts that let go of it on
    // viewReleased().
    QWidget *madeView(int index) const;
    bool isRealised(int index) const;
    // Makes the view at index now if it is not made yet (placed in the stack when the view
    // is loaded), pins it and returns it.
    QWidget *realiseView(int index);
    // Deferred views far from the visible part are released (on by default).
    bool releasesFarViews() const { return m_releasesFarViews; }
    void setReleasesFarViews(bool releases);
    // True when view (a stacked view or anything inside one) is made, shown and at least
    // partly inside the visible part of the scrolling area.
    bool isShownInViewport(const QWidget *view) const;
    // Hides or shows the place of the view at index, made or not. A hidden place takes no
    // room, and a deferred view is not made while its place stays hidden.
    void setPlaceShown(int index, bool shown);
    bool isPlaceShown(int index) const;
    // After places (or rows inside made views) were shown or hidden: lays the stack out now,
    // up to the scroll bar, and makes what comes into view.
    void settlePlaces();
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
    // A deferred view was made (view may be null when its maker gave nothing), for the first
    // time or again after a release.
    void viewRealised(int index, QWidget *view);
    // The deferred view at index was deleted, being far from the visible part.
    void viewReleased(int index);
    // Rows inside the made view at index were made or released (a section whose rows come
    // as they are needed).
    void viewContentChanged(int index, QWidget *view);

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    void deleteUnplaced(const QList<QWidget *> &keep);
    // After the stack was filled: the layouts around it measure it anew.
    void remeasureContent();
    // Places on screen stay as they are; the others go with their makers.
    void retirePlaces();

    // The views given made, or the places of deferred ones (then views is empty).
    QList<QPointer<QWidget>> m_views;
    std::vector<bool> m_hidden;
    LazyPlaces *m_places = nullptr;
    QPointer<QScrollArea> m_scrollView;
    qreal m_horizontalInset = defaultHorizontalInset;
    bool m_releasesFarViews = true;
};

} // namespace NequoraUI
