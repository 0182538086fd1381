#include "sim/SimPlayerNode.h"

#include "sim/SimAudioFile.h"
#include "sim/SimEventHub.h"
#include "sim/SimFileUrl.h"
#include "sim/SimNumberText.h"

#include <algorithm>
#include <utility>

SimPlayerNode::SimPlayerNode(std::string name, SimClock::Now now,
                             std::weak_ptr<const SimEventHub> hub)
    : name(std::move(name)), now(SimClock::orSteady(std::move(now))), hub(std::move(hub))
{}

bool SimPlayerNode::load(const std::string &absoluteUrl)
{
    const auto filePath = SimFileUrl::toPath(absoluteUrl);
    const auto info = filePath ? SimAudioFile::read(*filePath) : std::nullopt;
    if (!info) {
        log("load " + name + " failed: " + absoluteUrl);
        return false;
    }
    path = *filePath;
    fileDuration = info->duration();
    playing = false;
    anchorPosition = 0;
    log("load " + name + ": " + path + " (" + SimNumberText::of(fileDuration) + " s)");
    return true;
}

bool SimPlayerNode::isPlaying() const
{
    return playing && position() < fileDuration;
}

void SimPlayerNode::play()
{
    if (isPlaying() || fileDuration <= 0)
        return;
    const double from = position();
    anchorPosition = from >= fileDuration ? 0.0 : from;
    anchorTime = now();
    playing = true;
    log("play " + name + " from " + SimNumberText::of(anchorPosition) + " s");
}

void SimPlayerNode::pause()
{
    if (!playing)
        return;
    anchorPosition = position();
    playing = false;
    log("pause " + name + " at " + SimNumberText::of(anchorPosition) + " s");
}

double SimPlayerNode::position() const
{
    if (!playing)
        return anchorPosition;
    return std::min(anchorPosition + elapsedSinceStart(), fileDuration);
}

// A clock that steps back never moves the position backwards.
double SimPlayerNode::elapsedSinceStart() const
{
    return std::max(0.0, now() - anchorTime);
}

void SimPlayerNode::log(const std::string &line) const
{
    if (const auto events = hub.lock())
        events->log(line);
}
