#pragma once

#include "NQAudioPlayerNode.h"

#include <QString>

namespace NequoraUI {

// What a player node's controls show and do, whichever toolkit draws them: play and pause, and
// how far playback has come.
class PlayerTransport
{
public:
    // Plays a paused node and pauses a playing one; returns whether it plays afterwards.
    static bool toggle(NQAudioPlayerNode &player);
    // How far playback has come, 0 to 1; 0 while nothing is loaded.
    static double progress(const NQAudioPlayerNode &player);
    // The button's title: what a tap does next.
    static QString actionText(bool playing);
    // What the row says about the node.
    static QString stateText(bool playing);
};

} // namespace NequoraUI
