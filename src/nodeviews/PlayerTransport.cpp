#include "PlayerTransport.h"

#include <algorithm>
#include <cmath>

namespace NequoraUI {

bool PlayerTransport::toggle(NQAudioPlayerNode &player)
{
    if (player.isPlaying())
        player.pause();
    else
        player.play();
    return player.isPlaying();
}

double PlayerTransport::progress(const NQAudioPlayerNode &player)
{
    // An exact zero means nothing is loaded; an engine that reports NaN or a position past the
    // end still gives a point on the bar.
    const double duration = player.duration();
    if (duration == 0.0)
        return 0.0;
    const double progress = player.position() / duration;
    return std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 0.0;
}

QString PlayerTransport::actionText(bool playing)
{
    return playing ? QStringLiteral("Pause") : QStringLiteral("Play");
}

QString PlayerTransport::stateText(bool playing)
{
    return playing ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

} // namespace NequoraUI
