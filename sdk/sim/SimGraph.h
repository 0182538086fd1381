#pragma once

#include "NQAudioGraph.h"
#include "sim/SimNode.h"

#include <memory>
#include <vector>

class SimGraph : public NQAudioGraph
{
public:
    std::vector<std::shared_ptr<NQAudioNode>> nodes() const override;

    void append(std::shared_ptr<SimNode> node);
    const std::vector<std::shared_ptr<SimNode>> &simNodes() const { return graphNodes; }

private:
    std::vector<std::shared_ptr<SimNode>> graphNodes;
};
