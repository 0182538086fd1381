#include "PresentationOverlay.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace NequoraUI::platform {

namespace {
// Darkening of the presenter's window behind a fully shown presentation.
constexpr qreal dimmingAlpha = 0.35;
quint64 overlaysCreated = 0;
} // namespace

PresentationOverlay::PresentationOverlay(QWidget *host)
    : QWidget(host), m_sequence(++overlaysCreated)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(host->rect());
    host->installEventFilter(this);
    raise();
    show();
}

void PresentationOverlay::setContent(QWidget *content)
{
    m_content = content;
    if (!content)
        return;
    content->setParent(this);
    content->setAutoFillBackground(true);
    placeContent();
    content->show();
}

QWidget *PresentationOverlay::content() const
{
    return m_content;
}

qreal PresentationOverlay::progress() const
{
    return m_progress;
}

void PresentationOverlay::setProgress(qreal progress)
{
    m_progress = std::clamp(progress, 0.0, 1.0);
    placeContent();
    update();
}

void PresentationOverlay::animateTo(bool shown, int durationMs)
{
    const qreal target = shown ? 1.0 : 0.0;
    if (!m_animation) {
        m_animation = new QVariantAnimation(this);
        m_animation->setEasingCurve(QEasingCurve::OutCubic);
        connect(m_animation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &value) { setProgress(value.toReal()); });
        connect(m_animation, &QAbstractAnimation::finished, this,
                [this] { emit transitionFinished(m_progress >= 1.0); });
    }
    m_animation->stop();
    // A reversed transition covers only the distance left, at the same speed.
    const int duration = int(std::lround(durationMs * std::abs(target - m_progress)));
    if (duration <= 0) {
        setProgress(target);
        emit transitionFinished(shown);
        return;
    }
    m_animation->setStartValue(m_progress);
    m_animation->setEndValue(target);
    m_animation->setDuration(duration);
    m_animation->start();
}

bool PresentationOverlay::isAnimating() const
{
    return m_animation && m_animation->state() == QAbstractAnimation::Running;
}

bool PresentationOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    } else if (watched == parent() && event->type() == QEvent::ChildAdded) {
        // The new child is still being constructed: tell what it is once it is complete.
        QMetaObject::invokeMethod(this, &PresentationOverlay::restack, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void PresentationOverlay::restack()
{
    // Widgets added to the window later go below every overlay, and overlays keep the order
    // of their presentations, the latest on top.
    QList<PresentationOverlay *> overlays =
        parentWidget()->findChildren<PresentationOverlay *>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(overlays.begin(), overlays.end(),
              [](const PresentationOverlay *a, const PresentationOverlay *b) {
                  return a->m_sequence < b->m_sequence;
              });
    for (PresentationOverlay *overlay : overlays)
        overlay->raise();
}

void PresentationOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgbF(0, 0, 0, dimmingAlpha * m_progress));
}

void PresentationOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit escapePressed();
}

void PresentationOverlay::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void PresentationOverlay::placeContent()
{
    if (!m_content)
        return;
    const int offset = int(std::lround((1.0 - m_progress) * height()));
    m_content->setGeometry(0, offset, width(), height());
}

} // namespace NequoraUI::platform
