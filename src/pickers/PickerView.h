#pragma once

#include "ItemPickerViewControllerDelegate.h"
#include "RowViewListener.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace NequoraUI {

namespace platform {
class ViewController;
}

class ViewControllerPresenter;

// A row for choosing one string out of a fixed list: a title, the current value and a select
// button that presents an item picker on the given view controller.
class PickerView : public QWidget, public ItemPickerViewControllerDelegate
{
    Q_OBJECT

public:
    using ValueChangedHandler = std::function<void(const QString &)>;

    // viewController is held weakly; the view never keeps it alive.
    PickerView(platform::ViewController *viewController, const QString &title,
               const QString &initialValue, const QStringList &items,
               ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);
    // The same, presenting through a presenter held weakly.
    PickerView(ViewControllerPresenter *presenter, const QString &title,
               const QString &initialValue, const QStringList &items,
               ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);

    void pickerViewControllerDidSelectItem(ItemPickerViewController *picker,
                                           const QString &item) override;
    void didCancelInPickerViewController(ItemPickerViewController *picker) override;

    // The value the row shows: the initial one or the user's last choice.
    QString currentValue() const;
    // Shows value as the current one; reports nothing.
    void setCurrentValue(const QString &value);

    // Told of each user change and gesture before the signals below; null (the default) for
    // none. The view keeps it and deletes it with itself, or when another one is set.
    void setListener(std::unique_ptr<RowViewListener> listener);
    RowViewListener *listener() const { return m_listener.get(); }

signals:
    // Each item the user picks, once, after the handler (even the one already shown).
    void selectionChanged(const QString &item);
    // Around each choice: before the handler, and after the change is reported.
    void gestureStarted();
    void gestureEnded();

public slots:
    void tappedSelectButton();

private:
    std::unique_ptr<RowViewListener> m_listener;
    QPointer<ViewControllerPresenter> presenter;
    const QStringList items;
    const ValueChangedHandler valueChangedHandler;
    QWidget *pickerView = nullptr;
    QLabel *title = nullptr;
    QLabel *value = nullptr;
    QPushButton *selectButton = nullptr;
};

} // namespace NequoraUI
