#include "SegmentedControlAccessible.h"

#include "SegmentedControl.h"

namespace NequoraUI::platform {

namespace {

class SegmentAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SegmentAccessible(SegmentedControlAccessible *list, int index) : m_list(list), m_index(index) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    // A segment removed since stays registered but reports itself gone.
    bool isValid() const override
    {
        return m_list->isValid() && m_index < m_list->control()->numberOfSegments();
    }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return m_list; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_list->control()->titleForSegment(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const SegmentedControl *control = m_list->control();
        const QRect local = control->segmentRect(m_index);
        return QRect(control->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state = m_list->state();
        state.focused = false;
        state.focusable = false;
        state.selectable = true;
        state.selected = m_list->control()->selectedSegmentIndex() == m_index;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            m_list->control()->selectAsUser(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    SegmentedControlAccessible *m_list;
    const int m_index;
};

} // namespace

SegmentedControlAccessible::SegmentedControlAccessible(SegmentedControl *control)
    : QAccessibleWidget(control, QAccessible::PageTabList)
{}

SegmentedControlAccessible::~SegmentedControlAccessible()
{
    for (QAccessible::Id id : std::as_const(m_segments))
        QAccessible::deleteAccessibleInterface(id);
}

SegmentedControl *SegmentedControlAccessible::control() const
{
    return static_cast<SegmentedControl *>(widget());
}

int SegmentedControlAccessible::childCount() const
{
    return control()->numberOfSegments();
}

QAccessibleInterface *SegmentedControlAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_segments.constFind(index); found != m_segments.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *segment = new SegmentAccessible(const_cast<SegmentedControlAccessible *>(this), index);
    m_segments.insert(index, QAccessible::registerAccessibleInterface(segment));
    return segment;
}

int SegmentedControlAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_segments.cbegin(); it != m_segments.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    }
    return -1;
}

QAccessibleInterface *SegmentedControlAccessible::childAt(int x, int y) const
{
    return child(control()->segmentAt(control()->mapFromGlobal(QPoint(x, y))));
}

QString SegmentedControlAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return control()->titleForSegment(control()->selectedSegmentIndex());
    return QAccessibleWidget::text(t);
}

} // namespace NequoraUI::platform
