#include "PaletteColors.h"

#include <QPalette>

namespace NequoraUI::platform {

const ColorScheme &PaletteColors::of(const QPalette &palette)
{
    // The key changes with every change of the palette's colours.
    if (!m_derived || palette.cacheKey() != m_paletteKey) {
        m_scheme = ColorScheme::fromPalette(palette);
        m_paletteKey = palette.cacheKey();
        m_derived = true;
    }
    return m_scheme;
}

} // namespace NequoraUI::platform
