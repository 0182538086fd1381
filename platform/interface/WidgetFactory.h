#pragma once

#include <QString>

class QMetaObject;
class QWidget;

namespace NequoraUI::platform {

// The widget classes an interface resource may name, created by class name the way the
// resource loader needs them: with a parent and nothing else.
class WidgetFactory
{
public:
    using Create = QWidget *(*)(QWidget *parent);

    struct Entry
    {
        Create create = nullptr;
        const QMetaObject *metaObject = nullptr;
    };

    WidgetFactory() = delete;

    // The entry for a class name as a .ui file writes it ("QLabel",
    // "NequoraUI::platform::Slider"); an entry without create function when the class is unknown.
    static Entry find(const QString &className);
};

} // namespace NequoraUI::platform
