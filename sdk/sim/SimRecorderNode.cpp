#include "sim/SimRecorderNode.h"

#include "sim/SimAudioFile.h"
#include "sim/SimEventHub.h"
#include "sim/SimNumberText.h"

#include <algorithm>
#include <utility>

SimRecorderNode::SimRecorderNode(std::string name, SimClock::Now now,
                                 std::weak_ptr<const SimEventHub> hub)
    : name(std::move(name)), now(SimClock::orSteady(std::move(now))), hub(std::move(hub))
{}

void SimRecorderNode::start()
{
    if (recording)
        return;
    recording = true;
    startTime = now();
    log("start " + name);
}

bool SimRecorderNode::stop(const std::string &filePath, NQCodec format)
{
    if (!recording)
        return false;
    const double seconds = recordedSeconds();
    recording = false;
    const bool written =
        SimAudioFile::writeTone(filePath, seconds, format, sampleRate, toneFrequency);
    log("stop " + name + ": " + SimNumberText::of(seconds) + " s to " + filePath + " (" +
        SimAudioFile::nameOf(format) + (written ? ")" : ", failed)"));
    return written;
}

double SimRecorderNode::recordedSeconds() const
{
    return recording ? std::max(0.0, now() - startTime) : 0.0;
}

void SimRecorderNode::log(const std::string &line) const
{
    if (const auto events = hub.lock())
        events->log(line);
}
