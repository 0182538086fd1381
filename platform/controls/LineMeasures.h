#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <cmath>
#include <limits>

namespace NequoraUI::platform {

// What a plain one-line text measures in a font, as QLabel lays it out: its advance (where a
// paint decides whether the text must be cut) and its bounds (a label's size hint). Known
// measures are shared by every label: a screen shows the same few titles and readings ("Gain",
// "0.0 dB") on many rows, and shaping a text is most of what measuring it costs.
//
// Widgets only: every call is on the thread that runs the interface.
class LineMeasures
{
public:
    struct Measure
    {
        qreal advance = std::numeric_limits<qreal>::quiet_NaN();
        QSize bounds;

        bool hasAdvance() const { return !std::isnan(advance); }
        bool hasBounds() const { return bounds.isValid(); }
    };

    enum class Part
    {
        Bounds,
        Advance
    };

    // Whatever any label has measured of text in font with the measuring flags; dpi is the
    // device's, which the font's own equality leaves out.
    static Measure known(const QFont &font, int dpi, int flags, const QString &text);
    // Measures part of text where measure lacks it, and the other part too where that comes at
    // no cost, and keeps both for the next label that asks.
    static void complete(Measure &measure, Part part, const QFont &font, int dpi, int flags,
                         const QString &text);

    // Whether the font alone measures text as a layout of it does: one shaping gives the
    // advance, the bounds follow from it, the last glyph's bearing and the font's height.
    static bool measuredByFont(const QFont &font, const QString &text);

private:
    static QSize layoutBounds(const QFont &font, int flags, const QString &text);
    static QSize fontBounds(const QFont &font, const QString &text, qreal advance);
};

} // namespace NequoraUI::platform
