#include "HoldingLayout.h"

#include "LayoutHints.h"

#include <QLayout>
#include <QWidget>

namespace NequoraUI::platform {

namespace {

QLayoutItem *itemIn(const QLayout &layout, const QWidget *widget, int likely)
{
    // A stack whose widgets were made inside it before it took its layout holds them in the
    // order they were made: the guess spares a long stack a search per widget.
    for (int guess : {likely, likely - 1})
        if (QLayoutItem *item = layout.itemAt(guess); item && item->widget() == widget)
            return item;
    for (int index = 0; QLayoutItem *item = layout.itemAt(index); ++index) {
        if (item->widget() == widget)
            return item;
        if (const QLayout *inner = item->layout())
            if (QLayoutItem *found = itemIn(*inner, widget, -1))
                return found;
    }
    return nullptr;
}

} // namespace

QLayoutItem *HoldingLayout::itemOf(const QWidget &widget)
{
    const QWidget *parent = widget.isWindow() ? nullptr : widget.parentWidget();
    const QLayout *layout = parent ? parent->layout() : nullptr;
    if (!layout)
        return nullptr;
    return itemIn(*layout, &widget, int(parent->children().indexOf(&widget)));
}

bool HoldingLayout::hasCurrentHints(const QWidget &widget)
{
    // Only Qt's own widget items keep what they read; another item reads the widget anew each
    // time, and the layout keeps its own sums of what it read.
    const auto *held = dynamic_cast<const QWidgetItemV2 *>(itemOf(widget));
    if (!held)
        return false;
    // An item of its own keeps nothing: it reads the hints as they are now.
    const QWidgetItem now(const_cast<QWidget *>(&widget));
    return LayoutHints::of(*held, widget.width()) == LayoutHints::of(now, widget.width()) &&
           held->maximumSize() == now.maximumSize();
}

} // namespace NequoraUI::platform
