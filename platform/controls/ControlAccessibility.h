#pragma once

class QObject;
class QString;
class QAccessibleInterface;

namespace NequoraUI::platform {

// Accessible interfaces for the custom-painted platform controls, as Qt's own widgets get
// theirs: role, name (from a buddy label, the row's title), value, state and actions.
class ControlAccessibility
{
public:
    // Registers the factory with Qt. Controls call it when constructed, so the factory comes
    // after Qt's own and is asked first; registering again does nothing.
    static void install();

    // The factory: an interface for a platform control, or null for anything else.
    static QAccessibleInterface *interfaceFor(const QString &className, QObject *object);
};

} // namespace NequoraUI::platform
