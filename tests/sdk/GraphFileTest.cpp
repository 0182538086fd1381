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

const char *goodGraph = R"({
  "nodes": [
    {"type": "Nequora.GraphInput", "name": "Input"},
    {"type": "Effect", "name": "Reverb", "parameters": [
      {"kind": "float", "name": "Mix", "value": 0.25, "minimum": 0, "maximum": 1},
      {"kind": "int", "name": "Offset", "value": -2147483648, "minimum": -2147483648, "maximum": 5},
      {"kind": "uint", "name": "Voices", "value": 4294967295, "minimum": 0, "maximum": 4294967295},
      {"kind": "bool", "name": "Bypass", "value": true},
      {"kind": "string", "name": "Preset", "value": "Hall \u00e9"}
    ]},
    {"type": "AudioPlayerNode", "name": "Player"},
    {"type": "RecorderNode", "name": "Recorder"}
  ],
  "session": {"sampleRate": 44100, "inputLatency": 0.002, "outputLatency": 0.003,
              "IOBufferDuration": 0.004},
  "running": true,
  "inputRoute": "Mic",
  "outputRoute": ""
})";

std::string faultOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const GraphFileError &error) {
        return error.what();
    }
    return "no error";
}

std::string parseFault(const std::string &text)
{
    return faultOf([&] { GraphFile::parse(text, "graph.json"); });
}

std::string loadFault(const std::string &path)
{
    return faultOf([&] { GraphFile::load(path); });
}

std::string withParameter(const std::string &parameter)
{
    return R"({"nodes":[{"type":"In","name":"Input"},{"type":"Effect","name":"Reverb",)"
           R"("parameters":[)" +
           parameter + "]}]}";
}

using Faults = std::vector<std::pair<std::string, std::string>>;

// Each fault pairs a document with the message that follows "graph.json: ".
void expectRefused(const Faults &faults)
{
    for (const auto &[text, message] : faults) {
        EXPECT_EQ(parseFault(text), "graph.json: " + message) << text;
    }
}

Faults::value_type nodeAFault(const std::string &fields, const std::string &message)
{
    return {R"({"nodes": [{"name": "A")" + fields + "}]}", "node 1 (\"A\"): " + message};
}

Faults::value_type parameterFault(const std::string &parameter, const std::string &message)
{
    return {withParameter(parameter), "node 2 (\"Reverb\"), parameter " + message};
}

} // namespace

TEST(GraphFile, ReadsEveryNodeParameterKindAndSessionField)
{
    const auto engine = GraphFile::parse(goodGraph, "graph.json");
    const auto nodes = engine->graph()->nodes();
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[1]->displayName(), "Reverb");
    EXPECT_EQ(nodes[3]->type(), "RecorderNode");
    // Only player and recorder nodes have engine nodes.
    EXPECT_FALSE(nodes[1]->audioNode().lock());
    EXPECT_TRUE(nodes[2]->audioNode().lock());
    EXPECT_TRUE(nodes[3]->audioNode().lock());

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
}

TEST(GraphFile, DocumentFaultsAreRefusedWithFileAndPlaceNamed)
{
    expectRefused(
        {{"[1, 2]", "the document must be an object"},
         {"{}", "missing field \"nodes\""},
         {R"({"nodes": {}})", "\"nodes\" must be an array"},
         {R"({"nodes": [], "extra": 1})", "unknown field \"extra\""},
         {R"({"nodes": [], "running": "yes"})", "running must be true or false"},
         {R"({"nodes": [], "inputRoute": 3})", "inputRoute must be a string"},
         {R"({"nodes": [], "session": {"sampleRate": -1}})", "session: sampleRate -1 is negative"},
         {R"({"nodes": [], "session": {"rate": 1}})", "session: unknown field \"rate\""},
         // Refused without recursing.
         {R"({"nodes": [], "session": )" + std::string(200000, '[') + std::string(200000, ']') +
              "}",
          "nested deeper than 32 levels"}});
}

TEST(GraphFile, NodeFaultsAreRefusedWithFileAndPlaceNamed)
{
    expectRefused(
        {{R"({"nodes": [3]})", "node 1: must be an object"},
         nodeAFault("", "missing field \"type\""),
         {R"({"nodes": [{"type": "T", "name": "A"}, {"type": "T"}]})",
          "node 2: missing field \"name\""},
         nodeAFault(R"(, "type": "")", "type is empty"),
         nodeAFault(R"(, "type": 1)", "type must be a string"),
         nodeAFault(R"(, "type": "T", "parameters": {})", "\"parameters\" must be an array"),
         nodeAFault(R"(, "type": "T", "paramters": [])", "unknown field \"paramters\"")});
}

TEST(GraphFile, ParameterFaultsAreRefusedWithFileAndPlaceNamed)
{
    expectRefused(
        {{withParameter("1"), "node 2 (\"Reverb\"), parameter 1: must be an object"},
         {withParameter(R"({"kind":"bool","value":true})"),
          "node 2 (\"Reverb\"), parameter 1: missing field \"name\""},
         parameterFault(R"({"kind":"double","name":"Mix","value":1})",
                        "\"Mix\": unknown kind \"double\" (expected float, int, uint, bool or "
                        "string)"),
         parameterFault(R"({"kind":"float","name":"Mix","value":0.5,"minimum":1,"maximum":0})",
                        "\"Mix\": minimum 1 is above maximum 0"),
         parameterFault(R"({"kind":"float","name":"Mix","value":2,"minimum":0,"maximum":1})",
                        "\"Mix\": value 2 is outside the range 0 to 1"),
         parameterFault(R"({"kind":"float","name":"Mix","value":0,"maximum":1})",
                        "\"Mix\": missing field \"minimum\""),
         parameterFault(R"({"kind":"float","name":"Mix","value":"0","minimum":0,"maximum":1})",
                        "\"Mix\": value must be a number"),
         parameterFault(R"({"kind":"float","name":"Mix","value":0,"minimum":-1e300,"maximum":1})",
                        "\"Mix\": minimum -1e+300 is outside the 32-bit float range"),
         parameterFault(R"({"kind":"int","name":"N","value":2147483648,"minimum":0,"maximum":1})",
                        "\"N\": value 2147483648 is outside the 32-bit signed range"),
         parameterFault(R"({"kind":"int","name":"N","value":0,"minimum":-2147483649,"maximum":1})",
                        "\"N\": minimum -2147483649 is outside the 32-bit signed range"),
         parameterFault(R"({"kind":"int","name":"N","value":0.5,"minimum":0,"maximum":1})",
                        "\"N\": value must be a whole number"),
         parameterFault(R"({"kind":"uint","name":"N","value":0,"minimum":-1,"maximum":1})",
                        "\"N\": minimum -1 is outside the 32-bit unsigned range"),
         parameterFault(R"({"kind":"uint","name":"N","value":0,"minimum":0,"maximum":4294967296})",
                        "\"N\": maximum 4294967296 is outside the 32-bit unsigned range"),
         parameterFault(R"({"kind":"bool","name":"B","value":1})",
                        "\"B\": value must be true or false"),
         parameterFault(R"({"kind":"bool","name":"B","value":true,"minimum":0})",
                        "\"B\": unknown field \"minimum\""),
         parameterFault(R"({"kind":"string","name":"S"})", "\"S\": missing field \"value\""),
         parameterFault(R"({"kind":"bool","name":"B","value":true},)"
                        R"({"kind":"string","name":"B","value":""})",
                        "\"B\": duplicate parameter name \"B\"")});
}

TEST(GraphFile, InvalidJsonAndNonFiniteNumbersAreRefused)
{
    // JSON has no NaN or infinity literals; an overflowing exponent is the way one sneaks in.
    const auto withMaximum = [](const char *number) {
        return withParameter(
            std::string(R"({"kind":"float","name":"Mix","value":0,"minimum":0,"maximum":)") +
            number + "}");
    };
    for (const std::string &text :
         {std::string(goodGraph).substr(0, 200), std::string("{nodes: []}"), std::string(),
          withMaximum("NaN"), withMaximum("Infinity"), withMaximum("1e999")}) {
        const std::string fault = parseFault(text);
        EXPECT_EQ(fault.rfind("graph.json: ", 0), 0u) << fault;
        EXPECT_NE(fault, "no error") << text;
    }
}

TEST(GraphFile, LoadsFromDiskAndRefusesUnreadableOrOversizedFilesNamingThem)
{
    QTemporaryDir dir;
    const std::string good = dir.filePath("graph.json").toStdString();
    std::ofstream(good) << goodGraph;
    EXPECT_EQ(GraphFile::load(good)->graph()->nodes().size(), 4u);

    const std::string missing = dir.filePath("missing.json").toStdString();
    EXPECT_EQ(loadFault(missing).rfind(missing + ": cannot open file", 0), 0u)
        << loadFault(missing);
    const std::string folder = dir.path().toStdString();
    EXPECT_EQ(loadFault(folder), folder + ": cannot read file");

    const std::string huge = dir.filePath("huge.json").toStdString();
    std::ofstream(huge) << R"({"nodes": [], "inputRoute": ")"
                        << std::string(GraphFile::maximumSize, 'x') << "\"}";
    EXPECT_EQ(loadFault(huge), huge + ": file is larger than the limit of 16777216 bytes");
}

TEST(GraphFile, PresentationHintsAreReadAndBadOnesRefusedNamingTheParameter)
{
    const auto engine = GraphFile::parse(
        withParameter(R"({"kind":"float","name":"Cutoff","value":100,"minimum":20,"maximum":2e4,)"
                      R"("scale":"log","unit":"Hz","decimals":1,"step":0.5,"group":"Filter"},)"
                      R"({"kind":"uint","name":"Shape","value":1,"minimum":0,"maximum":2,)"
                      R"("choices":[{"value":0,"label":"Sine"},{"value":2,"label":"Saw"}]},)"
                      R"({"kind":"bool","name":"Clip","value":false,"readOnly":true},)"
                      R"({"kind":"float","name":"Mix","value":0,"minimum":0,"maximum":1})"),
        "graph.json");
    const auto parameters = engine->graph()->nodes()[1]->parameters();
    const SimParameterHints *cutoff = engine->hints(*parameters[0]);
    ASSERT_TRUE(cutoff);
    EXPECT_EQ(cutoff->scale, SimParameterHints::Scale::Logarithmic);
    EXPECT_EQ(cutoff->unit, "Hz");
    EXPECT_EQ(cutoff->decimals, 1);
    EXPECT_EQ(cutoff->step, 0.5);
    EXPECT_EQ(cutoff->group, "Filter");
    ASSERT_TRUE(engine->hints(*parameters[1]));
    EXPECT_EQ(engine->hints(*parameters[1])->choices,
              (std::vector<std::pair<double, std::string>>{{0, "Sine"}, {2, "Saw"}}));
    ASSERT_TRUE(engine->hints(*parameters[2]));
    EXPECT_TRUE(engine->hints(*parameters[2])->readOnly);
    EXPECT_FALSE(engine->hints(*parameters[3])) << "no hint field, no hints";

    const std::string f = R"({"kind":"float","name":"F","value":1,"minimum":0,"maximum":2,)";
    const std::string i = R"({"kind":"int","name":"I","value":1,"minimum":0,"maximum":2,)";
    expectRefused(
        {parameterFault(f + R"("scale":"log"})",
                        "\"F\": scale \"log\" needs a minimum above 0, not 0"),
         parameterFault(f + R"("scale":"cubic"})",
                        "\"F\": unknown scale \"cubic\" (expected linear, log or skew)"),
         parameterFault(f + R"("scale":"skew"})", "\"F\": missing field \"skew\""),
         parameterFault(f + R"("scale":"skew","skew":0})", "\"F\": skew 0 is not above 0"),
         parameterFault(f + R"("skew":2})", "\"F\": skew is only for scale \"skew\""),
         parameterFault(f + R"("display":"dBFS"})",
                        "\"F\": unknown display \"dBFS\" (expected \"dB\")"),
         parameterFault(R"({"kind":"float","name":"F","value":0,"minimum":-1,"maximum":1,)"
                        R"("display":"dB"})",
                        "\"F\": display \"dB\" shows a gain, which cannot be negative, but the "
                        "minimum is -1"),
         parameterFault(f + R"("decimals":11})", "\"F\": decimals 11 is outside 0 ... 10"),
         parameterFault(f + R"("step":-1})", "\"F\": step -1 is not above 0"),
         parameterFault(f + R"("unit":3})", "\"F\": unit must be a string"),
         parameterFault(f + R"("choices":[]})", "\"F\": \"choices\" must be a non-empty array"),
         parameterFault(i + R"("choices":[{"value":3,"label":"Big"}]})",
                        "\"I\", choice 1: value 3 is outside the range 0 to 2"),
         parameterFault(i + R"("choices":[{"value":0.5,"label":"Half"}]})",
                        "\"I\", choice 1: value must be a whole number"),
         parameterFault(i + R"("choices":[{"value":0,"label":"A"},{"value":1,"label":"A"}]})",
                        "\"I\", choice 2: value 1 or label \"A\" is already a choice"),
         parameterFault(i + R"("choices":[{"value":0,"label":""}]})",
                        "\"I\", choice 1: label is empty"),
         parameterFault(R"({"kind":"bool","name":"B","value":true,"unit":"Hz"})",
                        "\"B\": unknown field \"unit\""),
         parameterFault(R"({"kind":"string","name":"S","value":"","readOnly":1})",
                        "\"S\": readOnly must be true or false")});
}
