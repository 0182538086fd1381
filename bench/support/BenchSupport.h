#pragma once

#include "platform/TableView.h"

#include <QImage>
#include <QScrollBar>
#include <QString>

// Pieces several benchmark programs share, so their baselines cannot drift apart.
namespace BenchSupport {

// The style sheet the form widgets' interface files give contentView; hand-written baselines
// use the same one so both sides pay the same style-sheet cost.
inline const QString &formRowStyleSheet()
{
    static const QString style = QStringLiteral(
        "QLabel#titleLabel, QLabel#title { color: #111827; }\n"
        "QLabel#valueLabel, QLabel#value { color: #6b7280; }\n"
        "QLabel#textLabel { color: #374151; }\n"
        "QLineEdit { border: 1px solid #d1d5db; border-radius: 6px; padding: 5px 8px; background: "
        "#ffffff; color: #111827; selection-background-color: #007aff; }\n"
        "QLineEdit:focus { border: 1px solid #007aff; }");
    return style;
}

// Scrolls a table down by one row (back to the top after the end) and repaints it.
inline void scrollOneRowAndRender(NequoraUI::platform::TableView *table, QImage &image)
{
    QScrollBar *bar = table->verticalScrollBar();
    const int next = bar->value() + table->rowHeight();
    bar->setValue(next > bar->maximum() ? 0 : next);
    table->viewport()->render(&image);
}

} // namespace BenchSupport
