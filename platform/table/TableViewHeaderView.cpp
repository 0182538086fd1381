#include "platform/TableViewHeaderView.h"

#include "platform/Color.h"

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
    QFont headerFont = font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    headerFont.setWeight(QFont::DemiBold);
    headerFont.setCapitalization(QFont::AllUppercase);
    setFont(headerFont);
}

void TableViewHeaderView::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyTextColor();
}

void TableViewHeaderView::applyTextColor()
{
    QPalette headerPalette = palette();
    headerPalette.setColor(QPalette::WindowText, Color::secondaryLabel(headerPalette));
    setPalette(headerPalette);
}

} // namespace NequoraUI::platform
