#pragma once

class QLayoutItem;
class QWidget;

namespace NequoraUI::platform {

// The layout a widget sits in: its parent's layout, or one nested in it. That layout reads the
// widget's hints through an item that keeps them until the widget asks for layout
// (updateGeometry), so the item tells what the layout works from.
class HoldingLayout
{
public:
    // The item holding widget; null when no layout holds it.
    static QLayoutItem *itemOf(const QWidget &widget);
    // True when a layout holds widget in an item that keeps its hints, and those are the hints
    // the widget gives now, or are forgotten and read afresh at the layout's next pass. Asking
    // for layout then tells the layout nothing it does not know.
    static bool hasCurrentHints(const QWidget &widget);
};

} // namespace NequoraUI::platform
