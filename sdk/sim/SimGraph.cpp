#include "sim/SimGraph.h"

#include <utility>

std::vector<std::shared_ptr<NQAudioNode>> SimGraph::nodes() const
{
    return {graphNodes.begin(), graphNodes.end()};
}

void SimGraph::append(std::shared_ptr<SimNode> node)
{
    graphNodes.push_back(std::move(node));
}
