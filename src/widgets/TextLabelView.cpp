#include "TextLabelView.h"

#include "platform/Interface.h"

namespace NequoraUI {

TextLabelView::TextLabelView(const QString &text, QWidget *parent) : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("TextLabelView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    textLabel = ui.outlet<QLabel>("textLabel");
    textLabel->setText(text);
}

QString TextLabelView::text() const
{
    return textLabel->text();
}

void TextLabelView::setText(const QString &text)
{
    textLabel->setText(text);
}

} // namespace NequoraUI
