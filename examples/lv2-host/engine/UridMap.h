#pragma once

#include <lv2/urid/urid.h>

#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

// The host's urid:map and urid:unmap. Plugins map URIs while they are instantiated and when
// state is restored, both on the main thread; a plugin that maps in run() would take the lock
// on the audio thread, which no plugin we host does (they map everything in instantiate()).
class UridMap
{
public:
    UridMap();
    UridMap(const UridMap &) = delete;
    UridMap &operator=(const UridMap &) = delete;

    LV2_URID map(const char *uri);
    const char *unmap(LV2_URID urid) const;

    LV2_URID_Map *mapFeature() { return &mapData; }
    LV2_URID_Unmap *unmapFeature() { return &unmapData; }

private:
    mutable std::mutex mutex;
    std::unordered_map<std::string, LV2_URID> ids;
    // A deque keeps the strings where they are, so unmap()'s results stay valid.
    std::deque<std::string> uris;
    LV2_URID_Map mapData;
    LV2_URID_Unmap unmapData;
};
