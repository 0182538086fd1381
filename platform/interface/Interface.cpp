#include "Interface.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHash>
#include <QMetaProperty>
#include <QScrollArea>
#include <QSpacerItem>
#include <QWidget>

namespace NequoraUI::platform {

namespace {

struct CachedForm
{
    std::shared_ptr<const InterfaceTemplate> form;
    const QMetaObject *ownerClass = nullptr;
    std::vector<QMetaMethod> receiverSlots; // one per connection, resolved for ownerClass
};

// The parsed resources, like a bundle's cache of loaded nibs; main thread only.
QHash<QString, CachedForm> &formCache()
{
    static QHash<QString, CachedForm> cache;
    return cache;
}

} // namespace

// Builds the widgets of one instance from the parsed form.
class InterfaceBuilder
{
public:
    InterfaceBuilder(Interface &result, QWidget *owner) : result(result), owner(owner) {}

    void buildRoot(const InterfaceTemplate::Widget &root)
    {
        applyProperties(owner, root.properties);
        result.objects.emplace_back(root.name, owner);
        buildContents(owner, root);
    }

private:
    QWidget *buildWidget(const InterfaceTemplate::Widget &form, QWidget *parent)
    {
        QWidget *widget = form.type.create(parent);
        widget->setObjectName(form.name);
        applyProperties(widget, form.properties);
        result.objects.emplace_back(form.name, widget);
        buildContents(widget, form);
        return widget;
    }

    void buildContents(QWidget *widget, const InterfaceTemplate::Widget &form)
    {
        for (const auto &child : form.children) {
            QWidget *built = buildWidget(*child, widget);
            if (auto *scrollArea = qobject_cast<QScrollArea *>(widget))
                scrollArea->setWidget(built);
        }
        if (form.layout)
            widget->setLayout(withInnerConstraint(buildLayout(*form.layout, widget), widget));
    }

    // Inside a window the default constraint only resets the widget's minimum size to what
    // was set explicitly, which a widget that has none already holds; but setting it gives
    // the widget a block of extra data, on every row. Without a constraint it is left alone.
    // The owner keeps the default: it may be shown as a window of its own.
    QLayout *withInnerConstraint(QLayout *layout, QWidget *widget) const
    {
        if (widget != owner)
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        return layout;
    }

    static void applyProperties(QObject *object,
                                const std::vector<InterfaceTemplate::Property> &properties)
    {
        const QMetaObject *meta = object->metaObject();
        for (const auto &property : properties) {
            if (property.index >= 0)
                meta->property(property.index).write(object, property.value);
            else
                object->setProperty(property.name.constData(), property.value);
        }
    }

    QLayout *buildLayout(const InterfaceTemplate::Layout &form, QWidget *parent)
    {
        QLayout *layout = createLayout(form.kind);
        // Found as an outlet by the name in the resource; an object name would give every
        // layout of every row a block of extra data for nothing.
        if (!form.name.isEmpty())
            result.objects.emplace_back(form.name, layout);
        QMargins margins = layout->contentsMargins();
        const int *m = form.margins;
        layout->setContentsMargins(
            m[0] >= 0 ? m[0] : margins.left(), m[1] >= 0 ? m[1] : margins.top(),
            m[2] >= 0 ? m[2] : margins.right(), m[3] >= 0 ? m[3] : margins.bottom());
        if (form.spacing >= 0)
            layout->setSpacing(form.spacing);
        for (const auto &item : form.items)
            addItem(layout, form.kind, item, parent);
        return layout;
    }

    static QLayout *createLayout(InterfaceTemplate::LayoutKind kind)
    {
        switch (kind) {
        case InterfaceTemplate::LayoutKind::Horizontal:
            return new QHBoxLayout;
        case InterfaceTemplate::LayoutKind::Grid:
            return new QGridLayout;
        case InterfaceTemplate::LayoutKind::Vertical:
            break;
        }
        return new QVBoxLayout;
    }

    void addItem(QLayout *layout, InterfaceTemplate::LayoutKind kind,
                 const InterfaceTemplate::LayoutItem &item, QWidget *parent)
    {
        auto *grid = kind == InterfaceTemplate::LayoutKind::Grid
                         ? static_cast<QGridLayout *>(layout)
                         : nullptr;
        auto *box = grid ? nullptr : static_cast<QBoxLayout *>(layout);
        if (item.widget) {
            QWidget *widget = buildWidget(*item.widget, parent);
            if (grid)
                grid->addWidget(widget, item.row, item.column, item.rowSpan, item.columnSpan,
                                item.alignment);
            else
                box->addWidget(widget, 0, item.alignment);
        } else if (item.layout) {
            QLayout *inner = buildLayout(*item.layout, parent);
            if (grid)
                grid->addLayout(inner, item.row, item.column, item.rowSpan, item.columnSpan,
                                item.alignment);
            else
                box->addLayout(inner);
        } else if (item.spacer) {
            const auto &s = *item.spacer;
            const bool horizontal = s.orientation == Qt::Horizontal;
            auto *spacer = new QSpacerItem(s.sizeHint.width(), s.sizeHint.height(),
                                           horizontal ? s.policy : QSizePolicy::Minimum,
                                           horizontal ? QSizePolicy::Minimum : s.policy);
            if (grid)
                grid->addItem(spacer, item.row, item.column, item.rowSpan, item.columnSpan);
            else
                box->addItem(spacer);
        }
    }

    Interface &result;
    QWidget *owner;
};

Interface Interface::load(const QString &name, QWidget *owner, const QString &bundle)
{
    const QString path = bundle + QLatin1Char('/') + name + QStringLiteral(".ui");
    CachedForm &cached = formCache()[path];
    if (!cached.form)
        cached.form = InterfaceTemplate::parse(path);

    Interface result;
    result.form = cached.form;
    result.objects.reserve(16);
    InterfaceBuilder(result, owner).buildRoot(cached.form->root);

    const QMetaObject *ownerClass = owner->metaObject();
    if (cached.ownerClass != ownerClass) {
        cached.receiverSlots.clear();
        for (const auto &connection : cached.form->connections) {
            const QObject *receiver = result.find(qPrintable(connection.receiver));
            const int index =
                receiver->metaObject()->indexOfSlot(connection.slotSignature.constData());
            if (index < 0)
                qFatal("Interface resource \"%s\": action \"%s\" is not a slot of %s",
                       qPrintable(path), connection.slotSignature.constData(),
                       receiver->metaObject()->className());
            cached.receiverSlots.push_back(receiver->metaObject()->method(index));
        }
        cached.ownerClass = ownerClass;
    }
    for (size_t i = 0; i < cached.form->connections.size(); ++i) {
        const auto &connection = cached.form->connections[i];
        QObject::connect(result.find(qPrintable(connection.sender)), connection.signal,
                         result.find(qPrintable(connection.receiver)), cached.receiverSlots[i]);
    }
    return result;
}

QObject *Interface::find(const char *name) const
{
    const QLatin1String wanted(name);
    for (const auto &[objectName, object] : objects)
        if (objectName == wanted)
            return object;
    qFatal("Interface resource \"%s\": outlet \"%s\" is missing", qPrintable(form->resourceName),
           name);
}

void Interface::failWrongType(const char *name, QObject *found, const char *expected) const
{
    qFatal("Interface resource \"%s\": outlet \"%s\" is a %s, not a %s",
           qPrintable(form->resourceName), name, found->metaObject()->className(), expected);
}

} // namespace NequoraUI::platform
