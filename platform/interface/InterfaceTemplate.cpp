#include "InterfaceTemplate.h"

#include <QCursor>
#include <QFile>
#include <QFont>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRect>
#include <QSizePolicy>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtGlobal>

namespace NequoraUI::platform {

namespace {

// Reads one .ui document. Every fault stops the program: a broken interface file is a
// build defect that must fail loudly in the first test run, not at a user's desk.
class Parser
{
public:
    Parser(QXmlStreamReader &xml, InterfaceTemplate &result) : xml(xml), result(result) {}

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
    [[noreturn]] void fail(const QString &message) const
    {
        qFatal("Interface resource \"%s\": %s", qPrintable(result.resourceName),
               qPrintable(message));
    }

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
        property.value = readValue(metaProperty);
        if (metaProperty.isValid() && !property.value.convert(metaProperty.metaType()))
            fail(QStringLiteral("property \"%1\" of \"%2\" has a value of the wrong type")
                     .arg(name, widget.name));
        widget.properties.push_back(std::move(property));
    }

    // The value element inside <property>; leaves the reader after </property>.
    QVariant readValue(const QMetaProperty &property)
    {
        QVariant value;
        while (xml.readNextStartElement()) {
            const auto tag = xml.name();
            if (tag == u"string")
                value = xml.readElementText();
            else if (tag == u"cstring")
                value = xml.readElementText().toUtf8();
            else if (tag == u"bool")
                value = xml.readElementText() == u"true";
            else if (tag == u"number")
                value = xml.readElementText().toInt();
            else if (tag == u"double")
                value = xml.readElementText().toDouble();
            else if (tag == u"enum" || tag == u"set")
                value = readEnum(property, xml.readElementText());
            else if (tag == u"font")
                value = readFont();
            else if (tag == u"size")
                value = readSize();
            else if (tag == u"rect")
                value = readRect();
            else if (tag == u"sizepolicy")
                value = QVariant::fromValue(readSizePolicy());
            else if (tag == u"stringlist")
                value = readStringList();
            else if (tag == u"cursorShape")
                value = readCursor(xml.readElementText());
            else
                fail(QStringLiteral("unsupported property value <%1> at line %2")
                         .arg(tag.toString())
                         .arg(xml.lineNumber()));
        }
        return value;
    }

    QVariant readEnum(const QMetaProperty &property, const QString &keys)
    {
        if (!property.isValid() || !property.isEnumType())
            return keys;
        bool ok = false;
        const int value = property.enumerator().keysToValue(keys.toLatin1().constData(), &ok);
        if (!ok)
            fail(QStringLiteral("unknown value \"%1\" for property \"%2\"")
                     .arg(keys, QString::fromLatin1(property.name())));
        return value;
    }

    QCursor readCursor(const QString &shape)
    {
        static const QMetaEnum shapes = QMetaEnum::fromType<Qt::CursorShape>();
        bool ok = false;
        const int value = shapes.keyToValue(shape.toLatin1().constData(), &ok);
        if (!ok)
            fail(QStringLiteral("unknown cursor shape \"%1\"").arg(shape));
        return QCursor(Qt::CursorShape(value));
    }

    QFont readFont()
    {
        QFont font;
        while (xml.readNextStartElement()) {
            const auto tag = xml.name();
            const QString text = xml.readElementText();
            if (tag == u"pointsize")
                font.setPointSize(text.toInt());
            else if (tag == u"bold")
                font.setBold(text == u"true");
            else if (tag == u"italic")
                font.setItalic(text == u"true");
            else if (tag == u"weight")
                font.setWeight(QFont::Weight(text.toInt()));
            else if (tag == u"family")
                font.setFamily(text);
            else if (tag == u"underline")
                font.setUnderline(text == u"true");
        }
        return font;
    }

    QSize readSize()
    {
        QSize size;
        while (xml.readNextStartElement()) {
            const auto tag = xml.name();
            const int number = xml.readElementText().toInt();
            if (tag == u"width")
                size.setWidth(number);
            else if (tag == u"height")
                size.setHeight(number);
        }
        return size;
    }

    QRect readRect()
    {
        QRect rect;
        while (xml.readNextStartElement()) {
            const auto tag = xml.name();
            const int number = xml.readElementText().toInt();
            if (tag == u"x")
                rect.moveLeft(number);
            else if (tag == u"y")
                rect.moveTop(number);
            else if (tag == u"width")
                rect.setWidth(number);
            else if (tag == u"height")
                rect.setHeight(number);
        }
        return rect;
    }

    QSizePolicy::Policy readPolicy(QStringView name)
    {
        static const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        bool ok = false;
        const int value = policies.keyToValue(name.toLatin1().constData(), &ok);
        if (!ok)
            fail(QStringLiteral("unknown size policy \"%1\"").arg(name));
        return QSizePolicy::Policy(value);
    }

    QSizePolicy readSizePolicy()
    {
        QSizePolicy policy(readPolicy(xml.attributes().value(QLatin1String("hsizetype"))),
                           readPolicy(xml.attributes().value(QLatin1String("vsizetype"))));
        while (xml.readNextStartElement()) {
            const auto tag = xml.name();
            const int number = xml.readElementText().toInt();
            if (tag == u"horstretch")
                policy.setHorizontalStretch(number);
            else if (tag == u"verstretch")
                policy.setVerticalStretch(number);
        }
        return policy;
    }

    QStringList readStringList()
    {
        QStringList list;
        while (xml.readNextStartElement())
            list << xml.readElementText();
        return list;
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
        const int number = readValue(QMetaProperty()).toInt();
        if (const auto margin = marginNames.indexOf(name); margin >= 0)
            layout.margins[margin] = number;
        else if (name == u"spacing" || name == u"verticalSpacing" || name == u"horizontalSpacing")
            layout.spacing = number;
    }

    void parseLayoutItem(InterfaceTemplate::Layout &layout)
    {
        InterfaceTemplate::LayoutItem item;
        const auto attributes = xml.attributes();
        item.row = attributes.value(QLatin1String("row")).toInt();
        item.column = attributes.value(QLatin1String("column")).toInt();
        item.rowSpan = attributes.hasAttribute(QLatin1String("rowspan"))
                           ? attributes.value(QLatin1String("rowspan")).toInt()
                           : 1;
        item.columnSpan = attributes.hasAttribute(QLatin1String("colspan"))
                              ? attributes.value(QLatin1String("colspan")).toInt()
                              : 1;
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
            const QVariant value = readValue(QMetaProperty());
            if (name == u"orientation")
                spacer.orientation =
                    value.toString().endsWith(u"Horizontal") ? Qt::Horizontal : Qt::Vertical;
            else if (name == u"sizeHint")
                spacer.sizeHint = value.toSize();
            else if (name == u"sizeType")
                spacer.policy =
                    readPolicy(QString(value.toString()).remove(QStringLiteral("QSizePolicy::")));
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
