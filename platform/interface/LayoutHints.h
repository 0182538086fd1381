#pragma once

#include <QLayoutItem>
#include <QSize>
#include <QWidget>

namespace NequoraUI::platform {

// What a parent's layout reads of a widget that answers for its content: kept as last passed
// on (PassedOn), so that a layout request goes on only when one of them changed.
struct LayoutHints
{
    QSize size;
    QSize minimumSize;
    int heightForCurrentWidth = -1;
    bool operator==(const LayoutHints &) const = default;

    // The widget's own answers now, through its overrides.
    static LayoutHints of(const QWidget &widget)
    {
        return {widget.sizeHint(), widget.minimumSizeHint(),
                widget.hasHeightForWidth() ? widget.heightForWidth(widget.width()) : -1};
    }
    // What a layout reads through its item for a widget, at the widget's width.
    static LayoutHints of(const QLayoutItem &item, int width)
    {
        return {item.sizeHint(), item.minimumSize(),
                item.hasHeightForWidth() ? item.heightForWidth(width) : -1};
    }
};

} // namespace NequoraUI::platform
