#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace NequoraUI::platform {

// The system colours the library names, as this platform draws them: taken from a palette (the
// application's unless one is given), so that they follow a dark desktop as iOS's own system
// colours follow its dark mode. ColorScheme derives the rest of the library's colours.
class Color
{
public:
    Color() = delete;

    // The palette's highlight; the library's blue where the palette sets none of its own.
    static QColor systemBlue(const QPalette &palette = QGuiApplication::palette());
    // The palette's text colour.
    static QColor label(const QPalette &palette = QGuiApplication::palette());
    // Text halfway to the background, still readable on the palette's base and window.
    static QColor secondaryLabel(const QPalette &palette = QGuiApplication::palette());

    static QColor white() { return QColor(Qt::white); }
    static QColor clear() { return QColor(0, 0, 0, 0); }
    // A colour from red, green, blue and alpha fractions, as the iOS design gives them.
    static QColor fromRgbF(float red, float green, float blue, float alpha = 1.0f)
    {
        return QColor::fromRgbF(red, green, blue, alpha);
    }

    // False for Qt's own fallback palette, which a host or desktop left as it was: its
    // highlight is then no choice of theirs, and the library's own accents show instead.
    static bool setsHighlight(const QPalette &palette);
    // Dark when the palette's text is lighter than its base.
    static bool isDark(const QPalette &palette);
    // One of the library's own colours as it shows on palette: a little lighter on a dark one,
    // as the iOS design's dark variants are.
    static QColor adapted(const QColor &color, const QPalette &palette);
};

} // namespace NequoraUI::platform
