#pragma once

#include "ColorScheme.h"

#include <QtGlobal>

class QPalette;

namespace NequoraUI::platform {

// A painted control's colour scheme, derived again only when its palette is another: deriving
// weighs contrasts, and a followed value repaints every display frame.
class PaletteColors
{
public:
    const ColorScheme &of(const QPalette &palette);

private:
    qint64 m_paletteKey = 0;
    bool m_derived = false;
    ColorScheme m_scheme;
};

} // namespace NequoraUI::platform
