#pragma once

#include "NQAudioNode.h"
#include "sim/SimBoolParameter.h"
#include "sim/SimNumberParameter.h"
#include "sim/SimStringParameter.h"

#include <memory>
#include <string>
#include <vector>

class SimEventHub;

// A node of a simulated graph: its parameters in the order they were added and, for player and
// recorder nodes, the handle of the engine node behind it.
class SimNode : public NQAudioNode
{
public:
    SimNode(std::string type, std::string displayName, NQAudioNodeHandle handle = {},
            std::weak_ptr<const SimEventHub> hub = {});

    std::string type() const override { return nodeType; }
    std::string displayName() const override { return name; }
    std::vector<std::shared_ptr<NQParameter>> parameters() const override { return params; }
    NQAudioNodeHandle audioNode() const override { return handle; }

    // Each throws std::invalid_argument for a name already used in this node or a bad range.
    std::shared_ptr<SimFloatParameter> addFloatParameter(const std::string &name, float value,
                                                         float minimum, float maximum);
    std::shared_ptr<SimIntParameter> addIntParameter(const std::string &name, int32_t value,
                                                     int32_t minimum, int32_t maximum);
    std::shared_ptr<SimUIntParameter> addUIntParameter(const std::string &name, uint32_t value,
                                                       uint32_t minimum, uint32_t maximum);
    std::shared_ptr<SimBoolParameter> addBoolParameter(const std::string &name, bool value);
    std::shared_ptr<SimStringParameter> addStringParameter(const std::string &name,
                                                           const std::string &value);

private:
    void checkUnusedName(const std::string &name) const;
    SimParameterReporter reporter() const;

    std::string nodeType;
    std::string name;
    NQAudioNodeHandle handle;
    std::weak_ptr<const SimEventHub> hub;
    std::vector<std::shared_ptr<NQParameter>> params;
};
