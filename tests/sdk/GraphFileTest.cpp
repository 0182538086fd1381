#include "sim/GraphFile.h"

#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const char *goodGraph = R"({"nodes": [{"type": "Nequora.GraphInput", "name": "Input"},
  {"type": "Effect", "name": "Reverb", "parameters": [
    {"kind": "float", "name": "Cutoff", "value": 0.25, "minimum": 0.01, "maximum": 1, "scale": "log",
     "unit": "Hz", "decimals": 1, "step": 0.5, "group": "Filter"},
    {"kind": "int", "name": "Offset", "value": -2147483648, "minimum": -2147483648, "maximum": 5},
    {"kind": "uint", "name": "Voices", "value": 4294967295, "minimum": 0, "maximum": 4294967295,
     "choices": [{"value": 0, "label": "Sine"}, {"value": 2, "label": "Saw"}]},
    {"kind": "bool", "name": "Bypass", "value": true, "readOnly": true},
    {"kind": "string", "name": "Preset", "value": "Hall \u00e9", "hidden": true}]},
  {"type": "AudioPlayerNode", "name": "Player"}, {"type": "RecorderNode", "name": "Recorder"}],
 "session": {"sampleRate": 44100, "inputLatency": 0.002, "outputLatency": 0.003,
             "IOBufferDuration": 0.004}, "running": true, "inputRoute": "Mic", "outputRoute": ""})";

std::string faultOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const GraphFileError &error) {
        return error.what();
    }
    return "no error";
}

// A document and the message that follows "graph.json: ".
using Fault = std::pair<std::string, std::string>;

void expectRefused(const std::vector<Fault> &faults)
{
    for (const auto &[text, message] : faults)
        EXPECT_EQ(faultOf([&] { GraphFile::parse(text, "graph.json"); }), "graph.json: " + message)
            << text;
}

Fault nodeFault(const std::string &fields, const std::string &message)
{
    return {R"({"nodes": [{"name": "A")" + fields + "}]}", "node 1 (\"A\"): " + message};
}

Fault parameterFault(const std::string &parameter, const std::string &message)
{
    return {R"({"nodes":[{"type":"Effect","name":"Reverb","parameters":[)" + parameter + "]}]}",
            "node 1 (\"Reverb\"), parameter " + message};
}

// A parameter "N" of the kind with the fields given; a fault in a choice names the choice.
Fault named(const char *kind, const std::string &fields, const std::string &message)
{
    return parameterFault(std::string(R"({"kind":")") + kind + R"(","name":"N")" + fields + "}",
                          (message.rfind("choice", 0) == 0 ? "\"N\", " : "\"N\": ") + message);
}

const std::string range = R"(,"value":1,"minimum":0,"maximum":2)";

} // namespace

TEST(GraphFile, LoadsEveryNodeParameterKindHintAndSessionFieldAndRefusesUnreadableFiles)
{
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(name).toStdString(); };
    const auto loadFault = [](std::string file) { return faultOf([&] { GraphFile::load(file); }); };
    std::ofstream(path("graph.json")) << goodGraph;
    const auto engine = GraphFile::load(path("graph.json"));
    const auto nodes = engine->graph()->nodes();
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[1]->displayName(), "Reverb");
    EXPECT_EQ(nodes[3]->type(), "RecorderNode");
    // Only player and recorder nodes have engine nodes.
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(bool(nodes[i]->audioNode().lock()), i > 1) << "node " << i;

    const auto parameters = nodes[1]->parameters();
    ASSERT_EQ(parameters.size(), 5u);
    const auto mix = std::dynamic_pointer_cast<NQFloatParameter>(parameters[0]);
    const auto offset = std::dynamic_pointer_cast<NQIntParameter>(parameters[1]);
    const auto voices = std::dynamic_pointer_cast<NQUIntParameter>(parameters[2]);
    const auto bypass = std::dynamic_pointer_cast<NQBoolParameter>(parameters[3]);
    const auto preset = std::dynamic_pointer_cast<NQStringParameter>(parameters[4]);
    ASSERT_TRUE(mix && offset && voices && bypass && preset);
    EXPECT_FLOAT_EQ(mix->value(), 0.25f);
    EXPECT_EQ(offset->value(), INT32_MIN);
    EXPECT_EQ(voices->value(), UINT32_MAX);
    EXPECT_TRUE(bypass->value());
    EXPECT_EQ(preset->value(), "Hall \xc3\xa9");
    const SimParameterHints *hints = engine->hints(*mix);
    ASSERT_TRUE(hints);
    EXPECT_EQ(hints->scale, SimParameterHints::Scale::Logarithmic);
    EXPECT_EQ(hints->unit, "Hz");
    EXPECT_EQ(hints->decimals, 1);
    EXPECT_EQ(hints->step, 0.5);
    EXPECT_EQ(hints->group, "Filter");
    EXPECT_FALSE(engine->hints(*offset)) << "no hint field, no hints";
    ASSERT_TRUE(engine->hints(*voices) && engine->hints(*bypass));
    EXPECT_EQ(engine->hints(*voices)->choices,
              (std::vector<std::pair<double, std::string>>{{0, "Sine"}, {2, "Saw"}}));
    EXPECT_TRUE(engine->hints(*bypass)->readOnly);
    EXPECT_FALSE(engine->hints(*bypass)->hidden);
    ASSERT_TRUE(engine->hints(*preset));
    EXPECT_TRUE(engine->hints(*preset)->hidden);

    EXPECT_TRUE(engine->isRunning());
    ASSERT_TRUE(engine->lastAudioSessionState());
    EXPECT_DOUBLE_EQ(engine->lastAudioSessionState()->sampleRate, 44100);
    EXPECT_DOUBLE_EQ(engine->lastAudioSessionState()->IOBufferDuration, 0.004);
    EXPECT_EQ(engine->currentInputRoute(), "Mic");
    EXPECT_EQ(engine->currentOutputRoute(), "");

    const auto idle = GraphFile::parse(R"({"nodes":[]})", "empty.json");
    EXPECT_FALSE(idle->isRunning());
    EXPECT_FALSE(idle->lastAudioSessionState());
    EXPECT_TRUE(idle->graph()->nodes().empty());

    EXPECT_EQ(loadFault(path("missing.json")).rfind(path("missing.json") + ": cannot open file", 0),
              0u);
    EXPECT_EQ(loadFault(dir.path().toStdString()), dir.path().toStdString() + ": cannot read file");
    std::ofstream(path("huge.json"))
        << R"({"nodes": [], "inputRoute": ")" << std::string(GraphFile::maximumSize, 'x') << "\"}";
    EXPECT_EQ(loadFault(path("huge.json")),
              path("huge.json") + ": file is larger than the limit of 16777216 bytes");
}

TEST(GraphFile, InvalidJsonAndFaultsAreRefusedWithFileAndPlaceNamed)
{
    // JSON has no NaN or infinity literals, and an overflowing exponent is refused as well.
    const auto invalid = [] { GraphFile::parse(R"({"nodes": [], "x": 1e999})", "a.json"); };
    EXPECT_EQ(faultOf(invalid).rfind("a.json: invalid JSON: ", 0), 0u) << faultOf(invalid);
    const std::string deep = std::string(200000, '[') + std::string(200000, ']');
    expectRefused({
        {"[1, 2]", "the document must be an object"},
        {"{}", "missing field \"nodes\""},
        {R"({"nodes": {}})", "\"nodes\" must be an array"},
        {R"({"nodes": [], "running": "yes"})", "running must be true or false"},
        {R"({"nodes": [], "inputRoute": 3})", "inputRoute must be a string"},
        {R"({"nodes": [], "session": {"sampleRate": -1}})", "session: sampleRate -1 is negative"},
        {R"({"nodes": [], "session": )" + deep + "}", "nested deeper than 32 levels"},
        {R"({"nodes": [3]})", "node 1: must be an object"},
        {R"({"nodes": [{"type": "T", "name": "A"}, {"type": "T"}]})",
         "node 2: missing field \"name\""},
        nodeFault(R"(, "type": "")", "type is empty"),
        nodeFault(R"(, "type": "T", "parameters": {})", "\"parameters\" must be an array"),
        nodeFault(R"(, "type": "T", "paramters": [])", "unknown field \"paramters\""),
        parameterFault("1", "1: must be an object"),
        named("double", "", "unknown kind \"double\" (expected float, int, uint, bool or string)"),
        named("float", R"(,"value":0.5,"minimum":1,"maximum":0)", "minimum 1 is above maximum 0"),
        named("float", R"(,"value":"0","minimum":0,"maximum":1)", "value must be a number"),
        named("float", R"(,"value":0,"minimum":-1e300,"maximum":1)",
              "minimum -1e+300 is outside the 32-bit float range"),
        named("int", R"(,"value":2147483648,"minimum":0,"maximum":1)",
              "value 2147483648 is outside the 32-bit signed range"),
        named("int", R"(,"value":0,"minimum":-2147483649,"maximum":1)",
              "minimum -2147483649 is outside the 32-bit signed range"),
        named("int", R"(,"value":0.5,"minimum":0,"maximum":1)", "value must be a whole number"),
        named("uint", R"(,"value":0,"minimum":-1,"maximum":1)",
              "minimum -1 is outside the 32-bit unsigned range"),
        named("uint", R"(,"value":0,"minimum":0,"maximum":4294967296)",
              "maximum 4294967296 is outside the 32-bit unsigned range"),
        named("float", range + R"(,"scale":"log")", "scale \"log\" needs a minimum above 0, not 0"),
        named("float", range + R"(,"scale":"cubic")",
              "unknown scale \"cubic\" (expected linear, log or skew)"),
        named("float", range + R"(,"scale":"skew","skew":0)", "skew 0 is not above 0"),
        named("float", range + R"(,"skew":2)", "skew is only for scale \"skew\""),
        named("float", range + R"(,"display":"dBFS")",
              "unknown display \"dBFS\" (expected \"dB\")"),
        named("float", R"(,"value":0,"minimum":-1,"maximum":1,"display":"dB")",
              "display \"dB\" shows a gain, which cannot be negative, but the minimum is -1"),
        named("float", range + R"(,"decimals":11)", "decimals 11 is outside 0 ... 10"),
        named("float", range + R"(,"step":-1)", "step -1 is not above 0"),
        named("float", range + R"(,"default":3)", "default 3 is outside the range 0 to 2"),
        named("bool", R"(,"value":true,"default":1)", "unknown field \"default\""),
        named("bool", R"(,"value":true,"hidden":1)", "hidden must be true or false"),
        named("float", range + R"(,"choices":[])", "\"choices\" must be a non-empty array"),
        named("int", range + R"(,"choices":[{"value":3,"label":"Big"}])",
              "choice 1: value 3 is outside the range 0 to 2"),
        named("int", range + R"(,"choices":[{"value":0,"label":"A"},{"value":1,"label":"A"}])",
              "choice 2: value 1 or label \"A\" is already a choice"),
        named("int", range + R"(,"choices":[{"value":0,"label":""}])", "choice 1: label is empty"),
        parameterFault(R"({"kind":"bool","name":"B","value":true},)"
                       R"({"kind":"string","name":"B","value":""})",
                       "\"B\": duplicate parameter name \"B\""),
    });
}
