#pragma once

#include <QColor>

class QAbstractButton;

namespace NequoraUI {

// The three looks the library gives a button. Equality and hashing are the enum's own.
enum class ButtonStyle
{
    inactive,
    active,
    loading
};

QColor tintColor(ButtonStyle style);
QColor backgroundColor(ButtonStyle style);

// Applies the style's tint and background colours and a corner radius of 8 to any button.
// Nothing else changes, and the style itself is not recorded.
void setButtonStyle(QAbstractButton *button, ButtonStyle style);

} // namespace NequoraUI
