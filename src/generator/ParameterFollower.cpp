#include "ParameterFollower.h"

#include "ParameterBinding.h"
#include "VStackViewController.h"
#include "platform/DisplayLink.h"

#include <QEvent>
#include <QScrollArea>

namespace NequoraUI {

ParameterFollower::ParameterFollower(VStackViewController *stack, QScrollArea *scrollArea,
                                     QObject *parent)
    : QObject(parent), m_scrollArea(scrollArea)
{
    // One slot per place in the stack, filled as its section is made.
    m_sections.resize(size_t(stack->stackedViewCount()));
    for (int i = 0; i < stack->stackedViewCount(); ++i)
        addSection(i, stack->madeView(i));
    // Sections come and go as the user scrolls, and so do the rows of long ones.
    connect(stack, &VStackViewController::viewRealised, this, &ParameterFollower::addSection);
    connect(stack, &VStackViewController::viewContentChanged, this, &ParameterFollower::addSection);
    connect(stack, &VStackViewController::viewReleased, this, [this](int index) {
        if (index >= 0 && size_t(index) < m_sections.size())
            m_sections[size_t(index)] = {};
    });
    m_displayLink = new platform::DisplayLink(
        this, [this] { followVisibleRows(); }, this);
    // Scheduled only while the screen shows, so hidden pages cost no frames.
    scrollArea->installEventFilter(this);
    if (scrollArea->isVisible())
        m_displayLink->addToRunLoop();
}

ParameterFollower::~ParameterFollower()
{
    if (m_displayLink)
        m_displayLink->invalidate();
}

void ParameterFollower::addSection(int index, QWidget *section)
{
    if (!section || index < 0 || size_t(index) >= m_sections.size())
        return;
    Section &entry = m_sections[size_t(index)];
    entry.widget = section;
    entry.rows.clear();
    addBoundRows(section, entry.rows);
}

void ParameterFollower::addBoundRows(const QObject *parent, std::vector<QPointer<QWidget>> &rows)
{
    for (QObject *child : parent->children()) {
        if (!child->isWidgetType())
            continue;
        auto *widget = static_cast<QWidget *>(child);
        if (ParameterBinding::of(widget))
            rows.emplace_back(widget);
        else
            addBoundRows(widget, rows);
    }
}

void ParameterFollower::followVisibleRows()
{
    m_followed = 0;
    auto *scrollArea = qobject_cast<QScrollArea *>(m_scrollArea.data());
    QWidget *content = scrollArea ? scrollArea->widget() : nullptr;
    if (!content || !content->isVisible())
        return;
    // The part of the content the viewport shows, in the content's coordinates.
    QWidget *viewport = scrollArea->viewport();
    const QRect seen(content->mapFrom(viewport, QPoint()), viewport->size());
    for (const Section &section : m_sections) {
        QWidget *widget = section.widget;
        if (!widget || !widget->isVisible())
            continue;
        // A made section may sit inside the place that held it.
        const QRect bounds(widget->mapTo(content, QPoint()), widget->size());
        // Shown sections lie in scroll order: the rest are further down.
        if (bounds.top() > seen.bottom())
            break;
        if (!bounds.intersects(seen))
            continue;
        QWidget *rowParent = nullptr;
        QPoint offset;
        for (const QPointer<QWidget> &kept : section.rows) {
            QWidget *row = kept;
            // Rows of a folded or filtered-out part are not visible.
            if (!row || !row->isVisible())
                continue;
            if (row->parentWidget() != rowParent) {
                rowParent = row->parentWidget();
                offset = rowParent->mapTo(content, QPoint());
            }
            if (!QRect(row->pos() + offset, row->size()).intersects(seen))
                continue;
            if (ParameterBinding *binding = ParameterBinding::of(row)) {
                ++m_followed;
                binding->follow();
            }
        }
    }
}

bool ParameterFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollArea && m_displayLink) {
        if (event->type() == QEvent::Show)
            m_displayLink->addToRunLoop();
        else if (event->type() == QEvent::Hide)
            m_displayLink->removeFromRunLoop();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace NequoraUI
