#pragma once

#include "NQCodec.h"
#include "NQEngineNode.h"

#include <string>
#include <utility>

// Controls one engine node as a recorder; same weak pattern as NQAudioPlayerNode.
class NQRecorderNode
{
public:
    explicit NQRecorderNode(NQAudioNodeHandle audioNode) : handle(std::move(audioNode)) {}
    virtual ~NQRecorderNode() = default;

    virtual bool isRecording() const
    {
        const auto node = handle.lock();
        return node && node->isRecording();
    }
    virtual void start()
    {
        if (const auto node = handle.lock())
            node->start();
    }
    virtual bool stop(const std::string &filePath, NQCodec format)
    {
        const auto node = handle.lock();
        return node && node->stop(filePath, format);
    }

private:
    NQAudioNodeHandle handle;
};
