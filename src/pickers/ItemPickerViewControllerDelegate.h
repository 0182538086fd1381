#pragma once

#include <QString>

namespace NequoraUI {

class ItemPickerViewController;

// Receives the item chosen in an ItemPickerViewController, or its cancellation. The picker never
// closes itself: closing it is the delegate's job. The picker holds its delegate weakly, so an
// implementation must also derive from QObject.
class ItemPickerViewControllerDelegate
{
public:
    virtual ~ItemPickerViewControllerDelegate() = default;

    virtual void pickerViewControllerDidSelectItem(ItemPickerViewController *picker,
                                                   const QString &item) = 0;
    virtual void didCancelInPickerViewController(ItemPickerViewController *picker) = 0;
};

} // namespace NequoraUI
