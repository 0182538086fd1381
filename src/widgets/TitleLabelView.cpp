#include "TitleLabelView.h"

#include "platform/Interface.h"

namespace NequoraUI {

TitleLabelView::TitleLabelView(const QString &title, QWidget *parent) : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("TitleLabelView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    titleLabel->setText(title);
}

} // namespace NequoraUI
