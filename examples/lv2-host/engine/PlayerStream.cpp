#include "PlayerStream.h"

#include <chrono>
#include <stdexcept>

namespace {

constexpr double ringSeconds = 0.5;
constexpr sf_count_t readFrames = 1024;

} // namespace

PlayerStream::PlayerStream(const std::string &path, int channels, double sampleRate,
                           uint32_t maxBlockLength)
    : channelCount(channels), ring(size_t(sampleRate * ringSeconds) * size_t(channels)),
      interleaved(std::make_unique<float[]>(size_t(maxBlockLength) * size_t(channels))),
      maxBlock(maxBlockLength)
{
    file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        throw std::runtime_error("cannot read the audio file " + path + ": " +
                                 sf_strerror(nullptr));
    worker = std::thread([this] { fill(); });
}

PlayerStream::~PlayerStream()
{
    stopping.store(true);
    worker.join();
    sf_close(file);
}

void PlayerStream::fill()
{
    std::vector<float> block(size_t(readFrames) * size_t(info.channels));
    std::vector<float> spread(size_t(readFrames) * size_t(channelCount));
    while (!stopping.load()) {
        if (ring.writable() < spread.size()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        const sf_count_t frames = sf_readf_float(file, block.data(), readFrames);
        for (sf_count_t frame = 0; frame < frames; ++frame)
            for (int channel = 0; channel < channelCount; ++channel)
                spread[size_t(frame * channelCount + channel)] =
                    block[size_t(frame * info.channels + channel % info.channels)];
        ring.push(spread.data(), size_t(frames) * size_t(channelCount));
        if (frames < readFrames) {
            endOfFile.store(true, std::memory_order_release);
            return;
        }
    }
}

uint32_t PlayerStream::read(float *const *channels, uint32_t frames)
{
    frames = std::min(frames, maxBlock);
    const auto got = uint32_t(ring.pop(interleaved.get(), size_t(frames) * size_t(channelCount)) /
                              size_t(channelCount));
    for (uint32_t frame = 0; frame < got; ++frame)
        for (int channel = 0; channel < channelCount; ++channel)
            channels[channel][frame] =
                interleaved[size_t(frame) * size_t(channelCount) + size_t(channel)];
    return got;
}

bool PlayerStream::finished() const
{
    return endOfFile.load(std::memory_order_acquire) && ring.readable() == 0;
}
