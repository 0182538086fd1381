#pragma once

#include "platform/TableViewController.h"

#include <QPointer>
#include <QStringList>

namespace NequoraUI {

class ItemPickerViewControllerDelegate;

// A modal list of strings, one row per item, with a Cancel button in its navigation bar. Row
// taps and Cancel go to the delegate; the picker never dismisses itself.
class ItemPickerViewController : public platform::TableViewController
{
    Q_OBJECT

public:
    static inline const QString cellIdentifier = QStringLiteral("Cell");

    explicit ItemPickerViewController(const QStringList &items, QObject *parent = nullptr);

    // Held weakly: once the delegate object is destroyed, taps do nothing. A delegate that is
    // not also a QObject cannot be watched and is refused with a warning.
    void setDelegate(ItemPickerViewControllerDelegate *delegate);
    ItemPickerViewControllerDelegate *delegate() const;

    const QStringList &items() const { return m_items; }

    int numberOfSections() const override;
    int numberOfRowsInSection(int section) const override;
    platform::TableViewCell *cellForRowAt(const platform::IndexPath &indexPath) override;
    void didSelectRowAt(const platform::IndexPath &indexPath) override;

    // Escape cancels, as the Cancel button does.
    bool accessibilityPerformEscape() override;

public slots:
    void tappedCancelButton();

private:
    QPointer<QObject> m_delegateObject;
    ItemPickerViewControllerDelegate *m_delegate = nullptr;
    const QStringList m_items;
};

} // namespace NequoraUI
