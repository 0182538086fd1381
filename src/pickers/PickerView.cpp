#include "PickerView.h"

#include "ItemPickerViewController.h"
#include "RowChangeReport.h"
#include "ViewControllerPresenter.h"
#include "platform/FormControlStyle.h"

#include "platform/Interface.h"
#include "platform/NavigationController.h"

#include <QLabel>
#include <QPushButton>

namespace NequoraUI {

PickerView::PickerView(platform::ViewController *viewController, const QString &title,
                       const QString &initialValue, const QStringList &items,
                       ValueChangedHandler valueChangedHandler, QWidget *parent)
    : PickerView(ViewControllerPresenter::of(viewController), title, initialValue, items,
                 std::move(valueChangedHandler), parent)
{}

PickerView::PickerView(ViewControllerPresenter *presenter, const QString &title,
                       const QString &initialValue, const QStringList &items,
                       ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), presenter(presenter), items(items),
      valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("PickerView"), this);
    pickerView = ui.outlet<QWidget>("pickerView");
    this->title = ui.outlet<QLabel>("title");
    value = ui.outlet<QLabel>("value");
    selectButton = ui.outlet<QPushButton>("selectButton");
    platform::FormControlStyle::apply(selectButton, platform::FormControlStyle::Kind::TextButton);

    this->title->setText(title);
    value->setText(initialValue);
    // "Select" alone does not say what it selects.
    selectButton->setAccessibleDescription(title);
}

void PickerView::tappedSelectButton()
{
    // A fresh picker per tap; it is not told the current value.
    auto *picker = new ItemPickerViewController(items);
    picker->setDelegate(this);
    picker->setTitle(title->text());
    auto *navigation = new platform::NavigationController(picker);
    if (presenter)
        presenter->presentViewController(navigation);
    else
        delete navigation;
}

void PickerView::pickerViewControllerDidSelectItem(ItemPickerViewController *, const QString &item)
{
    value->setText(item);
    if (presenter)
        presenter->dismissPresentedViewController();
    // Reported even when nothing could be dismissed.
    reportRowChange(
        this,
        [this, &item] {
            if (valueChangedHandler)
                valueChangedHandler(item);
        },
        &PickerView::selectionChanged, item);
}

void PickerView::setListener(std::unique_ptr<RowViewListener> listener)
{
    m_listener = std::move(listener);
}

void PickerView::setCurrentValue(const QString &text)
{
    value->setText(text);
}

QString PickerView::currentValue() const
{
    return value->text();
}

void PickerView::didCancelInPickerViewController(ItemPickerViewController *)
{
    if (presenter)
        presenter->dismissPresentedViewController();
}

} // namespace NequoraUI
