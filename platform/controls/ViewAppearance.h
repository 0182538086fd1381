#pragma once

#include <QColor>

class QWidget;

namespace NequoraUI::platform {

// The few visual attributes the library sets on a view in code: tint (title) colour,
// background colour and corner radius. They are kept on the view, so they can be read
// back, and drawn through a style sheet, so the view really shows them.
class ViewAppearance
{
public:
    ViewAppearance() = delete;

    static void setTintColor(QWidget *view, const QColor &color);
    static void setBackgroundColor(QWidget *view, const QColor &color);
    static void setCornerRadius(QWidget *view, qreal radius);

    static QColor tintColor(const QWidget *view);
    static QColor backgroundColor(const QWidget *view);
    static qreal cornerRadius(const QWidget *view);

private:
    static void restyle(QWidget *view);
};

} // namespace NequoraUI::platform
