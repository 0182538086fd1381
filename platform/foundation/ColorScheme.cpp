#include "ColorScheme.h"

#include "Color.h"
#include "Contrast.h"

#include <QPalette>

namespace NequoraUI::platform {

namespace {

const QColor libraryGreen(52, 199, 89);
const QColor libraryRed(255, 59, 48);

// How far each grey lies from the text towards the base, picked so that on Qt's light palette
// (black on white) they give the library's light greys.
constexpr double runningText = 0.22;
constexpr double disabledText = 0.62;
constexpr double separatorGrey = 0.78;
constexpr double borderGrey = 0.82;
constexpr double controlGrey = 0.9;
constexpr double groupGrey = 0.935;
constexpr double pressedGrey = 0.95;
constexpr double knobEdgeGrey = 0.6;
// The selected segment on a dark palette: a lighter grey over the trough.
constexpr double darkRaisedGrey = 0.7;

QColor readableOn(const QColor &color, const QColor &card, const QColor &background, double ratio)
{
    return Contrast::ensured(Contrast::ensured(color, card, ratio), background, ratio);
}

} // namespace

ColorScheme ColorScheme::fromPalette(const QPalette &palette)
{
    ColorScheme scheme;
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    const auto grey = [&](double towardsBase) { return Contrast::mixed(text, base, towardsBase); };

    scheme.dark = Color::isDark(palette);
    scheme.background = window;
    scheme.card = base;
    scheme.bar = Contrast::mixed(window, base, 0.6);
    scheme.raised = scheme.dark ? grey(darkRaisedGrey) : base;
    scheme.groupFill = grey(groupGrey);
    scheme.controlFill = grey(controlGrey);
    scheme.pressedFill = grey(pressedGrey);
    scheme.selectedFill = grey(borderGrey);

    scheme.label = readableOn(text, base, window, Contrast::textRatio);
    scheme.tertiaryLabel = readableOn(grey(runningText), base, window, Contrast::textRatio);
    scheme.secondaryLabel = Color::secondaryLabel(palette);
    scheme.disabledLabel = grey(disabledText);

    scheme.separator = grey(separatorGrey);
    scheme.fieldBorder = grey(borderGrey);
    scheme.indicator = Contrast::ensured(grey(disabledText), base, Contrast::controlRatio);
    scheme.shadow = scheme.dark ? QColor(Qt::black) : text;

    // The accent fills the slider's track: it stays visible on the card whatever the palette.
    scheme.accent = Contrast::ensured(Color::systemBlue(palette), base, Contrast::controlRatio);
    scheme.accentText = readableOn(scheme.accent, base, window, Contrast::textRatio);
    scheme.accentPressed = Contrast::mixed(scheme.accent, base, 0.35);
    scheme.accentTint = Contrast::mixed(scheme.accent, base, 0.9);
    scheme.switchOn =
        Color::setsHighlight(palette) ? scheme.accent : Color::adapted(libraryGreen, palette);

    scheme.track = Contrast::ensured(grey(borderGrey), base, Contrast::controlRatio);
    scheme.knob =
        Contrast::relativeLuminance(base) >= Contrast::relativeLuminance(text) ? base : text;
    scheme.knobOutline = Contrast::ensured(grey(knobEdgeGrey), base, Contrast::controlRatio);

    scheme.error = Color::adapted(libraryRed, palette);
    scheme.errorFill = Contrast::mixed(scheme.error, base, 0.94);
    return scheme;
}

} // namespace NequoraUI::platform
