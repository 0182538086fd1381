#pragma once

#include "NQRadialSliderControl.h"

#include <QtQml/qqmlregistration.h>

namespace NequoraUI {

// The radial pad as QML creates it: `import NequoraUI` then `NQRadialSliderControl { ... }`.
// The engine needs a default constructor, which the control keeps out of C++ hosts' reach;
// this subclass opens it for the engine alone. The build generates the module's registration
// and type information from this declaration.
class QmlRadialSliderControl : public NequoraUI::NQRadialSliderControl
{
    Q_OBJECT
    QML_NAMED_ELEMENT(NQRadialSliderControl)

public:
    explicit QmlRadialSliderControl(QQuickItem *parent = nullptr) : NQRadialSliderControl(parent) {}
};

} // namespace NequoraUI
