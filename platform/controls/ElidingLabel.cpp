#include "ElidingLabel.h"

#include <QEvent>
#include <QPainter>
#include <QPicture>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

namespace NequoraUI::platform {

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent) {}

void ElidingLabel::setTone(Tone tone)
{
    if (tone == m_tone)
        return;
    m_tone = tone;
    applyTone();
}

void ElidingLabel::applyTone()
{
    if (m_applyingTone)
        return;
    if (m_tone == Tone::Inherited) {
        if (m_toneColor.isValid()) {
            m_toneColor = QColor();
            update();
        }
        return;
    }
    if (style()->inherits("QStyleSheetStyle")) {
        keepToneUnderStyleSheet();
        return;
    }
    // From the palette inherited: the one set here may hold the very role it sets.
    const ColorScheme &colors = m_colors.of(parentWidget() ? parentWidget()->palette() : palette());
    QColor color;
    switch (m_tone) {
    case Tone::Inherited:
        return;
    case Tone::Label:
        color = colors.label;
        break;
    case Tone::SecondaryLabel:
        color = colors.secondaryLabel;
        break;
    case Tone::TertiaryLabel:
        color = colors.tertiaryLabel;
        break;
    case Tone::Indicator:
        color = colors.indicator;
        break;
    case Tone::AccentText:
        color = colors.accentText;
        break;
    }
    if (hasFocus())
        color = colors.accentText;
    if (color != m_toneColor) {
        m_toneColor = color;
        update();
    }
    if (!isPlainLine() || testAttribute(Qt::WA_SetPalette))
        setTonedPalette(color);
}

void ElidingLabel::setTonedPalette(const QColor &color)
{
    // The role the text is drawn in: the window's text, or a button's inside a button.
    const QPalette::ColorRole role = foregroundRole();
    if (palette().color(QPalette::Active, role) == color &&
        palette().color(QPalette::Disabled, role) == color)
        return;
    // The colour scheme reads no text colour but the base's, so this one can stay set while
    // the rest of the palette keeps following the parent's.
    QPalette toned = palette();
    toned.setColor(role, color);
    m_applyingTone = true;
    setPalette(toned);
    m_applyingTone = false;
}

// A label made outside a style sheet and placed under one keeps the tone it had, in its palette,
// where the sheet sets no colour of its own: QLabel draws from the palette the sheet polishes.
void ElidingLabel::keepToneUnderStyleSheet()
{
    if (!m_toneColor.isValid())
        return;
    const QColor kept = m_toneColor;
    m_toneColor = QColor();
    setTonedPalette(kept);
    // The sheet polished the old palette: its colours go over the toned one again.
    if (testAttribute(Qt::WA_WState_Polished)) {
        style()->unpolish(this);
        style()->polish(this);
    }
    update();
}

QColor ElidingLabel::textColor() const
{
    return m_toneColor.isValid() ? m_toneColor : palette().color(foregroundRole());
}

// QLabel lays out a focusable label's text in a rich-text document of its own when polished or
// restyled, as it does when given a text (see setText); a plain line is drawn here and needs none.
bool ElidingLabel::event(QEvent *event)
{
    const Qt::FocusPolicy policy = focusPolicy();
    if (policy == Qt::NoFocus || !rebuildsDocument(event->type()) || !isPlainLine())
        return QLabel::event(event);
    setFocusPolicy(Qt::NoFocus);
    const bool handled = QLabel::event(event);
    setFocusPolicy(policy);
    return handled;
}

bool ElidingLabel::rebuildsDocument(QEvent::Type type)
{
    switch (type) {
    case QEvent::Polish:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
        return true;
    default:
        return false;
    }
}

void ElidingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyTone();
}

void ElidingLabel::focusInEvent(QFocusEvent *event)
{
    // QLabel builds its text document on focus for text selection, which a plain line here
    // does not offer; the frame's handling repaints the focused look.
    constexpr Qt::TextInteractionFlags selecting =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    if (isPlainLine() && !(textInteractionFlags() & selecting))
        QFrame::focusInEvent(event);
    else
        QLabel::focusInEvent(event);
    applyTone();
}

void ElidingLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    applyTone();
}

void ElidingLabel::setText(const QString &text)
{
    setPlainText(text);
    toneLaidOutText();
}

void ElidingLabel::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    toneLaidOutText();
}

void ElidingLabel::setTextFormat(Qt::TextFormat format)
{
    QLabel::setTextFormat(format);
    toneLaidOutText();
}

// A text QLabel lays out draws in the palette's colour: it needs the tone there.
void ElidingLabel::toneLaidOutText()
{
    if (m_toneColor.isValid() && !isPlainLine())
        setTonedPalette(m_toneColor);
}

void ElidingLabel::setPlainText(const QString &text)
{
    const Qt::FocusPolicy policy = focusPolicy();
    const bool plain =
        textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !mightBeRich(text));
    if (policy == Qt::NoFocus || !plain || wordWrap()) {
        QLabel::setText(text);
        return;
    }
    // QLabel decides on the document from the focus policy at the time the text is set; the
    // policy itself is only a flag, so it is put back at once.
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(text);
    setFocusPolicy(policy);
}

bool ElidingLabel::isPlainLine() const
{
    // A buddy changes nothing here: the text is drawn with its mnemonic hidden either way.
    if (wordWrap())
        return false;
    const QString whole = text();
    // QLabel drops its text for a pixmap, picture or movie and those for a text, so only an
    // empty label can show one. Asked first, since each getter hands out a copy, and a null
    // pixmap or picture made for the answer costs more than the rest of the check.
    if (whole.isEmpty() && (movie() || !pixmap().isNull() || !picture().isNull()))
        return false;
    const Qt::TextFormat format = textFormat();
    return format == Qt::PlainText || (format == Qt::AutoText && !mightBeRich(whole));
}

// Qt's guess looks for a tag or an escaped '<' before the first line break: a text with neither
// a '<' nor an '&' has none, known without it.
bool ElidingLabel::mightBeRich(const QString &text)
{
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('&')))
        return false;
    return Qt::mightBeRichText(text);
}

int ElidingLabel::textFlags() const
{
    // Aligned by the row's direction, not the text's, so that right to left a title of any
    // script sits at the right and a value at the left, as the row's columns mirror.
    return int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::AlignAbsolute |
           Qt::TextExpandTabs | Qt::TextHideMnemonic;
}

// A negative indent on a framed label means half an "x", as QLabel has it.
QRect ElidingLabel::textRect() const
{
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (inset <= 0)
        return rect;
    const int flags = textFlags();
    if (flags & Qt::AlignLeft)
        rect.setLeft(rect.left() + inset);
    if (flags & Qt::AlignRight)
        rect.setRight(rect.right() - inset);
    if (flags & Qt::AlignTop)
        rect.setTop(rect.top() + inset);
    if (flags & Qt::AlignBottom)
        rect.setBottom(rect.bottom() - inset);
    return rect;
}

QSize ElidingLabel::plainLineSize() const
{
    const QFontMetrics metrics = fontMetrics();
    const int flags = measureFlags();
    const QSize bounds = textBounds();
    int horizontal = 2 * margin();
    int vertical = horizontal;
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = metrics.horizontalAdvance(QLatin1Char('x')) - 2 * margin();
    if (inset > 0) {
        horizontal += (flags & (Qt::AlignLeft | Qt::AlignRight)) ? inset : 0;
        vertical += (flags & (Qt::AlignTop | Qt::AlignBottom)) ? inset : 0;
    }
    const QMargins margins = contentsMargins();
    const QSize size = bounds + QSize(horizontal + margins.left() + margins.right(),
                                      vertical + margins.top() + margins.bottom());
    return size.expandedTo(minimumSize());
}

int ElidingLabel::measureFlags() const
{
    // Centring is left out of the measure: it only rounds.
    return textFlags() & ~(Qt::AlignVCenter | Qt::AlignHCenter);
}

ElidingLabel::Measure &ElidingLabel::measure() const
{
    const int flags = measureFlags();
    if (font() != m_measuresFont || flags != m_measuresFlags) {
        m_measures.clear();
        m_measuresFont = font();
        m_measuresDpi = logicalDpiY();
        m_measuresFlags = flags;
    }
    const QString whole = text();
    for (auto &[measured, kept] : m_measures)
        if (measured == whole)
            return kept;
    // Dropped all at once when full: cheaper than keeping an order, and a steady set of
    // values fills it again within a few frames.
    if (m_measures.size() >= measuresKept)
        m_measures.clear();
    m_measures.emplace_back(whole,
                            LineMeasures::known(m_measuresFont, m_measuresDpi, flags, whole));
    return m_measures.back().second;
}

ElidingLabel::Measure &ElidingLabel::measured(LineMeasures::Part part) const
{
    Measure &kept = measure();
    LineMeasures::complete(kept, part, m_measuresFont, m_measuresDpi, m_measuresFlags, text());
    return kept;
}

qreal ElidingLabel::textAdvance() const
{
    return measured(LineMeasures::Part::Advance).advance;
}

QSize ElidingLabel::textBounds() const
{
    return measured(LineMeasures::Part::Bounds).bounds;
}

bool ElidingLabel::boundsFit(const QString &whole, int width) const
{
    const QSize bounds = measure().bounds;
    if (!bounds.isValid() || bounds.width() > width)
        return false;
    // Texts the bounds measure other than the advance does: mnemonics, tabs, more lines.
    return std::none_of(whole.begin(), whole.end(), [](QChar c) {
        return c == QLatin1Char('&') || c == QLatin1Char('\t') || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

QString ElidingLabel::shownText() const
{
    const QString whole = text();
    if (wordWrap() || textFormat() == Qt::RichText)
        return whole;
    const int width = textRect().width();
    // A text that fits is drawn whole, known without laying it out again.
    if (!whole.contains(QLatin1Char('\n')) && (boundsFit(whole, width) || textAdvance() <= width))
        return whole;
    return fontMetrics().elidedText(whole, Qt::ElideRight, width);
}

QSize ElidingLabel::sizeHint() const
{
    return isPlainLine() ? plainLineSize() : QLabel::sizeHint();
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QSize full = isPlainLine() ? plainLineSize() : QLabel::minimumSizeHint();
    if (wordWrap())
        return full;
    const QMargins margins = contentsMargins();
    const int ellipsis = fontMetrics().horizontalAdvance(QChar(0x2026));
    return {std::min(full.width(), ellipsis + margins.left() + margins.right()), full.height()};
}

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    // The text can change without an event of its own; the paint that shows it fixes the tip.
    updateToolTip(shown);
    // QLabel alone can read a style sheet's colours for keyboard focus, and one label at a
    // time has it; an elided text, or a toned one outside a sheet, is drawn here whatever the
    // state.
    if (shown == text() && (!isPlainLine() || (hasFocus() && !m_toneColor.isValid()))) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    // The text runs in its own direction ("1.20 kHz" stays so in a right-to-left row); where it
    // sits is the alignment's.
    painter.setLayoutDirection(text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    // A tone draws with its own pen: in every state the tone has one colour, as a toned
    // palette would have it.
    if (m_toneColor.isValid())
        painter.setPen(m_toneColor);
    style()->drawItemText(&painter, textRect(), textFlags(), palette(), isEnabled(), shown,
                          m_toneColor.isValid() ? QPalette::NoRole : foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip(shownText());
}

void ElidingLabel::updateToolTip(const QString &shown)
{
    if (toolTip() != m_ownToolTip)
        return;
    m_ownToolTip = shown != text() ? text() : QString();
    if (toolTip() != m_ownToolTip)
        setToolTip(m_ownToolTip);
}

} // namespace NequoraUI::platform
