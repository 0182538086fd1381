#pragma once

#include "NQCodec.h"

#include <memory>
#include <string>

// What the engine implements for one node that can play or record. A node that only plays
// (or only records) answers the other side's calls with false / no-ops.
class NQEngineNode
{
public:
    virtual ~NQEngineNode() = default;

    // Player side. position() and duration() are in seconds.
    virtual bool load(const std::string &absoluteUrl) = 0;
    virtual bool isPlaying() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual double position() const = 0;
    virtual double duration() const = 0;

    // Recorder side.
    virtual bool isRecording() const = 0;
    virtual void start() = 0;
    virtual bool stop(const std::string &filePath, NQCodec format) = 0;
};

// The opaque engine-node handle: a value, copied freely, that does not keep the node alive.
// lock() gives the node, or null once the engine has dropped it.
struct NQAudioNodeHandle
{
    std::weak_ptr<NQEngineNode> node;

    std::shared_ptr<NQEngineNode> lock() const { return node.lock(); }
};
