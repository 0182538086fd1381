#include "ItemPickerViewController.h"

#include "ItemPickerViewControllerDelegate.h"

#include "platform/BarButtonItem.h"
#include "platform/NavigationItem.h"
#include "platform/TableViewCell.h"

#include <QLabel>
#include <QtDebug>

namespace NequoraUI {

ItemPickerViewController::ItemPickerViewController(const QStringList &items, QObject *parent)
    : platform::TableViewController(parent), m_items(items)
{
    registerCellClass<platform::TableViewCell>(cellIdentifier);
    navigationItem()->setRightBarButtonItem(
        new platform::BarButtonItem(QStringLiteral("Cancel"), platform::BarButtonItem::Style::Done,
                                    this, "tappedCancelButton"));
}

void ItemPickerViewController::setDelegate(ItemPickerViewControllerDelegate *delegate)
{
    auto *object = dynamic_cast<QObject *>(delegate);
    if (delegate && !object) {
        qWarning("ItemPickerViewController: a delegate must also be a QObject; refused");
        delegate = nullptr;
    }
    m_delegateObject = object;
    m_delegate = delegate;
}

ItemPickerViewControllerDelegate *ItemPickerViewController::delegate() const
{
    // The raw pointer is only trusted while the QObject it belongs to is alive.
    return m_delegateObject ? m_delegate : nullptr;
}

int ItemPickerViewController::numberOfSections() const
{
    return 1;
}

int ItemPickerViewController::numberOfRowsInSection(int) const
{
    return static_cast<int>(m_items.size());
}

platform::TableViewCell *
ItemPickerViewController::cellForRowAt(const platform::IndexPath &indexPath)
{
    auto *cell = dequeueReusableCell(cellIdentifier, indexPath);
    cell->textLabel()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->textLabel()->setText(m_items.at(indexPath.row));
    return cell;
}

void ItemPickerViewController::didSelectRowAt(const platform::IndexPath &indexPath)
{
    if (auto *receiver = delegate())
        receiver->pickerViewControllerDidSelectItem(this, m_items.at(indexPath.row));
}

bool ItemPickerViewController::accessibilityPerformEscape()
{
    tappedCancelButton();
    return true;
}

void ItemPickerViewController::tappedCancelButton()
{
    if (auto *receiver = delegate())
        receiver->didCancelInPickerViewController(this);
}

} // namespace NequoraUI
