#pragma once

class QObject;
class QString;
class QAccessibleInterface;

namespace NequoraUI {

// Accessible interfaces for the library's own custom parts: a collapsible section's header (its
// title, expandable, expanded or collapsed), a value text that opens typed entry (a button
// named by its row, the text as its value) and the radial pad (name and an x/y value text).
class ViewAccessibility
{
public:
    // Registers the factory with Qt once a QApplication exists; registering again does nothing.
    static void install();

    static QAccessibleInterface *interfaceFor(const QString &className, QObject *object);
};

} // namespace NequoraUI
