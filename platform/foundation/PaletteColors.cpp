#include "PaletteColors.h"

#include <QPalette>

#include <algorithm>
#include <utility>
#include <vector>

namespace NequoraUI::platform {

namespace {

// Schemes derived lately, newest first, shared by every control: the rows of a screen all see
// one palette, and each deriving it anew would weigh the same contrasts thousands of times. A
// palette's key is never reused for other colours, so a kept scheme cannot go stale. Main
// thread only, as the widgets that paint with it.
std::shared_ptr<const ColorScheme> sharedScheme(const QPalette &palette)
{
    constexpr size_t kept = 8;
    static std::vector<std::pair<qint64, std::shared_ptr<const ColorScheme>>> recent;
    const qint64 key = palette.cacheKey();
    for (size_t i = 0; i < recent.size(); ++i) {
        if (recent[i].first != key)
            continue;
        std::rotate(recent.begin(), recent.begin() + qsizetype(i),
                    recent.begin() + qsizetype(i) + 1);
        return recent.front().second;
    }
    if (recent.size() >= kept)
        recent.pop_back();
    recent.emplace(recent.begin(), key,
                   std::make_shared<const ColorScheme>(ColorScheme::fromPalette(palette)));
    return recent.front().second;
}

} // namespace

const ColorScheme &PaletteColors::of(const QPalette &palette)
{
    // The key changes with every change of the palette's colours.
    if (!m_scheme || palette.cacheKey() != m_paletteKey) {
        m_scheme = sharedScheme(palette);
        m_paletteKey = palette.cacheKey();
    }
    return *m_scheme;
}

} // namespace NequoraUI::platform
