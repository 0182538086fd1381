#include "FormControlStyle.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>

namespace NequoraUI::platform {

namespace {

constexpr qreal fieldRadius = 6.0;
constexpr qreal editorRadius = 4.0;
constexpr int borderWidth = 1;
constexpr int buttonFontWeight = 600;

bool isReadOnly(const QWidget *widget)
{
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    return field && field->isReadOnly();
}

} // namespace

FormControlStyle::FormControlStyle(Kind kind, QObject *owner) : m_kind(kind)
{
    setParent(owner);
}

void FormControlStyle::apply(QWidget *control, Kind kind)
{
    auto *style = new FormControlStyle(kind, control); // owned by control
    control->setStyle(style);
    control->installEventFilter(style);
}

void FormControlStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (m_kind == Kind::TextButton) {
        QFont bold = widget->font();
        bold.setWeight(QFont::Weight(buttonFontWeight));
        widget->setFont(bold);
        return;
    }
    applyFieldColors(widget);
}

bool FormControlStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (m_kind != Kind::TextButton &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::ReadOnlyChange))
        applyFieldColors(static_cast<QWidget *>(watched));
    return QProxyStyle::eventFilter(watched, event);
}

QMargins FormControlStyle::padding() const
{
    switch (m_kind) {
    case Kind::TextField:
        return {8, 5, 8, 5};
    case Kind::ValueEditor:
        return {4, 0, 4, 0};
    case Kind::TextButton:
        return {4, 6, 4, 6};
    }
    return {};
}

const ColorScheme &FormControlStyle::colorsOf(const QWidget *widget) const
{
    // From the palette inherited: a field's own holds the text colour set below.
    const QWidget *source = widget && widget->parentWidget() ? widget->parentWidget() : widget;
    return m_colors.of(source ? source->palette() : QPalette());
}

void FormControlStyle::applyFieldColors(QWidget *field)
{
    if (m_applyingColors || field->style() != this)
        return;
    const ColorScheme &colors = colorsOf(field);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, isReadOnly(field) ? colors.tertiaryLabel : colors.label);
    palette.setColor(QPalette::Highlight, colors.accent);
    if (palette == field->palette())
        return;
    m_applyingColors = true;
    field->setPalette(palette);
    m_applyingColors = false;
}

void FormControlStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    if (element == PE_PanelLineEdit && m_kind != Kind::TextButton) {
        drawField(option, painter, widget);
        return;
    }
    if (element == PE_FrameLineEdit && m_kind != Kind::TextButton)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FormControlStyle::drawField(const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    const ColorScheme &colors = colorsOf(widget);
    QColor border = colors.fieldBorder;
    QColor fill = colors.card;
    if (m_kind == Kind::ValueEditor) {
        const bool invalid = widget && widget->property("invalid").toBool();
        border = invalid ? colors.error : colors.accent;
        fill = invalid ? colors.errorFill : colors.card;
    } else if (isReadOnly(widget)) {
        border = fill = colors.background;
    } else if (option->state & State_HasFocus) {
        border = colors.accent;
    }
    const qreal radius = m_kind == Kind::ValueEditor ? editorRadius : fieldRadius;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(border, borderWidth));
    painter->setBrush(fill);
    const qreal half = borderWidth / 2.0;
    painter->drawRoundedRect(QRectF(option->rect).adjusted(half, half, -half, -half), radius,
                             radius);
    painter->restore();
}

void FormControlStyle::drawControl(ControlElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (element == CE_PushButton && m_kind == Kind::TextButton) {
        drawTextButton(option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void FormControlStyle::drawTextButton(const QStyleOption *option, QPainter *painter,
                                      const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    const ColorScheme &colors = colorsOf(widget);
    QColor text = colors.accentText;
    if (!(option->state & State_Enabled))
        text = colors.disabledLabel;
    else if (option->state & State_Sunken)
        text = colors.accentPressed;
    painter->save();
    painter->setPen(text);
    painter->drawText(option->rect, Qt::AlignCenter | Qt::TextShowMnemonic, button->text);
    painter->restore();
    if (option->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = option->rect.marginsRemoved(padding());
        QProxyStyle::drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

QSize FormControlStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                         const QSize &contents, const QWidget *widget) const
{
    const QMargins around =
        padding() + (m_kind == Kind::TextButton
                         ? QMargins()
                         : QMargins(borderWidth, borderWidth, borderWidth, borderWidth));
    const QSize extra(around.left() + around.right(), around.top() + around.bottom());
    if ((type == CT_LineEdit && m_kind != Kind::TextButton) ||
        (type == CT_PushButton && m_kind == Kind::TextButton))
        return contents + extra;
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

QRect FormControlStyle::subElementRect(SubElement element, const QStyleOption *option,
                                       const QWidget *widget) const
{
    if (element == SE_LineEditContents && m_kind != Kind::TextButton)
        return option->rect.marginsRemoved(
            padding() + QMargins(borderWidth, borderWidth, borderWidth, borderWidth));
    return QProxyStyle::subElementRect(element, option, widget);
}

} // namespace NequoraUI::platform
