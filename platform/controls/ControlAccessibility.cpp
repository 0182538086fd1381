#include "ControlAccessibility.h"

#include "NumberText.h"
#include "ProgressBar.h"
#include "SegmentedControl.h"
#include "SegmentedControlAccessible.h"
#include "Slider.h"
#include "Switch.h"
#include "TableView.h"
#include "TableViewCell.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace NequoraUI::platform {

namespace {

QString numberText(double value)
{
    return QString::fromStdString(NumberText::shortest(value));
}

// A slider with a value a screen reader can read and set; setting it is a user change.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SliderAccessible(Slider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return numberText(slider()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValueAsUser(value.toFloat());
    }
    QVariant maximumValue() const override { return slider()->maximumValue(); }
    QVariant minimumValue() const override { return slider()->minimumValue(); }
    QVariant minimumStepSize() const override { return slider()->keyStep(); }

private:
    Slider *slider() const { return static_cast<Slider *>(widget()); }
};

// An on/off switch: a check box to assistive technology, toggled by its press action.
class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(Switch *control) : QAccessibleWidget(control, QAccessible::CheckBox)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = control()->isOn();
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return control()->isOn() ? QStringLiteral("on") : QStringLiteral("off");
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == toggleAction() || name == pressAction())
            control()->click();
    }

private:
    Switch *control() const { return static_cast<Switch *>(widget()); }
};

// A read-only value between 0 and 1.
class ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ProgressBarAccessible(ProgressBar *bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QStringLiteral("%1%").arg(qRound(bar()->progress() * 100.0f));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->progress(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 1.0f; }
    QVariant minimumValue() const override { return 0.0f; }
    QVariant minimumStepSize() const override { return 0.0f; }

private:
    ProgressBar *bar() const { return static_cast<ProgressBar *>(widget()); }
};

// One row of a list, named by its text; pressing it selects it as a tap would.
class TableViewCellAccessible : public QAccessibleWidget
{
public:
    explicit TableViewCellAccessible(TableViewCell *cell)
        : QAccessibleWidget(cell, QAccessible::ListItem)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && cell()->accessibleName().isEmpty())
            return cell()->textLabel()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = cell()->isSelected();
        return state;
    }
    int childCount() const override { return 0; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name != pressAction())
            return;
        for (QWidget *ancestor = cell()->parentWidget(); ancestor;
             ancestor = ancestor->parentWidget()) {
            if (auto *table = qobject_cast<TableView *>(ancestor)) {
                table->selectCell(cell());
                return;
            }
        }
    }

private:
    TableViewCell *cell() const { return static_cast<TableViewCell *>(widget()); }
};

} // namespace

void ControlAccessibility::install()
{
    QAccessible::installFactory(&ControlAccessibility::interfaceFor);
}

QAccessibleInterface *ControlAccessibility::interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(Slider::staticMetaObject.className()))
        return new SliderAccessible(static_cast<Slider *>(object));
    if (className == QLatin1String(Switch::staticMetaObject.className()))
        return new SwitchAccessible(static_cast<Switch *>(object));
    if (className == QLatin1String(ProgressBar::staticMetaObject.className()))
        return new ProgressBarAccessible(static_cast<ProgressBar *>(object));
    if (className == QLatin1String(SegmentedControl::staticMetaObject.className()))
        return new SegmentedControlAccessible(static_cast<SegmentedControl *>(object));
    if (className == QLatin1String(TableViewCell::staticMetaObject.className()))
        return new TableViewCellAccessible(static_cast<TableViewCell *>(object));
    if (className == QLatin1String(TableView::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<TableView *>(object), QAccessible::List);
    return nullptr;
}

} // namespace NequoraUI::platform
