#include "NavigationItem.h"

#include "BarButtonItem.h"

namespace NequoraUI::platform {

NavigationItem::NavigationItem(QObject *parent) : QObject(parent) {}

QString NavigationItem::title() const
{
    return m_title;
}

void NavigationItem::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

BarButtonItem *NavigationItem::rightBarButtonItem() const
{
    return m_rightBarButtonItem;
}

void NavigationItem::setRightBarButtonItem(BarButtonItem *item)
{
    if (item == m_rightBarButtonItem)
        return;
    if (m_rightBarButtonItem && m_rightBarButtonItem->parent() == this)
        m_rightBarButtonItem->deleteLater();
    m_rightBarButtonItem = item;
    if (item && !item->parent())
        item->setParent(this);
    emit rightBarButtonItemChanged();
}

} // namespace NequoraUI::platform
