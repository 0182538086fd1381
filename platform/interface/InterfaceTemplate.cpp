#include "InterfaceTemplate.h"

#include "InterfaceValueReader.h"

#include <QFile>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtGlobal>

namespace NequoraUI::platform {

namespace {

int intAttribute(const QXmlStreamAttributes &attributes, QLatin1String name, int absent)
{
    return attributes.hasAttribute(name) ? attributes.value(name).toInt() : absent;
}

// Reads one .ui document. Every fault stops the program: a broken interface file is a
// build defect that must fail loudly in the first test run, not at a user's desk.
class Parser
{
public:
    Parser(QXmlStreamReader &xml, InterfaceTemplate &result)
        : xml(xml), result(result), values(xml, result.resourceName)
    {}

    void parseDocument()
    {
        if (!xml.readNextStartElement() || xml.name() != u"ui")
            fail(QStringLiteral("not a Designer interface file"));
        bool sawRoot = false;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"widget" && !sawRoot) {
                parseWidget(result.root, /*isRoot=*/true);
                sawRoot = true;
            } else if (xml.name() == u"connections") {
                parseConnections();
            } else {
                xml.skipCurrentElement();
            }
        }
        if (xml.hasError())
            fail(QStringLiteral("malformed XML at line %1: %2")
                     .arg(xml.lineNumber())
                     .arg(xml.errorString()));
        if (!sawRoot)
            fail(QStringLiteral("no root widget"));
        resolveConnections();
    }

private:
    [[noreturn]] void fail(const QString &message) const { values.fail(message); }

    void parseWidget(InterfaceTemplate::Widget &widget, bool isRoot)
    {
        widget.className = xml.attributes().value(QLatin1String("class")).toString();
        widget.name = xml.attributes().value(QLatin1String("name")).toString();
        widget.type = WidgetFactory::find(widget.className);
        if (!widget.type.create && !isRoot)
            qFatal("init(coder:) has not been implemented (interface resource \"%s\" names "
                   "class \"%s\" for \"%s\", which cannot be created from a resource)",
                   qPrintable(result.resourceName), qPrintable(widget.className),
                   qPrintable(widget.name));
        const QMetaObject *meta =
            widget.type.metaObject ? widget.type.metaObject : &QWidget::staticMetaObject;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"property") {
                parseWidgetProperty(widget, *meta, isRoot);
            } else if (xml.name() == u"layout") {
                widget.layout = std::make_unique<InterfaceTemplate::Layout>();
                parseLayout(*widget.layout);
            } else if (xml.name() == u"widget") {
                widget.children.push_back(std::make_unique<InterfaceTemplate::Widget>());
                parseWidget(*widget.children.back(), false);
            } else {
                xml.skipCurrentElement();
            }
        }
    }

    void parseWidgetProperty(InterfaceTemplate::Widget &widget, const QMetaObject &meta,
                             bool isRoot)
    {
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        const bool standard = xml.attributes().value(QLatin1String("stdset")) != u"0";
        // The root stands for the owner: its size in the designer is not the owner's.
        if (isRoot && (name == u"geometry" || name == u"windowTitle")) {
            xml.skipCurrentElement();
            return;
        }
        InterfaceTemplate::Property property;
        const int index = meta.indexOfProperty(name.toLatin1().constData());
        if (index < 0 && standard)
            fail(QStringLiteral("class %1 has no property \"%2\" (on \"%3\")")
                     .arg(widget.className, name, widget.name));
        QMetaProperty metaProperty = index >= 0 ? meta.property(index) : QMetaProperty();
        property.index = index;
        property.name = name.toLatin1();
        property.value = values.readValue(metaProperty);
        if (metaProperty.isValid() && !property.value.convert(metaProperty.metaType()))
            fail(QStringLiteral("property \"%1\" of \"%2\" has a value of the wrong type")
                     .arg(name, widget.name));
        widget.properties.push_back(std::move(property));
    }

    void parseLayout(InterfaceTemplate::Layout &layout)
    {
        const auto kind = xml.attributes().value(QLatin1String("class"));
        if (kind == u"QVBoxLayout")
            layout.kind = InterfaceTemplate::LayoutKind::Vertical;
        else if (kind == u"QHBoxLayout")
            layout.kind = InterfaceTemplate::LayoutKind::Horizontal;
        else if (kind == u"QGridLayout")
            layout.kind = InterfaceTemplate::LayoutKind::Grid;
        else
            fail(QStringLiteral("unsupported layout class \"%1\"").arg(kind));
        layout.name = xml.attributes().value(QLatin1String("name")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == u"property")
                parseLayoutProperty(layout);
            else if (xml.name() == u"item")
                parseLayoutItem(layout);
            else
                xml.skipCurrentElement();
        }
    }

    void parseLayoutProperty(InterfaceTemplate::Layout &layout)
    {
        static const QStringList marginNames = {
            QStringLiteral("leftMargin"), QStringLiteral("topMargin"),
            QStringLiteral("rightMargin"), QStringLiteral("bottomMargin")};
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        const int number = values.readValue(QMetaProperty()).toInt();
        if (const auto margin = marginNames.indexOf(name); margin >= 0)
            layout.margins[margin] = number;
        else if (name == u"spacing" || name == u"verticalSpacing" || name == u"horizontalSpacing")
            layout.spacing = number;
    }

    void parseLayoutItem(InterfaceTemplate::Layout &layout)
    {
        InterfaceTemplate::LayoutItem item;
        const auto attributes = xml.attributes();
        item.row = intAttribute(attributes, QLatin1String("row"), 0);
        item.column = intAttribute(attributes, QLatin1String("column"), 0);
        item.rowSpan = intAttribute(attributes, QLatin1String("rowspan"), 1);
        item.columnSpan = intAttribute(attributes, QLatin1String("colspan"), 1);
        if (attributes.hasAttribute(QLatin1String("alignment"))) {
            static const QMetaEnum alignments = QMetaEnum::fromType<Qt::Alignment>();
            item.alignment = Qt::Alignment(alignments.keysToValue(
                attributes.value(QLatin1String("alignment")).toLatin1().constData()));
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == u"widget") {
                item.widget = std::make_unique<InterfaceTemplate::Widget>();
                parseWidget(*item.widget, false);
            } else if (xml.name() == u"layout") {
                item.layout = std::make_unique<InterfaceTemplate::Layout>();
                parseLayout(*item.layout);
            } else if (xml.name() == u"spacer") {
                item.spacer = std::make_unique<InterfaceTemplate::Spacer>();
                parseSpacer(*item.spacer);
            } else {
                xml.skipCurrentElement();
            }
        }
        layout.items.push_back(std::move(item));
    }

    void parseSpacer(InterfaceTemplate::Spacer &spacer)
    {
        while (xml.readNextStartElement()) {
            if (xml.name() != u"property") {
                xml.skipCurrentElement();
                continue;
            }
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            const QVariant value = values.readValue(QMetaProperty());
            if (name == u"orientation")
                spacer.orientation =
                    value.toString().endsWith(u"Horizontal") ? Qt::Horizontal : Qt::Vertical;
            else if (name == u"sizeHint")
                spacer.sizeHint = value.toSize();
            else if (name == u"sizeType")
                spacer.policy = values.readPolicy(
                    QString(value.toString()).remove(QStringLiteral("QSizePolicy::")));
        }
    }

    void parseConnections()
    {
        while (xml.readNextStartElement()) {
            if (xml.name() != u"connection") {
                xml.skipCurrentElement();
                continue;
            }
            PendingConnection pending;
            while (xml.readNextStartElement()) {
                const auto tag = xml.name();
                if (tag == u"sender")
                    pending.sender = xml.readElementText();
                else if (tag == u"signal")
                    pending.signal = xml.readElementText();
                else if (tag == u"receiver")
                    pending.receiver = xml.readElementText();
                else if (tag == u"slot")
                    pending.slot = xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
            pendingConnections.push_back(pending);
        }
    }

    const InterfaceTemplate::Widget *findWidget(const InterfaceTemplate::Widget &widget,
                                                const QString &name) const
    {
        if (widget.name == name)
            return &widget;
        for (const auto &child : widget.children)
            if (auto found = findWidget(*child, name))
                return found;
        return widget.layout ? findInLayout(*widget.layout, name) : nullptr;
    }

    const InterfaceTemplate::Widget *findInLayout(const InterfaceTemplate::Layout &layout,
                                                  const QString &name) const
    {
        for (const auto &item : layout.items) {
            if (item.widget)
                if (auto found = findWidget(*item.widget, name))
                    return found;
            if (item.layout)
                if (auto found = findInLayout(*item.layout, name))
                    return found;
        }
        return nullptr;
    }

    // Signals are resolved here, once; slots belong to the owner and are resolved when
    // the template is first instantiated for it.
    void resolveConnections()
    {
        for (const auto &pending : pendingConnections) {
            const auto *sender = findWidget(result.root, pending.sender);
            if (!sender || !sender->type.metaObject)
                fail(QStringLiteral("action \"%1\": sender \"%2\" is not a control of the "
                                    "interface")
                         .arg(pending.slot, pending.sender));
            const QByteArray signature =
                QMetaObject::normalizedSignature(qPrintable(pending.signal));
            const int index = sender->type.metaObject->indexOfSignal(signature.constData());
            if (index < 0)
                fail(QStringLiteral("action \"%1\": %2 has no signal %3")
                         .arg(pending.slot, sender->className, pending.signal));
            result.connections.push_back(
                {pending.sender, pending.receiver, sender->type.metaObject->method(index),
                 QMetaObject::normalizedSignature(qPrintable(pending.slot))});
        }
    }

    struct PendingConnection
    {
        QString sender, signal, receiver, slot;
    };

    QXmlStreamReader &xml;
    InterfaceTemplate &result;
    InterfaceValueReader values;
    std::vector<PendingConnection> pendingConnections;
};

} // namespace

std::shared_ptr<const InterfaceTemplate> InterfaceTemplate::parse(const QString &path)
{
    auto result = std::make_shared<InterfaceTemplate>();
    result->resourceName = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Interface resource \"%s\" is missing", qPrintable(path));
    QXmlStreamReader xml(&file);
    Parser(xml, *result).parseDocument();
    return result;
}

} // namespace NequoraUI::platform
