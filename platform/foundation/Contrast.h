#pragma once

#include <QColor>

namespace NequoraUI::platform {

// Legibility arithmetic after the WCAG definitions: the relative luminance of an sRGB colour
// and the contrast ratio of two colours (1 for equal colours, 21 for black on white).
class Contrast
{
public:
    Contrast() = delete;

    // Texts of body size need this much against what they sit on; controls and their parts
    // (a slider's track, its knob's edge) need the second.
    static constexpr double textRatio = 4.5;
    static constexpr double controlRatio = 3.0;

    static double relativeLuminance(const QColor &color);
    static double ratio(const QColor &first, const QColor &second);

    // foreground itself when it already reaches the ratio against background; otherwise the
    // least change of it, towards black or white (whichever contrasts more with background),
    // that does. Alpha is kept. A ratio no colour can reach gives black or white.
    static QColor ensured(const QColor &foreground, const QColor &background, double ratio);

    // first blended towards second: 0 gives first, 1 gives second (alpha blended too).
    static QColor mixed(const QColor &first, const QColor &second, double amount);
};

} // namespace NequoraUI::platform
