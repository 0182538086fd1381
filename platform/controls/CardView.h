#pragma once

#include "PaletteColors.h"

#include <QColor>
#include <QWidget>

class QPainter;

namespace NequoraUI::platform {

// A filled panel with rounded corners, painted by itself. Without corners and with an opaque
// colour it covers all it holds, so Qt paints nothing of its parents behind it. The shared style
// sheet sets its look through the properties (qproperty-backgroundColor, qproperty-cornerRadius)
// rather than "background" and "border-radius": the style sheet would fill the whole rounded
// outline behind every repainted child, while this fills only the exposed part, plainly where it is
// clear of the corners. Without a style sheet, its surface gives the colour from the palette.
class CardView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                   backgroundColorChanged)
    Q_PROPERTY(
        qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY cornerRadiusChanged)
    Q_PROPERTY(Surface surface READ surface WRITE setSurface)

public:
    // The library colour (ColorScheme) the card takes from its palette while no background
    // colour is set: none, the screen's background behind the cards, or a card's. It follows
    // every palette change.
    enum Surface
    {
        None,
        Background,
        Card
    };
    Q_ENUM(Surface)

    explicit CardView(QWidget *parent = nullptr);

    Surface surface() const { return m_surface; }
    void setSurface(Surface surface);

    // Transparent (nothing painted) by default; a colour set here wins over the surface's.
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

signals:
    void backgroundColorChanged(const QColor &color);
    void cornerRadiusChanged(qreal radius);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateOpaque();
    void paintFromCornerTile(QPainter &painter, const QRect &exposed, const QColor &fill,
                             int ratio);
    QColor fillColor();

    QColor m_backgroundColor = Qt::transparent;
    qreal m_cornerRadius = 0;
    Surface m_surface = Surface::None;
    PaletteColors m_colors;
};

} // namespace NequoraUI::platform
