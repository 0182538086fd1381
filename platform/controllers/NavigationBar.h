#pragma once

#include "platform/PaletteColors.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace NequoraUI::platform {

class BarButtonItem;
class NavigationItem;

// The title bar of a navigation controller: the item's title centred, its right bar button as
// a real button at the trailing end (bold for the Done style). Follows changes of the item.
class NavigationBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int barHeight = 44;

    explicit NavigationBar(QWidget *parent = nullptr);

    void setNavigationItem(NavigationItem *item);
    NavigationItem *navigationItem() const;

    QLabel *titleLabel() const;
    // Hidden while the item has no right bar button.
    QPushButton *rightButton() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyChildColors();

    PaletteColors m_colors;
    void updateTitle();
    void updateRightButton();
    void tappedRightButton();

    QPointer<NavigationItem> m_item;
    QPointer<BarButtonItem> m_observedButtonItem;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_rightButton = nullptr;
};

} // namespace NequoraUI::platform
