#include "sim/SimNode.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

SimNode::SimNode(std::string type, std::string displayName, NQAudioNodeHandle handle,
                 std::weak_ptr<const SimEventHub> hub)
    : nodeType(std::move(type)), name(std::move(displayName)), handle(std::move(handle)),
      hub(std::move(hub))
{}

std::shared_ptr<SimFloatParameter> SimNode::addFloatParameter(const std::string &parameterName,
                                                              float value, float minimum,
                                                              float maximum)
{
    checkUnusedName(parameterName);
    auto parameter =
        std::make_shared<SimFloatParameter>(parameterName, value, minimum, maximum, reporter());
    params.push_back(parameter);
    return parameter;
}

std::shared_ptr<SimIntParameter> SimNode::addIntParameter(const std::string &parameterName,
                                                          int32_t value, int32_t minimum,
                                                          int32_t maximum)
{
    checkUnusedName(parameterName);
    auto parameter =
        std::make_shared<SimIntParameter>(parameterName, value, minimum, maximum, reporter());
    params.push_back(parameter);
    return parameter;
}

std::shared_ptr<SimUIntParameter> SimNode::addUIntParameter(const std::string &parameterName,
                                                            uint32_t value, uint32_t minimum,
                                                            uint32_t maximum)
{
    checkUnusedName(parameterName);
    auto parameter =
        std::make_shared<SimUIntParameter>(parameterName, value, minimum, maximum, reporter());
    params.push_back(parameter);
    return parameter;
}

std::shared_ptr<SimBoolParameter> SimNode::addBoolParameter(const std::string &parameterName,
                                                            bool value)
{
    checkUnusedName(parameterName);
    auto parameter = std::make_shared<SimBoolParameter>(parameterName, value, reporter());
    params.push_back(parameter);
    return parameter;
}

std::shared_ptr<SimStringParameter> SimNode::addStringParameter(const std::string &parameterName,
                                                                const std::string &value)
{
    checkUnusedName(parameterName);
    auto parameter = std::make_shared<SimStringParameter>(parameterName, value);
    params.push_back(parameter);
    return parameter;
}

// Widgets are titled by parameter name, so two parameters of one name could not be told apart.
void SimNode::checkUnusedName(const std::string &parameterName) const
{
    const bool used = std::any_of(params.begin(), params.end(), [&](const auto &parameter) {
        return parameter->name() == parameterName;
    });
    if (used)
        throw std::invalid_argument("duplicate parameter name \"" + parameterName + "\"");
}

SimParameterReporter SimNode::reporter() const
{
    return SimParameterReporter(hub, name);
}
