#pragma once

class QPalette;
class QString;
class QWidget;

namespace NequoraUI {

// The library's look, in one place: resources/NequoraUI.qss, compiled in with the interface
// files, its colours filled in from a palette. It is set once at the top of a screen, never per
// view: Qt parses and polishes every per-instance style sheet on its own, which made screens an
// order of magnitude slower than a plain form. A host that places single library views in a
// window of its own applies it once to that window.
//
// The library's screens (VStackViewController) set no sheet over their rows: under any sheet Qt
// gives every widget a style-sheet style of its own, which made each row cost several times a
// plain form's. There the rows, cards and section titles paint the same look from the palette
// (platform::ElidingLabel's tones, platform::CardView's surfaces, platform::FormControlStyle)
// and only the bars above the rows take the sheet.
class LibraryStyle
{
public:
    LibraryStyle() = delete;

    // The style sheet with the colours of palette's scheme (platform::ColorScheme).
    static QString styleSheet(const QPalette &palette);

    // Adds the library's style sheet, in screen's colours, to screen's own sheet (once; a
    // second call changes nothing). When screen's palette changes (the application's, or one a
    // host sets), the colours are filled in again from the new palette.
    static void apply(QWidget *screen);
};

} // namespace NequoraUI
