#include "sim/SimEngine.h"

#include "sim/SimPlayerNode.h"
#include "sim/SimRecorderNode.h"

#include <utility>

SimEngine::SimEngine(SimClock::Now now) : now(SimClock::orSteady(std::move(now))) {}

std::optional<AudioSessionState> SimEngine::lastAudioSessionState() const
{
    if (!hasRun)
        return std::nullopt;
    return session;
}

double SimEngine::roundTripLatencySeconds() const
{
    if (!hasRun)
        return 0;
    return session.inputLatency + session.outputLatency + 2 * session.IOBufferDuration;
}

void SimEngine::start()
{
    if (running)
        return;
    running = true;
    hasRun = true;
    events->log("engine start");
}

void SimEngine::stop()
{
    if (!running)
        return;
    running = false;
    events->log("engine stop");
}

void SimEngine::setRoutes(std::string input, std::string output)
{
    inputRoute = std::move(input);
    outputRoute = std::move(output);
}

std::shared_ptr<SimNode> SimEngine::addNode(const std::string &type, const std::string &displayName)
{
    auto engineNode = makeEngineNode(type, displayName);
    if (engineNode)
        engineNodes.push_back(engineNode);
    auto node = std::make_shared<SimNode>(type, displayName, NQAudioNodeHandle{engineNode}, events);
    audioGraph->append(node);
    return node;
}

void SimEngine::setHints(const std::shared_ptr<NQParameter> &parameter, SimParameterHints hints)
{
    if (parameter)
        parameterHints[parameter.get()] = {parameter, std::move(hints)};
}

const SimParameterHints *SimEngine::hints(const NQParameter &parameter) const
{
    const auto found = parameterHints.find(&parameter);
    return found == parameterHints.end() ? nullptr : &found->second.second;
}

void SimEngine::setWriteObserver(SimEventHub::WriteObserver observer)
{
    events->setWriteObserver(std::move(observer));
}

void SimEngine::setLogger(SimEventHub::Logger logger)
{
    events->setLogger(std::move(logger));
}

std::shared_ptr<NQEngineNode> SimEngine::makeEngineNode(const std::string &type,
                                                        const std::string &displayName) const
{
    if (type == playerType)
        return std::make_shared<SimPlayerNode>(displayName, now, events);
    if (type == recorderType)
        return std::make_shared<SimRecorderNode>(displayName, now, events);
    return nullptr;
}
