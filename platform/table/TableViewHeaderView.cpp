#include "TableViewHeaderView.h"

#include "Color.h"

#include <QApplication>
#include <QEvent>

namespace NequoraUI::platform {

TableViewHeaderView::TableViewHeaderView(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("sectionHeader"));
    setAutoFillBackground(true);
    setContentsMargins(16, 0, 16, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // On the palette's window, as the screen behind the cards.
    setBackgroundRole(QPalette::Window);
    applyTextColor();
    applyHeaderFont();
    if (parent)
        parent->installEventFilter(this);
}

void TableViewHeaderView::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyTextColor();
}

bool TableViewHeaderView::event(QEvent *event)
{
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    if (event->type() == QEvent::ParentChange) {
        if (parentWidget())
            parentWidget()->installEventFilter(this);
        applyHeaderFont();
    }
    return QLabel::event(event);
}

// Its own font is set, so a new font around it (the application's grown for large text) does
// not reach it by itself: the table's, which it inherits unchanged, tells it.
bool TableViewHeaderView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::FontChange)
        applyHeaderFont();
    return QLabel::eventFilter(watched, event);
}

// A fixed proportion of the font around it, so it grows with large text as the rows do.
void TableViewHeaderView::applyHeaderFont()
{
    const QFont around = parentWidget() ? parentWidget()->font() : QApplication::font(this);
    QFont headerFont = around;
    if (around.pointSizeF() > 0)
        headerFont.setPointSizeF(around.pointSizeF() * sizeScale);
    else
        headerFont.setPixelSize(qRound(around.pixelSize() * sizeScale));
    headerFont.setWeight(QFont::DemiBold);
    headerFont.setCapitalization(QFont::AllUppercase);
    setFont(headerFont);
}

void TableViewHeaderView::applyTextColor()
{
    QPalette headerPalette = palette();
    headerPalette.setColor(QPalette::WindowText, Color::secondaryLabel(headerPalette));
    setPalette(headerPalette);
}

} // namespace NequoraUI::platform
