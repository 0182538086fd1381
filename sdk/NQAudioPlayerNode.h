#pragma once

#include "NQEngineNode.h"

#include <string>
#include <utility>

// Controls one engine node as a player. It holds the node weakly: once the engine has dropped
// the node every call is a no-op (false, 0, not playing). Virtual so tests can fake it.
class NQAudioPlayerNode
{
public:
    explicit NQAudioPlayerNode(NQAudioNodeHandle audioNode) : handle(std::move(audioNode)) {}
    virtual ~NQAudioPlayerNode() = default;

    virtual bool load(const std::string &absoluteUrl)
    {
        const auto node = handle.lock();
        return node && node->load(absoluteUrl);
    }
    virtual bool isPlaying() const
    {
        const auto node = handle.lock();
        return node && node->isPlaying();
    }
    virtual void play()
    {
        if (const auto node = handle.lock())
            node->play();
    }
    virtual void pause()
    {
        if (const auto node = handle.lock())
            node->pause();
    }
    virtual double position() const
    {
        const auto node = handle.lock();
        return node ? node->position() : 0.0;
    }
    virtual double duration() const
    {
        const auto node = handle.lock();
        return node ? node->duration() : 0.0;
    }

private:
    NQAudioNodeHandle handle;
};
