#pragma once

#include "ColorScheme.h"

#include <QtGlobal>
#include <memory>

class QPalette;

namespace NequoraUI::platform {

// A painted control's colour scheme, derived again only when its palette is another: deriving
// weighs contrasts, and a followed value repaints every display frame. Controls of the same
// palette share one scheme: a row holds three such controls, and a scheme is some thirty
// colours.
class PaletteColors
{
public:
    const ColorScheme &of(const QPalette &palette);

private:
    qint64 m_paletteKey = 0;
    std::shared_ptr<const ColorScheme> m_scheme;
};

} // namespace NequoraUI::platform
