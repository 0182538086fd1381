#pragma once

#include "platform/ViewController.h"

#include <QList>
#include <QPointer>

class QVBoxLayout;
class QWidget;

namespace NequoraUI {

namespace platform {
class LayoutConstraint;
}

// A screen showing a list of views one below the other, in a scrolling area.
//
// Ownership: the controller owns every view in its list that no widget holds yet. When its
// view loads, the listed views move into the stack and the view hierarchy owns them from then
// on. A listed view that never gets placed (the view never loads, or it was listed after the
// load) is deleted with the controller, or when setViews() drops it from the list.
class VStackViewController : public platform::ViewController
{
    Q_OBJECT

public:
    static constexpr qreal defaultHorizontalInset = 20.0;

    explicit VStackViewController(QObject *parent = nullptr);
    explicit VStackViewController(QList<QWidget *> views, QObject *parent = nullptr);
    ~VStackViewController() override;

    QList<QWidget *> views() const;
    // Replaces the list. Once the view has loaded, the stack on screen stays as it was.
    void setViews(QList<QWidget *> views);

    qreal horizontalInset() const { return m_horizontalInset; }
    // Read when the view loads; a later change leaves the margins as they are.
    void setHorizontalInset(qreal inset) { m_horizontalInset = inset; }

    // Connected when the view loads; null before.
    QVBoxLayout *contentStackView = nullptr;
    platform::LayoutConstraint *leadingSpaceConstraint = nullptr;
    platform::LayoutConstraint *trailingSpaceConstraint = nullptr;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    void deleteUnplaced(const QList<QWidget *> &keep);

    QList<QPointer<QWidget>> m_views;
    qreal m_horizontalInset = defaultHorizontalInset;
};

} // namespace NequoraUI
