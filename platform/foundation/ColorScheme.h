#pragma once

#include <QColor>

class QPalette;

namespace NequoraUI::platform {

// Every colour the library's views and controls draw with, derived from one palette: the
// palette's window behind the cards, its base for the cards, its text for titles, and greys
// and fills blended between the two, so that a dark palette gives a dark screen with the same
// hierarchy. Texts are kept at a readable contrast against what they sit on, and the slider's
// track and knob edge at a visible one, whatever the palette. On Qt's own light palette the
// colours are the library's familiar light look.
struct ColorScheme
{
    static ColorScheme fromPalette(const QPalette &palette);

    bool dark = false;

    // Surfaces.
    QColor background; // behind the cards
    QColor card;
    QColor bar;         // a navigation bar
    QColor raised;      // the selected segment
    QColor groupFill;   // the segmented control's trough
    QColor controlFill; // a switch that is off, a progress bar's track
    QColor pressedFill;
    QColor selectedFill; // a chosen table row

    // Texts.
    QColor label;          // titles
    QColor tertiaryLabel;  // running text
    QColor secondaryLabel; // values
    QColor disabledLabel;

    // Lines and marks.
    QColor separator;
    QColor fieldBorder;
    QColor indicator; // a section's chevron
    QColor shadow;    // opaque; painters give it their own alpha

    // The accent and its uses.
    QColor accent;
    QColor accentText; // the accent where it is a text: readable on card and background
    QColor accentPressed;
    QColor accentTint; // a focused header's wash
    QColor switchOn;

    // The slider.
    QColor track;
    QColor knob;
    QColor knobOutline;

    // A value typed that is not one.
    QColor error;
    QColor errorFill;
};

} // namespace NequoraUI::platform
