#include "platform/NavigationBar.h"

#include "platform/BarButtonItem.h"
#include "platform/Color.h"

#include "platform/NavigationItem.h"
#include <QEvent>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace NequoraUI::platform {

NavigationBar::NavigationBar(QWidget *parent)
    : QWidget(parent), m_titleLabel(new QLabel(this)), m_rightButton(new QPushButton(this))
{
    setFixedHeight(barHeight);
    // Painted by itself from the inherited palette, which it never sets, so that a palette
    // change reaches it unchanged.
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);

    m_rightButton->setObjectName(QStringLiteral("rightBarButton"));
    m_rightButton->setFlat(true);
    m_rightButton->setCursor(Qt::PointingHandCursor);
    applyChildColors();
    m_rightButton->hide();
    connect(m_rightButton, &QPushButton::clicked, this, &NavigationBar::tappedRightButton);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_rightButton);
}

void NavigationBar::setNavigationItem(NavigationItem *item)
{
    if (m_item)
        m_item->disconnect(this);
    m_item = item;
    if (item) {
        connect(item, &NavigationItem::titleChanged, this, &NavigationBar::updateTitle);
        connect(item, &NavigationItem::rightBarButtonItemChanged, this,
                &NavigationBar::updateRightButton);
    }
    updateTitle();
    updateRightButton();
}

NavigationItem *NavigationBar::navigationItem() const
{
    return m_item;
}

QLabel *NavigationBar::titleLabel() const
{
    return m_titleLabel;
}

QPushButton *NavigationBar::rightButton() const
{
    return m_rightButton;
}

void NavigationBar::paintEvent(QPaintEvent *)
{
    const ColorScheme &colors = m_colors.of(palette());
    QPainter painter(this);
    painter.fillRect(rect(), colors.bar);
    painter.setPen(colors.separator);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void NavigationBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyChildColors();
}

// The title and the button hold colours of their own, derived from the bar's palette.
void NavigationBar::applyChildColors()
{
    const ColorScheme &colors = m_colors.of(palette());
    QPalette titlePalette = m_titleLabel->palette();
    titlePalette.setColor(QPalette::WindowText, colors.label);
    m_titleLabel->setPalette(titlePalette);
    QPalette buttonPalette = m_rightButton->palette();
    buttonPalette.setColor(QPalette::ButtonText, colors.accentText);
    m_rightButton->setPalette(buttonPalette);
}

void NavigationBar::updateTitle()
{
    m_titleLabel->setText(m_item ? m_item->title() : QString());
}

void NavigationBar::updateRightButton()
{
    if (m_observedButtonItem)
        m_observedButtonItem->disconnect(this);
    m_observedButtonItem = m_item ? m_item->rightBarButtonItem() : nullptr;
    if (!m_observedButtonItem) {
        m_rightButton->hide();
        return;
    }
    connect(m_observedButtonItem, &BarButtonItem::changed, this, &NavigationBar::updateRightButton);
    connect(m_observedButtonItem, &QObject::destroyed, this, &NavigationBar::updateRightButton);
    m_rightButton->setText(m_observedButtonItem->title());
    QFont buttonFont = font();
    buttonFont.setBold(m_observedButtonItem->style() == BarButtonItem::Style::Done);
    m_rightButton->setFont(buttonFont);
    m_rightButton->show();
}

void NavigationBar::tappedRightButton()
{
    if (m_observedButtonItem)
        m_observedButtonItem->trigger();
}

} // namespace NequoraUI::platform
