#include "platform/NavigationBar.h"

#include "platform/BarButtonItem.h"
#include "platform/Color.h"
#include "platform/NavigationItem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace NequoraUI::platform {

NavigationBar::NavigationBar(QWidget *parent)
    : QWidget(parent), m_titleLabel(new QLabel(this)), m_rightButton(new QPushButton(this))
{
    setFixedHeight(barHeight);
    setAutoFillBackground(true);
    QPalette barPalette = palette();
    barPalette.setColor(QPalette::Window, QColor(249, 249, 249));
    setPalette(barPalette);

    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    QPalette titlePalette = m_titleLabel->palette();
    titlePalette.setColor(QPalette::WindowText, Color::label());
    m_titleLabel->setPalette(titlePalette);

    m_rightButton->setObjectName(QStringLiteral("rightBarButton"));
    m_rightButton->setFlat(true);
    m_rightButton->setCursor(Qt::PointingHandCursor);
    QPalette buttonPalette = m_rightButton->palette();
    buttonPalette.setColor(QPalette::ButtonText, Color::systemBlue());
    m_rightButton->setPalette(buttonPalette);
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

void NavigationBar::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0, 40));
    painter.drawLine(0, height() - 1, width(), height() - 1);
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
