#pragma once

namespace NequoraUI {

// Registers the library's Qt Quick types under the module "NequoraUI" (version 1.0), so QML
// can say `import NequoraUI`. Safe to call more than once; the library also calls it by itself
// when the application object is created, and the "NequoraUI" QML plugin calls it on import.
// Colour texts in QML ("red") are converted by QtQuick: documents that only reach the module
// through this registration also say `import QtQuick`; the plugin's qmldir imports it for them.
void registerQmlTypes();

} // namespace NequoraUI
