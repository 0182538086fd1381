#include "Lv2PlayerNode.h"

#include "BlockSequence.h"
#include "PlayerStream.h"
#include "sim/SimFileUrl.h"

#include <cstring>
#include <stdexcept>

Lv2PlayerNode::Lv2PlayerNode(const BlockSequence &blocks, int channels, double sampleRate,
                             uint32_t maxBlockLength)
    : blocks(blocks), channelCount(channels), rate(sampleRate), maxBlock(maxBlockLength)
{}

Lv2PlayerNode::~Lv2PlayerNode()
{
    replace(nullptr);
}

bool Lv2PlayerNode::load(const std::string &absoluteUrl)
{
    const auto local = SimFileUrl::toPath(absoluteUrl);
    return local && open(*local);
}

bool Lv2PlayerNode::open(const std::string &file)
{
    std::unique_ptr<PlayerStream> stream;
    try {
        stream = std::make_unique<PlayerStream>(file, channelCount, rate, maxBlock);
    } catch (const std::runtime_error &) {
        return false;
    }
    playing.store(false);
    path = file;
    frameCount = stream->frameCount();
    replace(std::move(stream));
    framesPlayed.store(0);
    return true;
}

void Lv2PlayerNode::replace(std::unique_ptr<PlayerStream> stream)
{
    // Publish the new stream, then free the old one once no block can still be reading it.
    current.store(stream.get(), std::memory_order_seq_cst);
    blocks.waitForBlockBoundary();
    owned = std::move(stream);
}

void Lv2PlayerNode::play()
{
    if (!owned)
        return;
    if (owned->finished() && !open(path))
        return;
    playing.store(true);
}

void Lv2PlayerNode::render(float *const *channels, uint32_t frames)
{
    PlayerStream *stream = current.load(std::memory_order_seq_cst);
    uint32_t got = 0;
    if (stream && playing.load()) {
        got = stream->read(channels, frames);
        framesPlayed.fetch_add(got);
        if (stream->finished())
            playing.store(false);
    }
    for (int channel = 0; channel < channelCount; ++channel)
        std::memset(channels[channel] + got, 0, (frames - got) * sizeof(float));
}
