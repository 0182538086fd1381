#include "VStackViewController.h"

#include "platform/Interface.h"
#include "platform/LayoutConstraint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QScrollArea>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

namespace NequoraUI {

VStackViewController::VStackViewController(QObject *parent) : platform::ViewController(parent) {}

VStackViewController::VStackViewController(QList<QWidget *> views, QObject *parent)
    : platform::ViewController(parent)
{
    setViews(std::move(views));
}

VStackViewController::~VStackViewController()
{
    deleteUnplaced({});
}

int VStackViewController::stackedViewCount() const
{
    return m_places ? m_places->count() : int(m_views.size());
}

QList<QWidget *> VStackViewController::views()
{
    QList<QWidget *> result;
    result.reserve(stackedViewCount());
    // By index, not by iterator: a maker may reach back into the controller.
    for (int index = 0; index < stackedViewCount(); ++index)
        if (QWidget *view = realiseView(index))
            result.append(view);
    return result;
}

void VStackViewController::setViews(QList<QWidget *> views)
{
    deleteUnplaced(views);
    retirePlaces();
    m_views.clear();
    m_views.reserve(views.size());
    for (QWidget *view : views)
        m_views.append(view);
    m_hidden.assign(size_t(views.size()), false);
}

void VStackViewController::setDeferredViews(std::vector<DeferredView> views)
{
    deleteUnplaced({});
    retirePlaces();
    m_views.clear();
    m_hidden.clear();
    std::vector<LazyPlaces::Place> places;
    places.reserve(views.size());
    for (auto &view : views)
        places.push_back({std::move(view.make), view.weight, view.releasable});
    m_places = new LazyPlaces(std::move(places), this);
    m_places->setReleasesFarViews(m_releasesFarViews);
    connect(m_places, &LazyPlaces::viewMade, this, &VStackViewController::viewRealised);
    connect(m_places, &LazyPlaces::viewReleased, this, &VStackViewController::viewReleased);
    connect(m_places, &LazyPlaces::viewContentChanged, this,
            &VStackViewController::viewContentChanged);
}

void VStackViewController::retirePlaces()
{
    if (!m_places)
        return;
    if (isViewLoaded()) {
        // The screen keeps what it showed; places not made by now stay blank.
        m_places->freeze();
        m_places->disconnect(this);
    } else {
        delete m_places;
    }
    m_places = nullptr;
}

QWidget *VStackViewController::stackedView(int index) const
{
    if (m_places) {
        m_places->pin(index);
        return m_places->view(index);
    }
    return madeView(index);
}

QWidget *VStackViewController::madeView(int index) const
{
    if (m_places)
        return m_places->view(index);
    return index >= 0 && index < stackedViewCount() ? m_views[index].data() : nullptr;
}

bool VStackViewController::isRealised(int index) const
{
    if (m_places)
        return m_places->isMade(index);
    return index >= 0 && index < stackedViewCount();
}

QWidget *VStackViewController::realiseView(int index)
{
    if (!m_places)
        return madeView(index);
    QWidget *view = m_places->make(index);
    m_places->pin(index);
    return view;
}

void VStackViewController::setReleasesFarViews(bool releases)
{
    m_releasesFarViews = releases;
    if (m_places)
        m_places->setReleasesFarViews(releases);
}

bool VStackViewController::isShownInViewport(const QWidget *view) const
{
    if (!view || !m_scrollView || !view->isVisible() ||
        !m_scrollView->viewport()->isAncestorOf(view))
        return false;
    const QRect inViewport(view->mapTo(m_scrollView->viewport(), QPoint()), view->size());
    return inViewport.intersects(m_scrollView->viewport()->rect());
}

void VStackViewController::setPlaceShown(int index, bool shown)
{
    if (m_places) {
        m_places->setShown(index, shown);
        return;
    }
    if (index < 0 || index >= stackedViewCount() || m_hidden[size_t(index)] == !shown)
        return;
    m_hidden[size_t(index)] = !shown;
    // Before the view loads there is no place yet: the flag is read when it is made.
    if (QWidget *view = m_views[index]; view && view->parentWidget())
        view->setVisible(shown);
}

void VStackViewController::settlePlaces()
{
    if (m_places) {
        m_places->settle();
        return;
    }
    QWidget *content = m_scrollView ? m_scrollView->widget() : nullptr;
    if (!content)
        return;
    if (QLayout *layout = content->layout())
        layout->activate();
    // The scrolling area sizes its content, and sets its scroll bar, on a layout request.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_scrollView, &request);
}

bool VStackViewController::isPlaceShown(int index) const
{
    if (m_places)
        return m_places->isShown(index);
    return index >= 0 && index < stackedViewCount() && !m_hidden[size_t(index)];
}

QWidget *VStackViewController::placesView() const
{
    return m_scrollView ? m_scrollView->widget() : nullptr;
}

void VStackViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->setObjectName(QStringLiteral("VStackViewController"));
    const auto ui = platform::Interface::load(QStringLiteral("VStackViewController"), view.get());
    // No style sheet over the rows: Qt gives every widget under one a style-sheet style of its
    // own, polished rule by rule, which cost a row several times a plain form's row in time
    // and tens of kilobytes. The rows, cards and titles paint their look from the palette.
    contentStackView = ui.outlet<QVBoxLayout>("contentStackView");
    m_scrollView = ui.outlet<QScrollArea>("scrollView");
    // A view rebuilt after its window destroyed it gets constraints of its own.
    delete leadingSpaceConstraint;
    delete trailingSpaceConstraint;
    leadingSpaceConstraint = new platform::LayoutConstraint(
        contentStackView, platform::LayoutConstraint::Edge::Left, this);
    trailingSpaceConstraint = new platform::LayoutConstraint(
        contentStackView, platform::LayoutConstraint::Edge::Right, this);
    setView(view.release());
}

void VStackViewController::viewDidLoad()
{
    platform::ViewController::viewDidLoad();
    leadingSpaceConstraint->setConstant(m_horizontalInset);
    trailingSpaceConstraint->setConstant(m_horizontalInset);
    // The scroll area centres its content once the content stops growing with it.
    const QMargins insets = contentStackView->contentsMargins();
    m_scrollView->widget()->setMaximumWidth(maximumContentWidth + insets.left() + insets.right());
    m_scrollView->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (m_places) {
        m_places->placeIn(contentStackView);
        remeasureContent();
        // Views are made as the visible part moves or grows, before it is painted.
        m_places->watch(m_scrollView);
        return;
    }
    for (qsizetype index = 0; index < m_views.size(); ++index) {
        if (QWidget *view = m_views[index]) {
            contentStackView->addWidget(view);
            if (m_hidden[size_t(index)])
                view->hide();
        }
    }
    remeasureContent();
    // Polished now, in one pass over the posted events, rather than one by one as they show.
    // Every widget made posts itself a polish request, which stays queued until the event loop
    // runs even though showing polishes the widget; and Qt merges each layout request it posts
    // to a widget with one of its own already queued by looking through the whole queue. A
    // stack of thousands of rows made at once would otherwise have every row, as its content
    // shows, look through the polish requests of all the others.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
}

// Qt marks only the layout an item went into as changed, not the layouts holding it: the
// content's own layout keeps the size it measured when the scrolling area took the content,
// still empty. The area sizes its content from that measure as the window first shows, so
// every view would be laid out squeezed into the viewport's height, at the width of a viewport
// without a scroll bar, and then again at its own height once the content's layout runs.
void VStackViewController::remeasureContent()
{
    for (QLayout *level = contentStackView; level; level = qobject_cast<QLayout *>(level->parent()))
        level->invalidate();
}

void VStackViewController::deleteUnplaced(const QList<QWidget *> &keep)
{
    const QSet<QWidget *> kept(keep.begin(), keep.end());
    for (const auto &view : m_views)
        if (view && !view->parentWidget() && !kept.contains(view.data()))
            delete view.data();
}

} // namespace NequoraUI
