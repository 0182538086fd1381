#pragma once

#include <QLabel>
#include <QTest>
#include <QWidget>

namespace NequoraUI::testing {

// The named child a resource gave a view.
template <typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

inline QString labelText(const QObject *parent, const char *name)
{
    return child<QLabel>(parent, name)->text();
}

// Shows a top-level widget at the given size and waits until it can take input.
inline bool shown(QWidget &widget, int width, int height)
{
    widget.resize(width, height);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

} // namespace NequoraUI::testing
