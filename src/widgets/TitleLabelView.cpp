#include "TitleLabelView.h"

#include "platform/Interface.h"

#include <QEvent>

namespace NequoraUI {

TitleLabelView::TitleLabelView(const QString &title, QWidget *parent) : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("TitleLabelView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    titleLabel->setText(title);
    applyTitleFont();
}

// The label's own font is set, so a new inherited size does not reach it: this view's font,
// which it inherits unchanged, tells it.
void TitleLabelView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyTitleFont();
}

void TitleLabelView::applyTitleFont()
{
    if (!titleLabel)
        return;
    QFont title = titleLabel->font();
    if (font().pointSizeF() > 0)
        title.setPointSizeF(font().pointSizeF() * titleScale);
    else
        title.setPixelSize(qRound(font().pixelSize() * titleScale));
    titleLabel->setFont(title);
}

} // namespace NequoraUI
