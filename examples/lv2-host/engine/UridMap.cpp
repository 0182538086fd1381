#include "UridMap.h"

UridMap::UridMap()
{
    mapData.handle = this;
    mapData.map = [](LV2_URID_Map_Handle handle, const char *uri) {
        return static_cast<UridMap *>(handle)->map(uri);
    };
    unmapData.handle = this;
    unmapData.unmap = [](LV2_URID_Unmap_Handle handle, LV2_URID urid) {
        return static_cast<const UridMap *>(handle)->unmap(urid);
    };
}

LV2_URID UridMap::map(const char *uri)
{
    const std::lock_guard lock(mutex);
    const auto [entry, added] = ids.try_emplace(uri, LV2_URID(uris.size() + 1));
    if (added)
        uris.emplace_back(uri);
    return entry->second;
}

const char *UridMap::unmap(LV2_URID urid) const
{
    const std::lock_guard lock(mutex);
    return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}
