#include "ButtonStyle.h"

#include "platform/Color.h"
#include "platform/ViewAppearance.h"

#include <QAbstractButton>

namespace NequoraUI {

QColor tintColor(ButtonStyle style)
{
    return style == ButtonStyle::inactive ? platform::Color::systemBlue()
                                          : platform::Color::white();
}

QColor backgroundColor(ButtonStyle style)
{
    switch (style) {
    case ButtonStyle::active:
        return platform::Color::fromRgbF(82.0f / 255.0f, 182.0f / 255.0f, 102.0f / 255.0f);
    case ButtonStyle::loading:
        return platform::Color::fromRgbF(157.0f / 255.0f, 157.0f / 255.0f, 157.0f / 255.0f);
    case ButtonStyle::inactive:
        break;
    }
    return platform::Color::white();
}

void setButtonStyle(QAbstractButton *button, ButtonStyle style)
{
    platform::ViewAppearance::setTintColor(button, tintColor(style));
    platform::ViewAppearance::setBackgroundColor(button, backgroundColor(style));
    platform::ViewAppearance::setCornerRadius(button, 8);
}

} // namespace NequoraUI
