#include "QmlRegistration.h"

#include <QQmlExtensionPlugin>

// Loaded by the QML engine for `import NequoraUI` when the application does not link the
// library itself (a QML-only host, the qml tool).
class NequoraUIQmlPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override
    {
        Q_ASSERT(QLatin1String(uri) == QLatin1String("NequoraUI"));
        NequoraUI::registerQmlTypes();
    }
};

#include "NequoraUIQmlPlugin.moc"
