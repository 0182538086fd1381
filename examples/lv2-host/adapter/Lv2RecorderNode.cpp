#include "Lv2RecorderNode.h"

#include "BlockSequence.h"
#include "RecorderStream.h"

#include <stdexcept>

Lv2RecorderNode::Lv2RecorderNode(const BlockSequence &blocks, int channels, double sampleRate,
                                 uint32_t maxBlockLength)
    : blocks(blocks), channelCount(channels), rate(sampleRate), maxBlock(maxBlockLength)
{}

Lv2RecorderNode::~Lv2RecorderNode()
{
    detach();
}

void Lv2RecorderNode::start()
{
    if (owned)
        return;
    try {
        owned = std::make_unique<RecorderStream>(channelCount, rate, maxBlock);
    } catch (const std::runtime_error &) {
        return;
    }
    current.store(owned.get(), std::memory_order_seq_cst);
}

std::unique_ptr<RecorderStream> Lv2RecorderNode::detach()
{
    // Once no block can still be writing into it, the stream is the main thread's alone.
    current.store(nullptr, std::memory_order_seq_cst);
    blocks.waitForBlockBoundary();
    return std::move(owned);
}

bool Lv2RecorderNode::stop(const std::string &filePath, NQCodec format)
{
    if (!owned)
        return false;
    return detach()->finishInto(filePath, format);
}

void Lv2RecorderNode::capture(const float *const *channels, uint32_t frames)
{
    if (RecorderStream *stream = current.load(std::memory_order_seq_cst))
        stream->write(channels, frames);
}
