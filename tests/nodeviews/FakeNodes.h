#pragma once

#include "NQAudioEngine.h"
#include "NQAudioPlayerNode.h"
#include "NQRecorderNode.h"

#include <string>
#include <utility>
#include <vector>

namespace NequoraUI::testing {

// A player node without an engine node behind it: every reading is set by the test and every
// call is counted.
class FakePlayerNode : public NQAudioPlayerNode
{
public:
    FakePlayerNode() : NQAudioPlayerNode(NQAudioNodeHandle{}) {}

    bool isPlaying() const override { return playing; }
    void play() override
    {
        ++plays;
        playing = true;
    }
    void pause() override
    {
        ++pauses;
        playing = false;
    }
    double position() const override
    {
        ++positionReads;
        return currentPosition;
    }
    double duration() const override { return currentDuration; }

    bool playing = false;
    double currentPosition = 0;
    double currentDuration = 0;
    int plays = 0;
    int pauses = 0;
    mutable int positionReads = 0;
};

class FakeRecorderNode : public NQRecorderNode
{
public:
    FakeRecorderNode() : NQRecorderNode(NQAudioNodeHandle{}) {}

    bool isRecording() const override { return recording; }
    void start() override
    {
        ++starts;
        recording = !staysIdle;
    }
    bool stop(const std::string &path, NQCodec format) override
    {
        stops.emplace_back(path, format);
        recording = false;
        return true;
    }

    bool recording = false;
    // A node that refuses to start.
    bool staysIdle = false;
    int starts = 0;
    std::vector<std::pair<std::string, NQCodec>> stops;
};

class FakeEngine : public NQAudioEngine
{
public:
    bool isRunning() const override { return running; }
    std::optional<AudioSessionState> lastAudioSessionState() const override { return state; }
    double roundTripLatencySeconds() const override { return roundTrip; }
    std::string currentInputRoute() const override { return inputRoute; }
    std::string currentOutputRoute() const override { return outputRoute; }

    bool running = false;
    std::optional<AudioSessionState> state;
    double roundTrip = 0;
    std::string inputRoute;
    std::string outputRoute;
};

} // namespace NequoraUI::testing
