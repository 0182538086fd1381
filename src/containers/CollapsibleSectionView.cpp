#include "CollapsibleSectionView.h"

#include "FoldingClipView.h"
#include "ViewAccessibility.h"
#include "platform/Interface.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace NequoraUI {

namespace {

// The card's own corner radius, so the title's wash stays inside the card.
constexpr qreal titleCornerRadius = 10.0;
// Around the title bar's title and chevron, and between the two.
constexpr QMargins titleMargins(16, 10, 16, 10);
constexpr int titleSpacing = 8;

// Where the title bar's title and chevron go: the title at the leading edge as wide as its
// text (or the room there is), the chevron at the trailing edge, both the bar's inner height.
struct TitleBarGeometry
{
    QRect title;
    QRect chevron;
};

TitleBarGeometry titleBarGeometry(const QRect &bar, int titleWidth, int chevronWidth,
                                  Qt::LayoutDirection direction)
{
    const QRect inner = bar.marginsRemoved(titleMargins);
    chevronWidth = std::clamp(chevronWidth, 0, std::max(inner.width(), 0));
    const int room = std::max(inner.width() - chevronWidth - titleSpacing, 0);
    const QRect title(inner.left(), inner.top(), std::min(titleWidth, room), inner.height());
    const QRect chevron(inner.right() - chevronWidth + 1, inner.top(), chevronWidth,
                        inner.height());
    return {QStyle::visualRect(direction, bar, title), QStyle::visualRect(direction, bar, chevron)};
}

// Drawn as a plain one-line label would draw it, aligned to the bar's direction.
int chevronFlags(Qt::LayoutDirection direction)
{
    return int(QStyle::visualAlignment(direction, Qt::AlignLeft | Qt::AlignVCenter)) |
           Qt::AlignAbsolute | Qt::TextExpandTabs | Qt::TextHideMnemonic;
}

// As wide as a label showing it would be: its advance, rounded up to whole pixels. One
// character's advance comes from the font's glyph metrics, without shaping a text.
int chevronWidth(const QWidget *bar, QChar chevron)
{
    return int(std::ceil(QFontMetricsF(bar->font()).horizontalAdvance(chevron)));
}

QPropertyAnimation *foldStep(QObject *target, const char *property, QParallelAnimationGroup *group)
{
    auto *animation = new QPropertyAnimation(target, property, group);
    animation->setDuration(CollapsibleSectionView::foldDurationMs);
    // The platform's default view animation curve.
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    group->addAnimation(animation);
    return animation;
}

// Lays out every level from widget's parent up to its window now. Each level otherwise takes
// its own round of posted layout requests, and a frame painted between two rounds shows the
// section taller than its content, its title pushed down.
void settleLayoutsAbove(QWidget *widget)
{
    for (QWidget *level = widget->parentWidget(); level; level = level->parentWidget()) {
        if (QLayout *layout = level->layout())
            layout->activate();
        // A scroll area sizes its widget on a layout request, not through a layout.
        if (qobject_cast<QAbstractScrollArea *>(level)) {
            QEvent request(QEvent::LayoutRequest);
            QCoreApplication::sendEvent(level, &request);
        }
        if (level->isWindow())
            break;
    }
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
    titleView = ui.outlet<QWidget>("titleView");
    ViewAccessibility::install();

    titleLabel->setText(title);
    // The title is placed once the bar has its size.
    titleView->installEventFilter(this);
    // The holder fills the stack and the content fills the holder's width, so the stack is
    // always exactly as wide as the content.
    body = new FoldingClipView(m_content);
    // The card's room below the last row folds away with the rows, so a folded card is as
    // tall as its title bar and the title sits in the middle of it.
    body->setContentsMargins(0, 0, 0, cardBottomPadding);
    stackView->addWidget(body);

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
    return foldAnimation && foldAnimation->state() == QAbstractAnimation::Running;
}

// Made at the first tap: most sections on a long screen are made and released again as the
// user scrolls by, and are never folded.
void CollapsibleSectionView::makeFoldAnimation()
{
    if (foldAnimation)
        return;
    foldAnimation = new QParallelAnimationGroup(this);
    revealAnimation = foldStep(body, "revealed", foldAnimation);
    fadeAnimation = foldStep(body, "opacity", foldAnimation);
    connect(revealAnimation, &QVariantAnimation::valueChanged, body,
            [this] { settleLayoutsAbove(body); });
    connect(foldAnimation, &QAbstractAnimation::finished, this,
            &CollapsibleSectionView::foldFinished);
}

void CollapsibleSectionView::setExpanded(bool expanded)
{
    if (!m_content || (isExpanded() == expanded && !isFolding()))
        return;
    if (foldAnimation)
        foldAnimation->stop();
    body->dropSnapshot();
    m_content->setHidden(!expanded);
    body->setRevealed(expanded ? 1.0 : 0.0);
    body->setOpacity(expanded ? 1.0 : 0.0);
    body->setVisible(expanded);
    showFoldState();
}

void CollapsibleSectionView::tappedTitleView()
{
    // Content deleted by someone else leaves nothing to fold.
    if (!m_content)
        return;
    const bool hide = !m_content->isHidden();
    makeFoldAnimation();
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

bool CollapsibleSectionView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != titleView)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        // Under a style sheet the button paints its own wash; the chevron goes on top.
        if (titleView->style()->inherits("QStyleSheetStyle"))
            static_cast<QObject *>(titleView)->event(event);
        QPainter painter(titleView);
        if (!titleView->style()->inherits("QStyleSheetStyle"))
            paintTitleWash(painter);
        paintChevron(painter);
        return true;
    }
    // The title's text or font changed, or the bar's size or direction.
    case QEvent::LayoutRequest:
    case QEvent::Show:
    case QEvent::Resize:
    case QEvent::LayoutDirectionChange:
    case QEvent::FontChange:
        placeTitleLabel();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// A flat bar: nothing at rest, a wash of the accent inside the card's corners while it has
// keyboard focus, a grey one while pressed. No focus frame: the wash is the focus.
void CollapsibleSectionView::paintTitleWash(QPainter &painter)
{
    const auto *button = qobject_cast<QPushButton *>(titleView);
    const bool pressed = button && button->isDown();
    if (!pressed && !titleView->hasFocus())
        return;
    const platform::ColorScheme &colors = titleColors.of(titleView->palette());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pressed ? colors.pressedFill : colors.accentTint);
    painter.drawRoundedRect(QRectF(titleView->rect()), titleCornerRadius, titleCornerRadius);
    painter.restore();
}

void CollapsibleSectionView::paintChevron(QPainter &painter)
{
    const QChar chevron = chevronCharacter();
    const Qt::LayoutDirection direction = titleView->layoutDirection();
    const QRect area = titleBarGeometry(titleView->rect(), titleLabel->sizeHint().width(),
                                        chevronWidth(titleView, chevron), direction)
                           .chevron;
    // The section's palette: a style sheet rewrites the bar's own for its wash.
    painter.setPen(titleColors.of(palette()).indicator);
    titleView->style()->drawItemText(&painter, area, chevronFlags(direction), titleView->palette(),
                                     titleView->isEnabled(), QString(chevron), QPalette::NoRole);
}

void CollapsibleSectionView::placeTitleLabel()
{
    const QRect area =
        titleBarGeometry(titleView->rect(), titleLabel->sizeHint().width(),
                         chevronWidth(titleView, chevronCharacter()), titleView->layoutDirection())
            .title;
    if (titleLabel->geometry() != area)
        titleLabel->setGeometry(area);
}

QChar CollapsibleSectionView::chevronCharacter() const
{
    return m_content && m_content->isHidden() ? QChar(0x25B8) : QChar(0x25BE);
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
    // The chevron's width may change with it, and the title's room with that; a bar not shown
    // yet places its title when it shows.
    if (titleView->isVisible())
        placeTitleLabel();
    titleView->update();
}

} // namespace NequoraUI
