#pragma once

#include "NQEngineNode.h"
#include "NQParameter.h"

#include <memory>
#include <string>
#include <vector>

class NQAudioNode
{
public:
    virtual ~NQAudioNode() = default;

    // Compared exactly with "Nequora.GraphInput", "Nequora.GraphOutput", "AudioPlayerNode",
    // "RecorderNode".
    virtual std::string type() const = 0;
    virtual std::string displayName() const = 0;
    // In display order.
    virtual std::vector<std::shared_ptr<NQParameter>> parameters() const = 0;
    virtual NQAudioNodeHandle audioNode() const = 0;
};
