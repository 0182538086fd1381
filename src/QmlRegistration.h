#pragma once

namespace NequoraUI {

// Registers the library's Qt Quick types under the module "NequoraUI" (version 1.0), so QML
// can say `import NequoraUI`. Safe to call more than once; the library also calls it by itself
// when the application object is created, and the "NequoraUI" QML plugin calls it on import.
void registerQmlTypes();

} // namespace NequoraUI
