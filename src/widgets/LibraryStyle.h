#pragma once

class QString;
class QWidget;

namespace NequoraUI {

// The library's look, in one place: resources/NequoraUI.qss, compiled in with the interface
// files. It is set once at the top of a screen, never per view: Qt parses and polishes every
// per-instance style sheet on its own, which made screens an order of magnitude slower than a
// plain form. The library's screens (VStackViewController) apply it themselves; a host that
// places single library views in a window of its own applies it once to that window.
class LibraryStyle
{
public:
    LibraryStyle() = delete;

    // The style sheet text, read once from the library's resources.
    static const QString &styleSheet();

    // Adds the library's style sheet to screen's own (once; a second call changes nothing).
    static void apply(QWidget *screen);
};

} // namespace NequoraUI
