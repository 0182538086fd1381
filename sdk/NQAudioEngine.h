#pragma once

#include "AudioSessionState.h"

#include <optional>
#include <string>

class NQAudioEngine
{
public:
    virtual ~NQAudioEngine() = default;

    virtual bool isRunning() const = 0;
    // Absent until the engine has had a session.
    virtual std::optional<AudioSessionState> lastAudioSessionState() const = 0;
    virtual double roundTripLatencySeconds() const = 0;
    // Never absent; an unknown route reads as empty.
    virtual std::string currentInputRoute() const = 0;
    virtual std::string currentOutputRoute() const = 0;
};
