#include "FoldMemory.h"

#include "CollapsibleSectionView.h"

#include <QLabel>

namespace NequoraUI {

QString FoldMemory::key(int index, const QString &group)
{
    return QString::number(index) + QLatin1Char('/') + group;
}

bool FoldMemory::isFolded(int index, bool initially) const
{
    return m_folded.value(key(index, {}), initially);
}

void FoldMemory::follow(int index, QWidget *section)
{
    auto *top = qobject_cast<CollapsibleSectionView *>(section);
    if (!top)
        return;
    connect(top, &CollapsibleSectionView::expandedChanged, this,
            [this, index](bool expanded) { m_folded.insert(key(index, {}), !expanded); });
    for (auto *group : top->findChildren<CollapsibleSectionView *>()) {
        const QString groupKey = key(index, group->titleLabel->text());
        if (const auto it = m_folded.constFind(groupKey); it != m_folded.constEnd())
            group->setExpanded(!*it);
        connect(group, &CollapsibleSectionView::expandedChanged, this,
                [this, groupKey](bool expanded) { m_folded.insert(groupKey, !expanded); });
    }
}

} // namespace NequoraUI
