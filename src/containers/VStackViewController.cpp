#include "VStackViewController.h"

#include "platform/Interface.h"
#include "platform/LayoutConstraint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace NequoraUI {

namespace {

// The blank's height before any deferred view was measured.
constexpr int initialEstimate = 400;
// Deferred places per block.
constexpr int placesPerBlock = 32;

void holdPlace(QWidget *holder, int height)
{
    holder->setFixedHeight(height);
}

} // namespace

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

QList<QWidget *> VStackViewController::views()
{
    QList<QWidget *> result;
    result.reserve(qsizetype(m_entries.size()));
    // By index, not by iterator: a maker may reach back into the controller.
    for (int index = 0; index < stackedViewCount(); ++index)
        if (QWidget *view = realiseView(index))
            result.append(view);
    return result;
}

void VStackViewController::setViews(QList<QWidget *> views)
{
    deleteUnplaced(views);
    forgetScreenEntries();
    m_entries.clear();
    m_entries.reserve(size_t(views.size()));
    for (QWidget *view : views)
        m_entries.push_back({view, {}, {}, 1});
}

void VStackViewController::setDeferredViews(std::vector<DeferredView> views)
{
    deleteUnplaced({});
    forgetScreenEntries();
    m_entries.clear();
    m_entries.reserve(views.size());
    for (auto &view : views)
        m_entries.push_back({{}, std::move(view.make), {}, std::max(1, view.weight)});
}

QWidget *VStackViewController::stackedView(int index) const
{
    return index >= 0 && index < stackedViewCount() ? m_entries[size_t(index)].view : nullptr;
}

bool VStackViewController::isRealised(int index) const
{
    return index >= 0 && index < stackedViewCount() && !m_entries[size_t(index)].make;
}

QWidget *VStackViewController::realiseView(int index)
{
    if (index < 0 || index >= stackedViewCount())
        return nullptr;
    Entry &entry = m_entries[size_t(index)];
    if (!entry.make)
        return entry.view;
    // Cleared first: a maker that reaches back into the controller finds the entry made.
    const ViewMaker make = std::exchange(entry.make, {});
    entry.view = make();
    placeInHolder(entry);
    emit viewRealised(index, entry.view);
    return entry.view;
}

bool VStackViewController::isShownInViewport(const QWidget *view) const
{
    if (!view || !m_scrollView || !view->isVisible() ||
        !m_scrollView->viewport()->isAncestorOf(view))
        return false;
    const QRect inViewport(view->mapTo(m_scrollView->viewport(), QPoint()), view->size());
    return inViewport.intersects(m_scrollView->viewport()->rect());
}

QWidget *VStackViewController::place(const Entry &entry) const
{
    return entry.holder ? entry.holder.data() : entry.view.data();
}

QRect VStackViewController::placeGeometry(const QWidget *place) const
{
    QRect rect = place->geometry();
    if (const QWidget *parent = place->parentWidget(); parent && parent != placesView())
        rect.translate(parent->pos());
    return rect;
}

QWidget *VStackViewController::addBlock()
{
    auto *block = new QWidget;
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(contentStackView->spacing());
    contentStackView->addWidget(block);
    m_blocks.emplace_back(block);
    return block;
}

// A block with no place shown is hidden, so it adds no spacing of its own.
void VStackViewController::syncBlockShown(QWidget *block)
{
    QLayout *layout = block ? block->layout() : nullptr;
    if (!layout)
        return;
    bool shown = false;
    for (int i = 0; i < layout->count() && !shown; ++i)
        if (QWidget *place = layout->itemAt(i)->widget())
            shown = !place->isHidden();
    if (block->isHidden() == shown)
        block->setVisible(shown);
}

void VStackViewController::setPlaceShown(int index, bool shown)
{
    if (index < 0 || index >= stackedViewCount())
        return;
    Entry &entry = m_entries[size_t(index)];
    if (entry.hidden == !shown)
        return;
    entry.hidden = !shown;
    m_shownDeferredStale = true;
    // Before the view loads there is no place yet: the flag is read when it is made.
    if (QWidget *widget = place(entry); widget && widget->parentWidget()) {
        widget->setVisible(shown);
        if (widget->parentWidget() != placesView())
            syncBlockShown(widget->parentWidget());
    }
}

bool VStackViewController::isPlaceShown(int index) const
{
    return index >= 0 && index < stackedViewCount() && !m_entries[size_t(index)].hidden;
}

QWidget *VStackViewController::placesView() const
{
    return m_scrollView ? m_scrollView->widget() : nullptr;
}

const std::vector<int> &VStackViewController::shownDeferred()
{
    if (m_shownDeferredStale) {
        m_shownDeferred.clear();
        for (int index : m_deferred)
            if (!m_entries[size_t(index)].hidden)
                m_shownDeferred.push_back(index);
        m_shownDeferredStale = false;
    }
    return m_shownDeferred;
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
    m_deferred.clear();
    m_blocks.clear();
    QWidget *block = nullptr;
    int blockPlaces = 0;
    for (size_t index = 0; index < m_entries.size(); ++index) {
        Entry &entry = m_entries[index];
        if (!entry.make && !entry.holder) {
            if (entry.view) {
                contentStackView->addWidget(entry.view);
                if (entry.hidden)
                    entry.view->hide();
                // The places after it go in a block of their own, so the order stays.
                block = nullptr;
            }
            continue;
        }
        if (!block || blockPlaces == placesPerBlock) {
            block = addBlock();
            blockPlaces = 0;
        }
        entry.holder = new QWidget;
        holdPlace(entry.holder, initialEstimate);
        block->layout()->addWidget(entry.holder);
        ++blockPlaces;
        // Shown now, not when the layout gets round to it, so it has its place at once.
        entry.holder->setVisible(!entry.hidden);
        m_deferred.push_back(int(index));
    }
    for (const auto &each : m_blocks)
        syncBlockShown(each);
    m_shownDeferredStale = true;
    if (m_deferred.empty())
        return;
    // Views are made as the visible part moves or grows, before it is painted.
    m_scrollView->viewport()->installEventFilter(this);
    m_scrollView->widget()->installEventFilter(this);
    connect(m_scrollView->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &VStackViewController::realiseNearViewport);
}

bool VStackViewController::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
        if (m_scrollView &&
            (watched == m_scrollView->viewport() || watched == m_scrollView->widget()))
            realiseNearViewport();
        break;
    default:
        break;
    }
    return platform::ViewController::eventFilter(watched, event);
}

void VStackViewController::placeInHolder(Entry &entry)
{
    if (!entry.holder || entry.make)
        return;
    // Made: the holder now follows the view's own size, folding included.
    entry.holder->setMinimumHeight(0);
    entry.holder->setMaximumHeight(QWIDGETSIZE_MAX);
    auto *layout = new QVBoxLayout(entry.holder);
    layout->setContentsMargins(0, 0, 0, 0);
    if (entry.view) {
        layout->addWidget(entry.view);
        // A layout shows a new child only later; this one must be in the coming frame.
        entry.view->show();
    } else {
        holdPlace(entry.holder, 0);
    }
}

void VStackViewController::realiseNearViewport()
{
    if (m_realising || !m_scrollView || m_deferred.empty())
        return;
    // A place gone means the screen is being torn down: nothing more is made.
    if (std::any_of(m_deferred.begin(), m_deferred.end(),
                    [this](int index) { return !m_entries[size_t(index)].holder; })) {
        m_deferred.clear();
        m_shownDeferredStale = true;
        return;
    }
    m_realising = true;
    QScrollBar *bar = m_scrollView->verticalScrollBar();
    // Bounded: each round makes at least one view, and a few rounds settle any estimate.
    for (int round = 0; round < 64; ++round) {
        syncContentGeometry();
        const int top = bar->value();
        std::vector<int> due = unrealisedNear(top, top + m_scrollView->viewport()->height());
        if (due.empty())
            break;
        // Until one view is measured the places are guesses: make one, then look again.
        if (!m_measured)
            due.resize(1);
        // What is on screen stays where it is while places above it change height (made, or
        // estimated anew): the first place reaching into the visible part keeps its offset.
        QWidget *anchor = firstPlaceFrom(top);
        const int offset = anchor ? placeGeometry(anchor).y() - top : 0;
        for (int index : due)
            realiseView(index);
        estimateUnrealisedHeights();
        syncContentGeometry();
        if (anchor && placeGeometry(anchor).y() - offset != top)
            bar->setValue(placeGeometry(anchor).y() - offset);
    }
    m_realising = false;
}

// Hidden places keep the geometry they last had, so only shown ones are searched.
QWidget *VStackViewController::firstPlaceFrom(int top)
{
    const auto &shown = shownDeferred();
    const auto first = std::partition_point(shown.begin(), shown.end(), [&](int index) {
        return placeGeometry(m_entries[size_t(index)].holder).bottom() < top;
    });
    return first == shown.end() ? nullptr : m_entries[size_t(*first)].holder.data();
}

void VStackViewController::syncContentGeometry()
{
    QWidget *content = m_scrollView->widget();
    // The blocks first: their sizes are what the content lays out.
    for (const auto &block : m_blocks)
        if (block && !block->isHidden())
            block->layout()->activate();
    if (content->layout())
        content->layout()->activate();
    // The scroll area resizes its widget on a layout request; asked here, not in a later
    // pass, so the frame about to be painted has every place where it belongs.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_scrollView, &request);
    // A content not shown yet gets its resize event only when shown: place its views now.
    if (content->layout())
        content->layout()->setGeometry(content->rect());
    for (const auto &block : m_blocks)
        if (block && !block->isHidden())
            block->layout()->setGeometry(block->rect());
}

std::vector<int> VStackViewController::unrealisedNear(int top, int bottom)
{
    const int from = top - realisationMargin;
    const int to = bottom + realisationMargin;
    // Shown holders are in stack order, so their places only grow downwards.
    const auto &shown = shownDeferred();
    const auto first = std::partition_point(shown.begin(), shown.end(), [&](int index) {
        return placeGeometry(m_entries[size_t(index)].holder).bottom() < from;
    });
    std::vector<int> due;
    for (auto it = first; it != shown.end(); ++it) {
        const Entry &entry = m_entries[size_t(*it)];
        if (placeGeometry(entry.holder).y() > to)
            break;
        if (entry.make)
            due.push_back(*it);
    }
    return due;
}

void VStackViewController::estimateUnrealisedHeights()
{
    qint64 height = 0;
    qint64 weight = 0;
    for (int index : m_deferred) {
        const Entry &entry = m_entries[size_t(index)];
        if (!entry.make && entry.view) {
            height += entry.holder->sizeHint().height();
            weight += entry.weight;
        }
    }
    if (weight == 0)
        return;
    m_measured = true;
    const qreal perWeight = qreal(height) / qreal(weight);
    for (int index : m_deferred) {
        const Entry &entry = m_entries[size_t(index)];
        if (entry.make)
            holdPlace(entry.holder, qRound(perWeight * entry.weight));
    }
}

void VStackViewController::forgetScreenEntries()
{
    // The screen keeps what it showed; places not made by now stay blank.
    m_deferred.clear();
    m_shownDeferredStale = true;
}

void VStackViewController::deleteUnplaced(const QList<QWidget *> &keep)
{
    if (m_entries.empty())
        return;
    const QSet<QWidget *> kept(keep.begin(), keep.end());
    for (const auto &entry : m_entries)
        if (entry.view && !entry.view->parentWidget() && !kept.contains(entry.view.data()))
            delete entry.view.data();
}

} // namespace NequoraUI
