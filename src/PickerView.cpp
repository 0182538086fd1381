#include "PickerView.h"

#include "ItemPickerViewController.h"

#include "platform/Interface.h"
#include "platform/NavigationController.h"

#include <QLabel>
#include <QPushButton>

namespace NequoraUI {

PickerView::PickerView(platform::ViewController *viewController, const QString &title,
                       const QString &initialValue, const QStringList &items,
                       ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), viewController(viewController), items(items),
      valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("PickerView"), this);
    pickerView = ui.outlet<QWidget>("pickerView");
    this->title = ui.outlet<QLabel>("title");
    value = ui.outlet<QLabel>("value");
    selectButton = ui.outlet<QPushButton>("selectButton");

    this->title->setText(title);
    value->setText(initialValue);
}

void PickerView::tappedSelectButton()
{
    // A fresh picker per tap; it is not told the current value.
    auto *picker = new ItemPickerViewController(items);
    picker->setDelegate(this);
    picker->setTitle(title->text());
    auto *navigation = new platform::NavigationController(picker);
    if (viewController)
        viewController->present(navigation, true);
    else
        delete navigation;
}

void PickerView::pickerViewControllerDidSelectItem(ItemPickerViewController *, const QString &item)
{
    value->setText(item);
    if (viewController)
        viewController->dismiss(true);
    // Reported even when nothing could be dismissed.
    const QPointer<PickerView> alive(this);
    if (valueChangedHandler)
        valueChangedHandler(item);
    if (alive)
        emit selectionChanged(item);
}

QString PickerView::currentValue() const
{
    return value->text();
}

void PickerView::didCancelInPickerViewController(ItemPickerViewController *)
{
    if (viewController)
        viewController->dismiss(true);
}

} // namespace NequoraUI
