#pragma once

#include "RadialSliderGeometry.h"

#include <QString>

class QQuickItem;

namespace NequoraUI {

// What a radial pad tells assistive technology: its place in its window's accessible tree, its
// position as text, and each change of it.
class RadialSliderAccessibility
{
public:
    // Qt Quick lists an item in its window's accessible tree only once the item has an
    // Accessible attached object; the pad makes its own, so that a QML document need not. The
    // attached type is Qt Quick's own, known by name once Qt Quick has registered its types, so
    // this can fail before then; true once pad is in the tree.
    static bool joinTree(QQuickItem *pad);
    // "x 0.75, y 0.25".
    static QString valueText(RadialSliderGeometry::Point position);
    // Reports the pad's new position, when assistive technology listens.
    static void announceValue(QQuickItem *pad, RadialSliderGeometry::Point position);
};

} // namespace NequoraUI
