#pragma once

#include "NQEngineNode.h"
#include "sim/SimClock.h"

#include <memory>
#include <string>

class SimEventHub;

// Records a generated tone for as long as the clock runs between start() and stop(), and writes
// it on stop in the format asked for. The player side of the interface does nothing.
class SimRecorderNode : public NQEngineNode
{
public:
    static constexpr int sampleRate = 48000;
    static constexpr double toneFrequency = 440.0;

    SimRecorderNode(std::string name, SimClock::Now now, std::weak_ptr<const SimEventHub> hub = {});

    bool load(const std::string &) override { return false; }
    bool isPlaying() const override { return false; }
    void play() override {}
    void pause() override {}
    double position() const override { return 0; }
    double duration() const override { return 0; }

    bool isRecording() const override { return recording; }
    // Starting while recording changes nothing.
    void start() override;
    // Ends the recording whatever happens to the file; false when nothing was recording or the
    // file could not be written.
    bool stop(const std::string &filePath, NQCodec format) override;

    // Seconds recorded so far in the running recording, 0 when idle.
    double recordedSeconds() const;

private:
    void log(const std::string &line) const;

    std::string name;
    SimClock::Now now;
    std::weak_ptr<const SimEventHub> hub;
    bool recording = false;
    double startTime = 0;
};
