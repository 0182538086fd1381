#pragma once

#include <QPointer>
#include <QWidget>

class QVariantAnimation;

namespace NequoraUI::platform {

// The layer a presented controller's view lives in while it is presented: it covers its host
// (the presenter's window) exactly, dims what lies below and slides the content up from the
// bottom edge as it appears.
class PresentationOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit PresentationOverlay(QWidget *host);

    // The presented view; the overlay becomes its parent.
    void setContent(QWidget *content);
    QWidget *content() const;

    // 0 is fully hidden (content below the bottom edge, no dimming), 1 fully shown.
    qreal progress() const;
    void setProgress(qreal progress);

    // Animates the progress to 1 (show) or 0 (hide); transitionFinished follows at the end.
    // Reversing a running transition starts from where it is.
    void animateTo(bool shown, int durationMs);
    bool isAnimating() const;

signals:
    void transitionFinished(bool shown);
    // Escape reached the overlay: nothing inside the presented view took it.
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeContent();
    void restack();

    QPointer<QWidget> m_content;
    QVariantAnimation *m_animation = nullptr;
    qreal m_progress = 0.0;
    quint64 m_sequence = 0;
};

} // namespace NequoraUI::platform
