#include "ViewAccessibility.h"

#include "CollapsibleSectionView.h"
#include "NQRadialSliderControl.h"
#include "SliderView.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>
#include <QQuickWindow>

namespace NequoraUI {

namespace {

CollapsibleSectionView *sectionOfHeader(QObject *object)
{
    if (object->objectName() != QLatin1String("titleView"))
        return nullptr;
    for (QObject *ancestor = object->parent(); ancestor; ancestor = ancestor->parent()) {
        if (auto *section = qobject_cast<CollapsibleSectionView *>(ancestor))
            return section;
    }
    return nullptr;
}

// The header's labels are its name; they are not separate children.
class SectionHeaderAccessible : public QAccessibleWidget
{
public:
    SectionHeaderAccessible(QPushButton *header, CollapsibleSectionView *section)
        : QAccessibleWidget(header, QAccessible::Button), m_section(section)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && m_section)
            return m_section->titleLabel->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        const bool expanded = m_section && m_section->isExpanded();
        state.expanded = expanded;
        state.collapsed = !expanded;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<QPushButton *>(widget())->click();
    }

private:
    QPointer<CollapsibleSectionView> m_section;
};

// Recognised by name and row while the row is still being built: the row makes its typed entry
// only when it first opens.
bool isSliderValueText(QObject *object)
{
    if (object->objectName() != QLatin1String("valueLabel"))
        return false;
    for (QObject *ancestor = object->parent(); ancestor; ancestor = ancestor->parent()) {
        if (qobject_cast<SliderView *>(ancestor))
            return true;
    }
    return false;
}

// A slider's value text, where an exact value is typed: named by its row (the label's
// accessible name), its value the text shown, pressing it opens the editor.
class ValueTextAccessible : public QAccessibleWidget
{
public:
    explicit ValueTextAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name != pressAction())
            return;
        for (QObject *ancestor = widget()->parent(); ancestor; ancestor = ancestor->parent()) {
            if (auto *row = qobject_cast<SliderView *>(ancestor)) {
                row->openValueEntry();
                return;
            }
        }
    }
};

// A Qt Quick item has no widget behind it: position and window come from the item.
class RadialPadAccessible : public QAccessibleObject
{
public:
    explicit RadialPadAccessible(NQRadialSliderControl *pad) : QAccessibleObject(pad) {}

    QAccessibleInterface *parent() const override
    {
        if (QQuickItem *parentItem = pad()->parentItem())
            return QAccessible::queryAccessibleInterface(parentItem);
        return pad()->window() ? QAccessible::queryAccessibleInterface(pad()->window()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QWindow *window() const override { return pad()->window(); }
    QRect rect() const override
    {
        const QRectF scene = pad()->mapRectToScene(pad()->boundingRect());
        const QPoint origin = pad()->window() ? pad()->window()->mapToGlobal(QPoint()) : QPoint();
        return scene.toAlignedRect().translated(origin);
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return pad()->accessibleName();
        case QAccessible::Value:
            return pad()->accessibleValueText();
        case QAccessible::Description:
            return QStringLiteral("Arrow keys move the knob; Home returns it to its start");
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::Slider; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = pad()->hasActiveFocus();
        state.invisible = !pad()->isVisible();
        state.disabled = !pad()->isEnabled();
        return state;
    }

private:
    NQRadialSliderControl *pad() const { return static_cast<NQRadialSliderControl *>(object()); }
};

} // namespace

void ViewAccessibility::install()
{
    QAccessible::installFactory(&ViewAccessibility::interfaceFor);
}

QAccessibleInterface *ViewAccessibility::interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(NQRadialSliderControl::staticMetaObject.className()))
        return new RadialPadAccessible(static_cast<NQRadialSliderControl *>(object));
    if (className == QLatin1String("QPushButton")) {
        if (CollapsibleSectionView *section = sectionOfHeader(object))
            return new SectionHeaderAccessible(static_cast<QPushButton *>(object), section);
    }
    if (className == QLatin1String("QLabel") && isSliderValueText(object))
        return new ValueTextAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

} // namespace NequoraUI
