#pragma once

#include "LineMeasures.h"
#include "PaletteColors.h"

#include <QEvent>
#include <QLabel>
#include <utility>
#include <vector>

namespace NequoraUI::platform {

// A one-line label that never makes its row wider than the row can be: a text too long for
// the width is drawn cut with an ellipsis, and the whole text becomes the tooltip. text() and
// the accessible name always hold the whole text.
//
// A plain one-line text is measured and drawn from the font alone, also when the label takes
// keyboard focus: a focusable QLabel would lay its text out as a rich-text document for both,
// several times the cost, which shows on labels that change every display frame.
class ElidingLabel : public QLabel
{
    Q_OBJECT
    // Declared again so that interface files and property writes set the text through here.
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Tone tone READ tone WRITE setTone)
    // Declared again so that a tone follows a text that becomes one QLabel lays out.
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(Qt::TextFormat textFormat READ textFormat WRITE setTextFormat)

public:
    // Where the label's text colour comes from. Inherited keeps the palette's own; the others
    // are the library's text colours (ColorScheme) derived from the label's palette, again on
    // every palette change, so a row needs no style sheet for its look. A label with keyboard
    // focus shows in the accent's text colour. Under a style sheet the sheet decides.
    //
    // A plain line is drawn in the tone's colour without a palette of its own (a palette set
    // on a widget is a copy of every colour, on every row); a text QLabel lays out itself
    // (rich text, wrapped) takes the colour through the label's palette.
    enum Tone
    {
        Inherited,
        Label,
        SecondaryLabel,
        TertiaryLabel,
        Indicator,
        AccentText
    };
    Q_ENUM(Tone)

    explicit ElidingLabel(QWidget *parent = nullptr);

    Tone tone() const { return m_tone; }
    void setTone(Tone tone);

    // As QLabel's, but a plain one-line text on a focusable label builds no text document: a
    // focusable QLabel lays out every text it is given in a rich-text document of its own,
    // kilobytes a label and most of the cost of a new text, for a line this class draws alone.
    void setText(const QString &text);
    void setWordWrap(bool on);
    void setTextFormat(Qt::TextFormat format);

    // The colour the text is drawn in now: the tone's, or the palette's where the tone is
    // Inherited or a style sheet decides.
    QColor textColor() const;

    // The text as drawn at the current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }
    // The whole text's width at one line in the label's font. Kept for the current text, so
    // that whoever sets a text and measures it, and the paint that shows it, measure it once.
    // Where the size hint is measured from the font alone it comes with the hint, from the
    // same shaping; otherwise the hint does not need it and a label nobody paints never
    // shapes its text for it.
    qreal textAdvance() const;

    QSize sizeHint() const override;
    // Room for the ellipsis alone; the size hint still asks for the whole text.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The events on which QLabel may build a text document for a focusable label.
    static bool rebuildsDocument(QEvent::Type type);
    // Takes the text colour of the tone from the current palette, where no style sheet does.
    void applyTone();
    // The tone's colour in the label's palette, for a text QLabel draws.
    void setTonedPalette(const QColor &color);
    // Puts the tone into the palette once QLabel draws the text itself.
    void toneLaidOutText();
    void keepToneUnderStyleSheet();
    void setPlainText(const QString &text);
    // Plain text without wrapping, pixmap, picture, movie or mnemonic: what this class draws.
    bool isPlainLine() const;
    static bool mightBeRich(const QString &text);
    // Where the text goes: inside the frame, margin and indent, as QLabel places it.
    QRect textRect() const;
    int textFlags() const;
    // The size of the whole text at one line, frame and margins included.
    QSize plainLineSize() const;
    int measureFlags() const;
    void updateToolTip(const QString &shown);

    using Measure = LineMeasures::Measure;
    // The current text's measure. Kept per text for the last few texts: a value that keeps
    // coming back (a meter's reading around a steady level) is measured once, and its layout,
    // the check whether it must be cut and the paint then ask for no text layout of their own.
    // A text this label has not shown yet starts from what other labels measured of it.
    Measure &measure() const;
    // The current text's measure with part measured, where it was not yet.
    Measure &measured(LineMeasures::Part part) const;
    QSize textBounds() const;
    // Whether the bounds, where known, already tell that the text fits width: they are never
    // narrower than the advance, unless a mnemonic or a tab is measured other than drawn.
    bool boundsFit(const QString &whole, int width) const;

    static constexpr int measuresKept = 64;
    // A list, not a hash: most labels only ever show one text, and a hash's first storage
    // alone weighs two kilobytes, on every row.
    mutable std::vector<std::pair<QString, Measure>> m_measures;
    mutable QFont m_measuresFont;
    mutable int m_measuresDpi = 0;
    mutable int m_measuresFlags = 0;
    // The tooltip this label set itself, so one a host set is left alone.
    QString m_ownToolTip;
    Tone m_tone = Tone::Inherited;
    // Invalid while the palette's own colour applies.
    QColor m_toneColor;
    PaletteColors m_colors;
    bool m_applyingTone = false;
};

} // namespace NequoraUI::platform
