#include "Color.h"

#include "Contrast.h"

namespace NequoraUI::platform {

namespace {

// What Qt's built-in light palette highlights with when no theme gives a palette.
const QColor qtFallbackHighlight(0x30, 0x8c, 0xc6);
const QColor libraryBlue(0, 122, 255);
// Blended this far towards the text on a dark palette: #007aff becomes about #0f82ff.
constexpr double darkLift = 0.06;

QColor role(const QPalette &palette, QPalette::ColorRole colorRole)
{
    return palette.color(QPalette::Active, colorRole);
}

} // namespace

bool Color::setsHighlight(const QPalette &palette)
{
    return role(palette, QPalette::Highlight) != qtFallbackHighlight;
}

bool Color::isDark(const QPalette &palette)
{
    return Contrast::relativeLuminance(role(palette, QPalette::Base)) <
           Contrast::relativeLuminance(role(palette, QPalette::Text));
}

QColor Color::adapted(const QColor &color, const QPalette &palette)
{
    return isDark(palette) ? Contrast::mixed(color, role(palette, QPalette::Text), darkLift)
                           : color;
}

QColor Color::systemBlue(const QPalette &palette)
{
    return setsHighlight(palette) ? role(palette, QPalette::Highlight)
                                  : adapted(libraryBlue, palette);
}

QColor Color::label(const QPalette &palette)
{
    return role(palette, QPalette::Text);
}

QColor Color::secondaryLabel(const QPalette &palette)
{
    constexpr double towardsBase = 0.42;
    const QColor base = role(palette, QPalette::Base);
    const QColor grey = Contrast::mixed(label(palette), base, towardsBase);
    return Contrast::ensured(Contrast::ensured(grey, base, Contrast::textRatio),
                             role(palette, QPalette::Window), Contrast::textRatio);
}

} // namespace NequoraUI::platform
