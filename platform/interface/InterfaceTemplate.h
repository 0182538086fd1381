#pragma once

#include "WidgetFactory.h"

#include <QMetaMethod>
#include <QSize>
#include <QSizePolicy>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class QXmlStreamReader;

namespace NequoraUI::platform {

// A Designer interface file parsed once into a tree that can be instantiated many times
// without touching XML again: classes, properties and signals are resolved up front.
class InterfaceTemplate
{
public:
    struct Property
    {
        int index = -1;  // into the class's meta-object; -1 for a dynamic property
        QByteArray name; // used for dynamic properties only
        QVariant value;
    };

    struct Layout;

    struct Widget
    {
        QString className;
        QString name;
        WidgetFactory::Entry type;
        std::vector<Property> properties;
        std::unique_ptr<Layout> layout;
        std::vector<std::unique_ptr<Widget>> children; // direct children outside any layout
    };

    struct Spacer
    {
        Qt::Orientation orientation = Qt::Vertical;
        QSize sizeHint;
        QSizePolicy::Policy policy = QSizePolicy::Expanding;
    };

    struct LayoutItem
    {
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
        Qt::Alignment alignment;
        std::unique_ptr<Widget> widget;
        std::unique_ptr<Layout> layout;
        std::unique_ptr<Spacer> spacer;
    };

    enum class LayoutKind
    {
        Vertical,
        Horizontal,
        Grid
    };

    struct Layout
    {
        LayoutKind kind = LayoutKind::Vertical;
        QString name;
        int margins[4] = {-1, -1, -1, -1}; // left, top, right, bottom; -1 keeps the style's
        int spacing = -1;
        std::vector<LayoutItem> items;
    };

    struct Connection
    {
        QString sender;
        QString receiver;
        QMetaMethod signal;
        QByteArray slotSignature; // resolved against the receiver when instantiated
    };

    // Parses the resource at path; stops the program with a message naming the resource
    // and the fault when it is missing or malformed.
    static std::shared_ptr<const InterfaceTemplate> parse(const QString &path);

    QString resourceName;
    Widget root;
    std::vector<Connection> connections;
};

} // namespace NequoraUI::platform
