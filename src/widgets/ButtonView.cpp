#include "ButtonView.h"

#include "platform/Interface.h"

namespace NequoraUI {

ButtonView::ButtonView(const QString &title, Handler actionHandler, Handler touchDownHandler,
                       QWidget *parent)
    : QWidget(parent), actionHandler(std::move(actionHandler)),
      touchDownHandler(std::move(touchDownHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("ButtonView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    button = ui.outlet<QPushButton>("button");
    button->setText(title);
}

QString ButtonView::title() const
{
    return button->text();
}

void ButtonView::setTitle(const QString &title)
{
    button->setText(title);
}

void ButtonView::touchDown()
{
    const QPointer<ButtonView> alive(this);
    if (touchDownHandler)
        touchDownHandler(this);
    if (alive)
        emit pressed();
}

void ButtonView::touchUp()
{
    const QPointer<ButtonView> alive(this);
    if (actionHandler)
        actionHandler(this);
    if (alive)
        emit clicked();
}

} // namespace NequoraUI
