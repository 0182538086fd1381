#pragma once

#include "sim/SimClock.h"
#include "sim/SimEngine.h"
#include "sim/SimParameterHints.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

// Builds an engine from a parsed graph document, checking every field on the way. Faults throw
// GraphFileError with the file, the place (node, parameter) and what is wrong.
class GraphFileReader
{
public:
    GraphFileReader(std::string fileName, SimClock::Now now);

    std::shared_ptr<SimEngine> read(const nlohmann::json &document);

private:
    void readSession(const nlohmann::json &session);
    void readNode(const nlohmann::json &node, std::size_t index);
    void readParameter(SimNode &node, const nlohmann::json &parameter, const std::string &nodePlace,
                       std::size_t index);
    std::shared_ptr<NQParameter> readNumberParameter(SimNode &node, const std::string &kind,
                                                     const std::string &name,
                                                     const nlohmann::json &parameter);
    void readHints(const nlohmann::json &parameter, const std::shared_ptr<NQParameter> &read);
    void readNumberHints(const nlohmann::json &parameter, SimParameterHints &hints,
                         const std::string &kind, double minimum, double maximum);
    void readChoices(const nlohmann::json &choices, SimParameterHints &hints,
                     const std::string &kind, double minimum, double maximum);

    [[noreturn]] void fail(const std::string &fault) const;
    void checkKeys(const nlohmann::json &object, const std::vector<const char *> &allowed) const;
    const nlohmann::json &required(const nlohmann::json &object, const char *key) const;
    std::string string(const nlohmann::json &value, const char *what) const;
    bool boolean(const nlohmann::json &value, const char *what) const;
    double finite(const nlohmann::json &value, const char *what) const;
    float float32(const nlohmann::json &value, const char *what) const;
    int32_t int32(const nlohmann::json &value, const char *what) const;
    uint32_t uint32(const nlohmann::json &value, const char *what) const;

    std::string fileName;
    SimClock::Now now;
    std::shared_ptr<SimEngine> engine;
    // Where the reader is, for messages: "node 2 (\"Reverb\"), parameter \"Mix\"".
    std::string place;
};
