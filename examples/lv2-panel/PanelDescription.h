#pragma once

#include <QStringList>

class QWidget;

// What a generated screen shows, one line per control, so that scripts can check a panel
// without looking at pixels: "slider<TAB>title<TAB>text<TAB>track position",
// "choices<TAB>title<TAB>label|label|...<TAB>selected", "picker<TAB>title<TAB>text",
// "readout<TAB>title<TAB>text", "switch<TAB>title<TAB>on|off", "group<TAB>title".
class PanelDescription
{
public:
    PanelDescription() = delete;

    static QStringList of(QWidget *screen);
};
