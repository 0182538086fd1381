#pragma once

#include <QColor>

namespace NequoraUI::platform {

// The system colours the library names, as this platform draws them.
class Color
{
public:
    Color() = delete;

    static QColor systemBlue() { return QColor(0, 122, 255); }
    static QColor label() { return QColor(17, 24, 39); }
    static QColor secondaryLabel() { return QColor(107, 114, 128); }
    static QColor white() { return QColor(Qt::white); }
    static QColor clear() { return QColor(0, 0, 0, 0); }
    // A colour from red, green, blue and alpha fractions, as the iOS design gives them.
    static QColor fromRgbF(float red, float green, float blue, float alpha = 1.0f)
    {
        return QColor::fromRgbF(red, green, blue, alpha);
    }
};

} // namespace NequoraUI::platform
