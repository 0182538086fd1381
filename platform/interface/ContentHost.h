#pragma once

#include "LayoutHints.h"
#include "PassedOn.h"

#include <QPointer>
#include <QWidget>

namespace NequoraUI::platform {

// A view whose interface resource puts everything in one child, contentView, that covers the
// view: the child follows the view's size as autoresizing would, and the view's size hints are
// the child's. No layout sits between the two, so a row of a long screen lays out one layout
// instead of two and each size change asks no root layout to run again.
class ContentHost : public QWidget
{
    Q_OBJECT
public:
    explicit ContentHost(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    // The child that covers this view; set once its interface is loaded.
    void setContentView(QWidget *content);
    // Call after the content's size hint changed while this view may not be shown: Qt tells a
    // shown view's layout of a new hint by itself, a hidden one's only through this.
    void contentHintChanged();

    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void passOnIfChanged();
    // Passed on whatever the hints: the next request then always goes.
    void passOn();
    QSize withinContentLimits(QSize hint) const;

    QPointer<QWidget> contentView;
    // Empty at first and after a change passed on unread: the next request goes unless the
    // layout around holds the hints already (HoldingLayout).
    PassedOn<LayoutHints> m_passedHints;
};

} // namespace NequoraUI::platform
