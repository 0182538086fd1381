#pragma once

#include "PaletteColors.h"

#include <QProxyStyle>

namespace NequoraUI::platform {

// The library's look for the stock controls a few rows hold, a line edit and a text button,
// painted from the palette's colour scheme (ColorScheme) for rows shown without the library's
// style sheet, as the screens show them. It draws what the sheet's rules for those controls
// draw: a rounded field with a thin border that turns to the accent with keyboard focus, and a
// borderless button whose bold text is the accent's. Under a style sheet the sheet's rules
// still decide.
class FormControlStyle : public QProxyStyle
{
    Q_OBJECT

public:
    enum class Kind
    {
        // A row's text field; read-only, it sinks into the background.
        TextField,
        // Typed entry in place of a value (InlineValueEditor), red while it holds no value:
        // the property "invalid" set to true.
        ValueEditor,
        TextButton
    };

    // Gives control this look, through a style of its own that it owns.
    static void apply(QWidget *control, Kind kind);

    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FormControlStyle(Kind kind, QObject *owner);

    // Padding inside the one-pixel border, as the sheet has it.
    QMargins padding() const;
    const ColorScheme &colorsOf(const QWidget *widget) const;
    // A field's text and selection colours, again after each palette change.
    void applyFieldColors(QWidget *field);
    void drawField(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawTextButton(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;

    Kind m_kind;
    mutable PaletteColors m_colors;
    bool m_applyingColors = false;
};

} // namespace NequoraUI::platform
