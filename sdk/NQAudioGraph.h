#pragma once

#include "NQAudioNode.h"

#include <memory>
#include <vector>

class NQAudioGraph
{
public:
    virtual ~NQAudioGraph() = default;

    // In display order.
    virtual std::vector<std::shared_ptr<NQAudioNode>> nodes() const = 0;
};
