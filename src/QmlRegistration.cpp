#include "QmlRegistration.h"

#include "NQRadialSliderControl.h"

#include <QCoreApplication>
#include <QtQml/qqml.h>

namespace NequoraUI {

namespace {

// The QML engine creates types through their default constructor, which the control keeps
// out of C++ hosts' reach; this subclass opens it for the engine alone.
class QmlRadialSliderControl : public NQRadialSliderControl
{
    Q_OBJECT

public:
    explicit QmlRadialSliderControl(QQuickItem *parent = nullptr) : NQRadialSliderControl(parent) {}
};

} // namespace

void registerQmlTypes()
{
    static const bool registered = [] {
        qmlRegisterType<QmlRadialSliderControl>("NequoraUI", 1, 0, "NQRadialSliderControl");
        return true;
    }();
    Q_UNUSED(registered);
}

// Hosts that link the library can import the module without any set-up of their own.
Q_COREAPP_STARTUP_FUNCTION(registerQmlTypes)

} // namespace NequoraUI

#include "QmlRegistration.moc"
