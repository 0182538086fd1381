#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace NequoraUI::platform {

class BarButtonItem;

// What a navigation bar shows for a controller: its title and an optional right button.
class NavigationItem : public QObject
{
    Q_OBJECT

public:
    explicit NavigationItem(QObject *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);

    BarButtonItem *rightBarButtonItem() const;
    // Takes ownership of an item without parent; a previous item this one owned is deleted later.
    void setRightBarButtonItem(BarButtonItem *item);

signals:
    void titleChanged(const QString &title);
    void rightBarButtonItemChanged();

private:
    QString m_title;
    QPointer<BarButtonItem> m_rightBarButtonItem;
};

} // namespace NequoraUI::platform
