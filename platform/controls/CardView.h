#pragma once

#include <QColor>
#include <QWidget>

namespace NequoraUI::platform {

// A filled panel with rounded corners, painted by itself. Without corners and with an opaque
// colour it covers all it holds, so Qt paints nothing of its parents behind it. The shared style
// sheet sets its look through the properties (qproperty-backgroundColor, qproperty-cornerRadius)
// rather than "background" and "border-radius": the style sheet would fill the whole rounded
// outline behind every repainted child, while this fills only the exposed part, plainly where it is
// clear of the corners.
class CardView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                   backgroundColorChanged)
    Q_PROPERTY(
        qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY cornerRadiusChanged)

public:
    explicit CardView(QWidget *parent = nullptr);

    // Transparent (nothing painted) by default.
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

signals:
    void backgroundColorChanged(const QColor &color);
    void cornerRadiusChanged(qreal radius);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateOpaque();

    QColor m_backgroundColor = Qt::transparent;
    qreal m_cornerRadius = 0;
};

} // namespace NequoraUI::platform
