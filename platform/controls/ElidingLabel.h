#pragma once

#include <QHash>
#include <QLabel>

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

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The text as drawn at the current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }
    // The whole text's width at one line in the label's font. Kept for the current text, so
    // that whoever sets a text and measures it, and the paint that shows it, measure it once.
    qreal textAdvance() const;

    QSize sizeHint() const override;
    // Room for the ellipsis alone; the size hint still asks for the whole text.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Plain text without wrapping, pixmap, picture, movie or mnemonic: what this class draws.
    bool isPlainLine() const;
    // Where the text goes: inside the frame, margin and indent, as QLabel places it.
    QRect textRect() const;
    int textFlags() const;
    // The size of the whole text at one line, frame and margins included.
    QSize plainLineSize() const;
    int measureFlags() const;
    void updateToolTip(const QString &shown);

    // What a text measures at one line in the current font.
    struct Measure
    {
        qreal advance = 0;
        QSize bounds;
    };
    // The current text's measure. Kept per text for the last few texts: a value that keeps
    // coming back (a meter's reading around a steady level) is measured once, and its layout,
    // the check whether it must be cut and the paint then ask for no text layout of their own.
    const Measure &measure() const;

    static constexpr int measuresKept = 64;
    mutable QHash<QString, Measure> m_measures;
    mutable QFont m_measuresFont;
    mutable int m_measuresFlags = 0;
    // The tooltip this label set itself, so one a host set is left alone.
    QString m_ownToolTip;
};

} // namespace NequoraUI::platform
