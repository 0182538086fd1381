#pragma once

#include <QSizePolicy>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

class QCursor;
class QFont;
class QMetaEnum;
class QMetaProperty;
class QRect;
class QSize;
class QXmlStreamReader;

namespace NequoraUI::platform {

// Reads the values inside a Designer interface file's <property> elements: strings, numbers,
// enums and sets, fonts, sizes, rectangles, size policies, string lists and cursor shapes. A
// value it cannot read stops the program with a message naming the resource, since a broken
// interface file is a build defect that must fail loudly in the first test run.
class InterfaceValueReader
{
public:
    InterfaceValueReader(QXmlStreamReader &xml, const QString &resourceName)
        : m_xml(xml), m_resourceName(resourceName)
    {}

    // The value element inside <property>, converted for property where it names an enum;
    // leaves the reader after </property>.
    QVariant readValue(const QMetaProperty &property);
    // A size policy by its key ("Expanding").
    QSizePolicy::Policy readPolicy(QStringView name);

    [[noreturn]] void fail(const QString &message) const;

private:
    QVariant readEnum(const QMetaProperty &property, const QString &keys);
    QCursor readCursor(const QString &shape);
    QFont readFont();
    QSize readSize();
    QRect readRect();
    QSizePolicy readSizePolicy();
    QStringList readStringList();
    // The value of one key of an enum, or a fault naming what the key was meant to be.
    int keyValue(const QMetaEnum &keys, QStringView key, const QString &what) const;
    // Hands each child element's name and whole-number text to apply, up to the end element.
    template <typename Apply> void readNumbers(Apply apply);

    QXmlStreamReader &m_xml;
    const QString &m_resourceName;
};

} // namespace NequoraUI::platform
