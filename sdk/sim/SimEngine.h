#pragma once

#include "NQAudioEngine.h"
#include "sim/SimClock.h"
#include "sim/SimEventHub.h"
#include "sim/SimGraph.h"
#include "sim/SimParameterHints.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The simulated engine. It owns the engine nodes behind player and recorder nodes: once it is
// destroyed their handles go empty, while graphs, nodes and parameters handed out stay usable.
class SimEngine : public NQAudioEngine
{
public:
    // Node types that get an engine node behind them.
    static constexpr const char *playerType = "AudioPlayerNode";
    static constexpr const char *recorderType = "RecorderNode";

    explicit SimEngine(SimClock::Now now = {});

    bool isRunning() const override { return running; }
    // Absent until the engine has been started once; afterwards the session it ran with.
    std::optional<AudioSessionState> lastAudioSessionState() const override;
    // Input latency, output latency and one buffer each way; 0 before the first start.
    double roundTripLatencySeconds() const override;
    std::string currentInputRoute() const override { return inputRoute; }
    std::string currentOutputRoute() const override { return outputRoute; }

    void start();
    void stop();
    // The session the next start() runs with.
    void setSession(const AudioSessionState &state) { session = state; }
    void setRoutes(std::string input, std::string output);

    // Appends a node to the graph; player and recorder types get their engine node.
    std::shared_ptr<SimNode> addNode(const std::string &type, const std::string &displayName);
    std::shared_ptr<SimGraph> graph() const { return audioGraph; }

    // Presentation hints for a parameter of this engine's graph; the hints live as long as the
    // engine does.
    void setHints(const std::shared_ptr<NQParameter> &parameter, SimParameterHints hints);
    // Null for a parameter without hints.
    const SimParameterHints *hints(const NQParameter &parameter) const;

    // Every parameter write, and a line for each write, load, play, pause, start and stop.
    void setWriteObserver(SimEventHub::WriteObserver observer);
    void setLogger(SimEventHub::Logger logger);

private:
    std::shared_ptr<NQEngineNode> makeEngineNode(const std::string &type,
                                                 const std::string &displayName) const;

    SimClock::Now now;
    std::shared_ptr<SimEventHub> events = std::make_shared<SimEventHub>();
    std::shared_ptr<SimGraph> audioGraph = std::make_shared<SimGraph>();
    std::vector<std::shared_ptr<NQEngineNode>> engineNodes;
    // Keyed by address; each entry keeps its parameter alive, so an address is never reused.
    std::unordered_map<const NQParameter *,
                       std::pair<std::shared_ptr<NQParameter>, SimParameterHints>>
        parameterHints;
    AudioSessionState session{48000, 0.005, 0.005, 0.01};
    bool running = false;
    bool hasRun = false;
    std::string inputRoute = "Built-In Microphone";
    std::string outputRoute = "Speaker";
};
