#pragma once

#include "platform/LayoutHints.h"
#include "platform/PassedOn.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <optional>

class QGraphicsOpacityEffect;

namespace NequoraUI {

// Holds a collapsible section's content and lets it fold: the content always keeps its natural
// size (never squashed), and this view shows only the revealed fraction of its height, faded by
// an opacity. While the content is hidden during a fold, a picture of it taken just before
// stands in for it, so it can fade out although it is no longer shown. The contents margins
// are room around the content that folds with it.
class FoldingClipView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal revealed READ revealed WRITE setRevealed)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    // Takes content over as a child.
    explicit FoldingClipView(QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }

    // The shown fraction of the content's natural height, 0 to 1.
    qreal revealed() const { return m_revealed; }
    void setRevealed(qreal revealed);

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    void takeSnapshot();
    void dropSnapshot();
    bool hasSnapshot() const { return !m_snapshot.isNull(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Heights for the view's width and for the content's (the width less the margins).
    int naturalHeight(int width) const;
    int contentHeight(int width) const;
    int revealedHeight(int naturalHeight) const;
    void placeContent();

    QPointer<QWidget> m_content;
    QPointer<QGraphicsOpacityEffect> m_opacityEffect;
    QPixmap m_snapshot;
    qreal m_revealed = 1.0;
    qreal m_opacity = 1.0;
    // Empty until the first layout request, which goes unless the section's layout holds
    // the hints already.
    platform::PassedOn<platform::LayoutHints> m_passedHints;
};

} // namespace NequoraUI
