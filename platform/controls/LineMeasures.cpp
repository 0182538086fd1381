#include "LineMeasures.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>

#include <algorithm>
#include <vector>

namespace NequoraUI::platform {

namespace {

// Bounded so that a screen of ever new readings cannot grow it: dropped all at once when full,
// cheaper than keeping an order, and the texts still shown come back within a frame or two.
constexpr qsizetype textsKept = 512;
constexpr std::size_t fontsKept = 8;

struct FontMeasures
{
    QFont font;
    int dpi = 0;
    int flags = 0;
    // The face the font's text is drawn in where it has the characters, before any fallback.
    QRawFont primary;
    QHash<QString, LineMeasures::Measure> texts;
};

struct Store
{
    std::vector<FontMeasures> fonts;
    bool dropsWithApplication = false;
};

Store &store()
{
    static Store kept;
    return kept;
}

// Fonts hold their engines from the application's font cache: they go before it does.
void dropStore()
{
    store().fonts.clear();
    store().dropsWithApplication = false;
}

FontMeasures *find(const QFont &font, int dpi, int flags)
{
    for (FontMeasures &measures : store().fonts)
        if (measures.dpi == dpi && measures.flags == flags && measures.font == font)
            return &measures;
    return nullptr;
}

FontMeasures &findOrAdd(const QFont &font, int dpi, int flags)
{
    if (FontMeasures *found = find(font, dpi, flags))
        return *found;
    Store &kept = store();
    if (!kept.dropsWithApplication) {
        qAddPostRoutine(dropStore);
        kept.dropsWithApplication = true;
    }
    if (kept.fonts.size() >= fontsKept)
        kept.fonts.clear();
    kept.fonts.push_back({font, dpi, flags, QRawFont::fromFont(font), {}});
    return kept.fonts.back();
}

// A character shaped alone, from the primary face, to a glyph of its own: Latin and common
// script (digits, punctuation, units), no mark that joins the one before, no control or format
// character, no mnemonic, tab or line break the layout would treat first.
bool isPlainCharacter(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x20 || (code >= 0x7f && code < 0xa0) || c == QLatin1Char('&') || c.isSurrogate())
        return false;
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        break;
    }
    const QChar::Script script = c.script();
    return script == QChar::Script_Common || script == QChar::Script_Latin;
}

bool measuredBy(const QRawFont &primary, const QFont &font, const QString &text)
{
    // Small capitals draw in a second font, spacing is the layout's to add.
    if (font.capitalization() != QFont::MixedCase || font.letterSpacing() != 0 ||
        font.wordSpacing() != 0)
        return false;
    if (text.isEmpty())
        return true;
    // The layout measures spaces at a line's ends apart from the text between them.
    if (text.front().isSpace() || text.back().isSpace())
        return false;
    // Text fonts join an f with the letter after it ("ff", "fi", "fl"): the last glyph is then
    // not the last character's own, and neither is its bearing.
    if (text.size() > 1 && text.at(text.size() - 2) == QLatin1Char('f'))
        return false;
    // A character the primary face lacks is drawn from a fallback font, whose ascent and
    // descent can make the line taller than the font's own height.
    return std::all_of(text.begin(), text.end(), [&](QChar c) {
        return isPlainCharacter(c) && primary.supportsCharacter(c);
    });
}

} // namespace

LineMeasures::Measure LineMeasures::known(const QFont &font, int dpi, int flags,
                                          const QString &text)
{
    const FontMeasures *measures = find(font, dpi, flags);
    return measures ? measures->texts.value(text) : Measure{};
}

void LineMeasures::complete(Measure &measure, Part part, const QFont &font, int dpi, int flags,
                            const QString &text)
{
    if (part == Part::Bounds ? measure.hasBounds() : measure.hasAdvance())
        return;
    FontMeasures &measures = findOrAdd(font, dpi, flags);
    if (!measure.hasBounds() && measuredBy(measures.primary, font, text)) {
        // One shaping for both: the paint's check whether the text fits needs the advance.
        if (!measure.hasAdvance())
            measure.advance = QFontMetricsF(font).horizontalAdvance(text);
        measure.bounds = fontBounds(font, text, measure.advance);
    } else if (part == Part::Bounds) {
        measure.bounds = layoutBounds(font, flags, text);
    } else {
        measure.advance = QFontMetricsF(font).horizontalAdvance(text);
    }
    if (measures.texts.size() >= textsKept)
        measures.texts.clear();
    measures.texts.insert(text, measure);
}

bool LineMeasures::measuredByFont(const QFont &font, const QString &text)
{
    return measuredBy(QRawFont::fromFont(font), font, text);
}

// As QLabel measures a text: a whole layout of it, with the room QLabel gives its lines.
QSize LineMeasures::layoutBounds(const QFont &font, int flags, const QString &text)
{
    return QFontMetrics(font).boundingRect(0, 0, 2000, 2000, flags, text).size();
}

// The layout's line is as wide as the advance, or as far as the last glyph's ink reaches past
// it, rounded up to whole pixels; one line is as tall as the font's ascent and descent.
QSize LineMeasures::fontBounds(const QFont &font, const QString &text, qreal advance)
{
    const QFontMetricsF metrics(font);
    const qreal overhang = text.isEmpty() ? 0.0 : std::max(0.0, -metrics.rightBearing(text.back()));
    return {int(std::ceil(advance + overhang)), int(std::ceil(metrics.height()))};
}

} // namespace NequoraUI::platform
