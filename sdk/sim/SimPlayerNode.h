#pragma once

#include "NQEngineNode.h"
#include "sim/SimClock.h"

#include <memory>
#include <string>

class SimEventHub;

// Plays a loaded file on the clock: the position runs while playing and stops at the end, where
// playing ends by itself. The recorder side of the interface does nothing.
class SimPlayerNode : public NQEngineNode
{
public:
    SimPlayerNode(std::string name, SimClock::Now now, std::weak_ptr<const SimEventHub> hub = {});

    // A file that cannot be read leaves the previous file, position and state as they were.
    bool load(const std::string &absoluteUrl) override;
    bool isPlaying() const override;
    // Playing from the end starts again from the beginning; without a file nothing happens.
    void play() override;
    void pause() override;
    double position() const override;
    double duration() const override { return fileDuration; }

    bool isRecording() const override { return false; }
    void start() override {}
    bool stop(const std::string &, NQCodec) override { return false; }

    // The path of the loaded file; empty before the first successful load.
    std::string loadedPath() const { return path; }

private:
    double elapsedSinceStart() const;
    void log(const std::string &line) const;

    std::string name;
    SimClock::Now now;
    std::weak_ptr<const SimEventHub> hub;
    std::string path;
    double fileDuration = 0;
    bool playing = false;
    // Position when playback last started or paused, and the clock reading at that moment.
    double anchorPosition = 0;
    double anchorTime = 0;
};
