#include "CollapsibleSectionView.h"

#include "FoldingClipView.h"
#include "ViewAccessibility.h"
#include "platform/Interface.h"

#include <QAccessible>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace NequoraUI {

namespace {

QPropertyAnimation *foldStep(QObject *target, const char *property, QParallelAnimationGroup *group)
{
    auto *animation = new QPropertyAnimation(target, property, group);
    animation->setDuration(CollapsibleSectionView::foldDurationMs);
    // The platform's default view animation curve.
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    group->addAnimation(animation);
    return animation;
}

} // namespace

CollapsibleSectionView::CollapsibleSectionView(const QString &title, QWidget *content,
                                               QWidget *parent)
    : QWidget(parent), m_content(content ? content : new QWidget)
{
    const auto ui = platform::Interface::load(QStringLiteral("CollapsibleSectionView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    stackView = ui.outlet<QVBoxLayout>("stackView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    chevronLabel = ui.outlet<QLabel>("chevronLabel");
    titleView = ui.outlet<QWidget>("titleView");
    ViewAccessibility::install();

    titleLabel->setText(title);
    // The holder fills the stack and the content fills the holder's width, so the stack is
    // always exactly as wide as the content.
    body = new FoldingClipView(m_content);
    stackView->addWidget(body);

    foldAnimation = new QParallelAnimationGroup(this);
    revealAnimation = foldStep(body, "revealed", foldAnimation);
    fadeAnimation = foldStep(body, "opacity", foldAnimation);
    connect(foldAnimation, &QAbstractAnimation::finished, this,
            &CollapsibleSectionView::foldFinished);

    if (m_content->isHidden()) {
        body->setRevealed(0.0);
        body->setOpacity(0.0);
        body->hide();
    }
    showFoldState();
}

qreal CollapsibleSectionView::contentOpacity() const
{
    return body->opacity();
}

bool CollapsibleSectionView::isExpanded() const
{
    return m_content && !m_content->isHidden();
}

bool CollapsibleSectionView::isFolding() const
{
    return foldAnimation->state() == QAbstractAnimation::Running;
}

void CollapsibleSectionView::tappedTitleView()
{
    // Content deleted by someone else leaves nothing to fold.
    if (!m_content)
        return;
    const bool hide = !m_content->isHidden();
    foldAnimation->stop();

    body->show();
    if (hide)
        body->takeSnapshot();
    else
        body->dropSnapshot();
    m_content->setHidden(hide);

    // A fold fades from fully opaque, an unfold from fully clear, even when it interrupts
    // another one; the height goes on from where it is.
    fadeAnimation->setStartValue(hide ? 1.0 : 0.0);
    fadeAnimation->setEndValue(hide ? 0.0 : 1.0);
    revealAnimation->setStartValue(body->revealed());
    revealAnimation->setEndValue(hide ? 0.0 : 1.0);
    body->setOpacity(hide ? 1.0 : 0.0);
    showFoldState();
    foldAnimation->start();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        QAccessibleStateChangeEvent event(titleView, changed);
        QAccessible::updateAccessibility(&event);
    }
    emit expandedChanged(!hide);
}

void CollapsibleSectionView::foldFinished()
{
    if (!m_content || !m_content->isHidden())
        return;
    // Folded away: the holder takes no room (nor spacing) until the next unfold.
    body->dropSnapshot();
    body->hide();
}

void CollapsibleSectionView::showFoldState()
{
    chevronLabel->setText(m_content && m_content->isHidden() ? QStringLiteral("\u25B8")
                                                             : QStringLiteral("\u25BE"));
}

} // namespace NequoraUI
