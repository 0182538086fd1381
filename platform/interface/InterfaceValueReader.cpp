#include "InterfaceValueReader.h"

#include <QCursor>
#include <QFont>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtGlobal>

namespace NequoraUI::platform {

void InterfaceValueReader::fail(const QString &message) const
{
    qFatal("Interface resource \"%s\": %s", qPrintable(m_resourceName), qPrintable(message));
}

QVariant InterfaceValueReader::readValue(const QMetaProperty &property)
{
    QVariant value;
    while (m_xml.readNextStartElement()) {
        const auto tag = m_xml.name();
        if (tag == u"string")
            value = m_xml.readElementText();
        else if (tag == u"cstring")
            value = m_xml.readElementText().toUtf8();
        else if (tag == u"bool")
            value = m_xml.readElementText() == u"true";
        else if (tag == u"number")
            value = m_xml.readElementText().toInt();
        else if (tag == u"double")
            value = m_xml.readElementText().toDouble();
        else if (tag == u"enum" || tag == u"set")
            value = readEnum(property, m_xml.readElementText());
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
            value = readCursor(m_xml.readElementText());
        else
            fail(QStringLiteral("unsupported property value <%1> at line %2")
                     .arg(tag.toString())
                     .arg(m_xml.lineNumber()));
    }
    return value;
}

int InterfaceValueReader::keyValue(const QMetaEnum &keys, QStringView key,
                                   const QString &what) const
{
    bool ok = false;
    const int value = keys.keyToValue(key.toLatin1().constData(), &ok);
    if (!ok)
        fail(QStringLiteral("unknown %1 \"%2\"").arg(what, key));
    return value;
}

QVariant InterfaceValueReader::readEnum(const QMetaProperty &property, const QString &keys)
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

QCursor InterfaceValueReader::readCursor(const QString &shape)
{
    static const QMetaEnum shapes = QMetaEnum::fromType<Qt::CursorShape>();
    return QCursor(Qt::CursorShape(keyValue(shapes, shape, QStringLiteral("cursor shape"))));
}

QSizePolicy::Policy InterfaceValueReader::readPolicy(QStringView name)
{
    static const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
    return QSizePolicy::Policy(keyValue(policies, name, QStringLiteral("size policy")));
}

QFont InterfaceValueReader::readFont()
{
    QFont font;
    while (m_xml.readNextStartElement()) {
        const auto tag = m_xml.name();
        const QString text = m_xml.readElementText();
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

template <typename Apply> void InterfaceValueReader::readNumbers(Apply apply)
{
    while (m_xml.readNextStartElement()) {
        const auto tag = m_xml.name();
        const int number = m_xml.readElementText().toInt();
        apply(tag, number);
    }
}

QSize InterfaceValueReader::readSize()
{
    QSize size;
    readNumbers([&size](QStringView tag, int number) {
        if (tag == u"width")
            size.setWidth(number);
        else if (tag == u"height")
            size.setHeight(number);
    });
    return size;
}

QRect InterfaceValueReader::readRect()
{
    QRect rect;
    readNumbers([&rect](QStringView tag, int number) {
        if (tag == u"x")
            rect.moveLeft(number);
        else if (tag == u"y")
            rect.moveTop(number);
        else if (tag == u"width")
            rect.setWidth(number);
        else if (tag == u"height")
            rect.setHeight(number);
    });
    return rect;
}

QSizePolicy InterfaceValueReader::readSizePolicy()
{
    QSizePolicy policy(readPolicy(m_xml.attributes().value(QLatin1String("hsizetype"))),
                       readPolicy(m_xml.attributes().value(QLatin1String("vsizetype"))));
    readNumbers([&policy](QStringView tag, int number) {
        if (tag == u"horstretch")
            policy.setHorizontalStretch(number);
        else if (tag == u"verstretch")
            policy.setVerticalStretch(number);
    });
    return policy;
}

QStringList InterfaceValueReader::readStringList()
{
    QStringList list;
    while (m_xml.readNextStartElement())
        list << m_xml.readElementText();
    return list;
}

} // namespace NequoraUI::platform
