#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace NequoraUI::platform {

class SegmentedControl;

// A segmented control as a tab list: one tab per segment, named by its title, the selected one
// marked. Pressing a tab selects it as the user would.
class SegmentedControlAccessible : public QAccessibleWidget
{
public:
    explicit SegmentedControlAccessible(SegmentedControl *control);
    ~SegmentedControlAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    SegmentedControl *control() const;

private:
    // Segment interfaces are made on demand and registered with Qt, which owns them.
    mutable QHash<int, QAccessible::Id> m_segments;
};

} // namespace NequoraUI::platform
