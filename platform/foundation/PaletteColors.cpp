#include "PaletteColors.h"

#include <QPalette>
#include <array>

namespace NequoraUI::platform {

namespace {

// The schemes derived last, by palette key. The rows of a screen inherit a handful of
// palettes, so a row made reuses what the one before it derived instead of weighing every
// contrast again. Per thread: widgets live on the main thread, and nothing here is shared.
class RecentSchemes
{
public:
    std::shared_ptr<const ColorScheme> of(const QPalette &palette)
    {
        const qint64 key = palette.cacheKey();
        for (const Slot &slot : m_slots)
            if (slot.scheme && slot.key == key)
                return slot.scheme;
        Slot &slot = m_slots[m_next];
        m_next = (m_next + 1) % m_slots.size();
        slot = {key, std::make_shared<const ColorScheme>(ColorScheme::fromPalette(palette))};
        return slot.scheme;
    }

private:
    // A control keeps the scheme it was given after its slot here is taken by another.
    struct Slot
    {
        qint64 key = 0;
        std::shared_ptr<const ColorScheme> scheme;
    };
    std::array<Slot, 8> m_slots;
    size_t m_next = 0;
};

} // namespace

const ColorScheme &PaletteColors::of(const QPalette &palette)
{
    // The key changes with every change of the palette's colours.
    if (!m_scheme || palette.cacheKey() != m_paletteKey) {
        thread_local RecentSchemes recent;
        m_scheme = recent.of(palette);
        m_paletteKey = palette.cacheKey();
    }
    return *m_scheme;
}

} // namespace NequoraUI::platform
