#pragma once

#include "sim/GraphFileError.h"
#include "sim/SimClock.h"
#include "sim/SimEngine.h"

#include <cstdint>
#include <memory>
#include <string>

// Reads a JSON graph file (see GRAPH_FORMAT.md) into a new engine. Every fault throws
// GraphFileError before the engine is handed out, so a caller never sees a half-built graph.
class GraphFile
{
public:
    static constexpr std::uintmax_t maximumSize = 16u * 1024u * 1024u;
    // Far deeper than the format needs; stops pathological nesting early.
    static constexpr int maximumDepth = 32;

    static std::shared_ptr<SimEngine> load(const std::string &path, SimClock::Now now = {});
    // fileName only names the source in error messages.
    static std::shared_ptr<SimEngine> parse(const std::string &text, const std::string &fileName,
                                            SimClock::Now now = {});

private:
    static std::string readText(const std::string &path);
};
