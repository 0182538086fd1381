#include "platform/TableViewHeaderView.h"

#include "platform/Color.h"

namespace NequoraUI::platform {

TableViewHeaderView::TableViewHeaderView(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("sectionHeader"));
    setAutoFillBackground(true);
    setContentsMargins(16, 0, 16, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette headerPalette = palette();
    headerPalette.setColor(QPalette::Window, QColor(242, 242, 247));
    headerPalette.setColor(QPalette::WindowText, Color::secondaryLabel());
    setPalette(headerPalette);
    QFont headerFont = font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    headerFont.setWeight(QFont::DemiBold);
    headerFont.setCapitalization(QFont::AllUppercase);
    setFont(headerFont);
}

} // namespace NequoraUI::platform
