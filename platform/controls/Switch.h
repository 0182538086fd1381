#pragma once

#include "platform/PaletteColors.h"

#include <QAbstractButton>

namespace NequoraUI::platform {

// An on/off toggle drawn as a pill with a round thumb. Only the user's flips (click, Space)
// signal; setOn is silent. Right to left, the thumb sits on the left when on.
class Switch : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn NOTIFY onChanged)

public:
    explicit Switch(QWidget *parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }

    // The pill's colours in this switch's palette.
    QColor onColor() const;
    QColor offColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Emitted after a user flip has changed the state.
    void valueChanged();
    // Property notification: every change of state, setOn's included.
    void onChanged(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF pillRect() const;

    mutable PaletteColors m_colors;
};

} // namespace NequoraUI::platform
