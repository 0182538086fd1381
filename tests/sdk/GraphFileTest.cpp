#include "sim/GraphFile.h"

#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

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

std::string faultOf(const std::string &text)
{
    try {
        GraphFile::parse(text, "graph.json");
    } catch (const GraphFileError &error) {
        return error.what();
    }
    return "no error";
}

std::string withParameter(const std::string &parameter)
{
    return R"({"nodes":[{"type":"In","name":"Input"},{"type":"Effect","name":"Reverb",)"
           R"("parameters":[)" +
           parameter + "]}]}";
}

} // namespace

TEST(GraphFile, ReadsEveryNodeAndParameterKindInOrder)
{
    const auto engine = GraphFile::parse(goodGraph, "graph.json");
    const auto nodes = engine->graph()->nodes();
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0]->type(), "Nequora.GraphInput");
    EXPECT_EQ(nodes[1]->displayName(), "Reverb");
    EXPECT_EQ(nodes[2]->type(), "AudioPlayerNode");
    EXPECT_EQ(nodes[3]->type(), "RecorderNode");

    const auto parameters = nodes[1]->parameters();
    ASSERT_EQ(parameters.size(), 5u);
    const auto mix = std::dynamic_pointer_cast<NQFloatParameter>(parameters[0]);
    ASSERT_TRUE(mix);
    EXPECT_EQ(mix->name(), "Mix");
    EXPECT_FLOAT_EQ(mix->value(), 0.25f);
    EXPECT_FLOAT_EQ(mix->maximumValue(), 1.0f);
    const auto offset = std::dynamic_pointer_cast<NQIntParameter>(parameters[1]);
    ASSERT_TRUE(offset);
    EXPECT_EQ(offset->value(), INT32_MIN);
    const auto voices = std::dynamic_pointer_cast<NQUIntParameter>(parameters[2]);
    ASSERT_TRUE(voices);
    EXPECT_EQ(voices->value(), UINT32_MAX);
    const auto bypass = std::dynamic_pointer_cast<NQBoolParameter>(parameters[3]);
    ASSERT_TRUE(bypass);
    EXPECT_TRUE(bypass->value());
    const auto preset = std::dynamic_pointer_cast<NQStringParameter>(parameters[4]);
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->value(), "Hall \xc3\xa9");
}

TEST(GraphFile, OnlyPlayerAndRecorderNodesHaveEngineNodes)
{
    const auto engine = GraphFile::parse(goodGraph, "graph.json");
    const auto nodes = engine->graph()->nodes();
    EXPECT_FALSE(nodes[1]->audioNode().lock());
    EXPECT_TRUE(nodes[2]->audioNode().lock());
    EXPECT_TRUE(nodes[3]->audioNode().lock());
}

TEST(GraphFile, ReadsSessionRoutesAndRunningState)
{
    const auto engine = GraphFile::parse(goodGraph, "graph.json");
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

TEST(GraphFile, LoadsFromDisk)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("graph.json").toStdString();
    std::ofstream(path) << goodGraph;
    EXPECT_EQ(GraphFile::load(path)->graph()->nodes().size(), 4u);
}

struct GraphFault
{
    std::string text;
    std::string message;
};

class GraphFileFault : public testing::TestWithParam<GraphFault>
{};

TEST_P(GraphFileFault, IsRefusedWithFileAndPlaceNamed)
{
    EXPECT_EQ(faultOf(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Document, GraphFileFault,
    testing::Values(
        GraphFault{"[1, 2]", "graph.json: the document must be an object"},
        GraphFault{"{}", "graph.json: missing field \"nodes\""},
        GraphFault{R"({"nodes": {}})", "graph.json: \"nodes\" must be an array"},
        GraphFault{R"({"nodes": [], "extra": 1})", "graph.json: unknown field \"extra\""},
        GraphFault{R"({"nodes": [], "running": "yes"})",
                   "graph.json: running must be true or false"},
        GraphFault{R"({"nodes": [], "inputRoute": 3})", "graph.json: inputRoute must be a string"},
        GraphFault{R"({"nodes": [], "session": {"sampleRate": -1}})",
                   "graph.json: session: sampleRate -1 is negative"},
        GraphFault{R"({"nodes": [], "session": {"rate": 1}})",
                   "graph.json: session: unknown field \"rate\""}));

INSTANTIATE_TEST_SUITE_P(
    Node, GraphFileFault,
    testing::Values(GraphFault{R"({"nodes": [3]})", "graph.json: node 1: must be an object"},
                    GraphFault{R"({"nodes": [{"name": "A"}]})",
                               "graph.json: node 1 (\"A\"): missing field \"type\""},
                    GraphFault{R"({"nodes": [{"type": "T", "name": "A"}, {"type": "T"}]})",
                               "graph.json: node 2: missing field \"name\""},
                    GraphFault{R"({"nodes": [{"type": "", "name": "A"}]})",
                               "graph.json: node 1 (\"A\"): type is empty"},
                    GraphFault{R"({"nodes": [{"type": 1, "name": "A"}]})",
                               "graph.json: node 1 (\"A\"): type must be a string"},
                    GraphFault{R"({"nodes": [{"type": "T", "name": "A", "parameters": {}}]})",
                               "graph.json: node 1 (\"A\"): \"parameters\" must be an array"},
                    GraphFault{R"({"nodes": [{"type": "T", "name": "A", "paramters": []}]})",
                               "graph.json: node 1 (\"A\"): unknown field \"paramters\""}));

INSTANTIATE_TEST_SUITE_P(
    Parameter, GraphFileFault,
    testing::Values(
        GraphFault{withParameter("1"),
                   "graph.json: node 2 (\"Reverb\"), parameter 1: must be an object"},
        GraphFault{withParameter(R"({"kind":"bool","value":true})"),
                   "graph.json: node 2 (\"Reverb\"), parameter 1: missing field \"name\""},
        GraphFault{withParameter(R"({"kind":"double","name":"Mix","value":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": unknown kind \"double\" "
                   "(expected float, int, uint, bool or string)"},
        GraphFault{
            withParameter(R"({"kind":"float","name":"Mix","value":0.5,"minimum":1,"maximum":0})"),
            "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": minimum 1 is above maximum 0"},
        GraphFault{
            withParameter(R"({"kind":"float","name":"Mix","value":2,"minimum":0,"maximum":1})"),
            "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": value 2 is outside the "
            "range 0 to 1"},
        GraphFault{withParameter(R"({"kind":"float","name":"Mix","value":0,"maximum":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": missing field \"minimum\""},
        GraphFault{
            withParameter(R"({"kind":"float","name":"Mix","value":"0","minimum":0,"maximum":1})"),
            "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": value must be a number"},
        GraphFault{withParameter(
                       R"({"kind":"float","name":"Mix","value":0,"minimum":-1e300,"maximum":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"Mix\": minimum -1e+300 is outside "
                   "the 32-bit float range"},
        GraphFault{withParameter(
                       R"({"kind":"int","name":"N","value":2147483648,"minimum":0,"maximum":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"N\": value 2147483648 is outside "
                   "the 32-bit signed range"},
        GraphFault{withParameter(
                       R"({"kind":"int","name":"N","value":0,"minimum":-2147483649,"maximum":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"N\": minimum -2147483649 is "
                   "outside the 32-bit signed range"},
        GraphFault{
            withParameter(R"({"kind":"int","name":"N","value":0.5,"minimum":0,"maximum":1})"),
            "graph.json: node 2 (\"Reverb\"), parameter \"N\": value must be a whole number"},
        GraphFault{
            withParameter(R"({"kind":"uint","name":"N","value":0,"minimum":-1,"maximum":1})"),
            "graph.json: node 2 (\"Reverb\"), parameter \"N\": minimum -1 is outside the "
            "32-bit unsigned range"},
        GraphFault{withParameter(
                       R"({"kind":"uint","name":"N","value":0,"minimum":0,"maximum":4294967296})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"N\": maximum 4294967296 is "
                   "outside the 32-bit unsigned range"},
        GraphFault{withParameter(R"({"kind":"bool","name":"B","value":1})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"B\": value must be true or false"},
        GraphFault{withParameter(R"({"kind":"bool","name":"B","value":true,"minimum":0})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"B\": unknown field \"minimum\""},
        GraphFault{withParameter(R"({"kind":"string","name":"S"})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"S\": missing field \"value\""},
        GraphFault{withParameter(R"({"kind":"bool","name":"B","value":true},)"
                                 R"({"kind":"string","name":"B","value":""})"),
                   "graph.json: node 2 (\"Reverb\"), parameter \"B\": duplicate parameter name "
                   "\"B\""}));

TEST(GraphFile, InvalidOrTruncatedJsonIsRefused)
{
    const std::string truncated = std::string(goodGraph).substr(0, 200);
    EXPECT_EQ(faultOf(truncated).rfind("graph.json: invalid JSON: ", 0), 0u) << faultOf(truncated);
    EXPECT_EQ(faultOf("{nodes: []}").rfind("graph.json: invalid JSON: ", 0), 0u);
    EXPECT_EQ(faultOf("").rfind("graph.json: invalid JSON: ", 0), 0u);
}

TEST(GraphFile, NonFiniteNumbersAreRefused)
{
    // JSON has no NaN or infinity literals; an overflowing exponent is the way one sneaks in.
    for (const char *number : {"NaN", "Infinity", "1e999"}) {
        const std::string fault = faultOf(withParameter(
            std::string(R"({"kind":"float","name":"Mix","value":0,"minimum":0,"maximum":)") +
            number + "}"));
        EXPECT_EQ(fault.rfind("graph.json: ", 0), 0u) << number;
        EXPECT_NE(fault, "no error") << number;
    }
}

TEST(GraphFile, DeepNestingIsRefusedWithoutRecursing)
{
    const std::string deep =
        R"({"nodes": [], "session": )" + std::string(200000, '[') + std::string(200000, ']') + "}";
    EXPECT_EQ(faultOf(deep), "graph.json: nested deeper than 32 levels");
}

TEST(GraphFile, UnreadableFilesAreRefusedNamingTheFile)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("missing.json").toStdString();
    EXPECT_THROW(
        {
            try {
                GraphFile::load(missing);
            } catch (const GraphFileError &error) {
                EXPECT_EQ(std::string(error.what()).rfind(missing + ": cannot open file", 0), 0u)
                    << error.what();
                throw;
            }
        },
        GraphFileError);
    const std::string folder = dir.path().toStdString();
    try {
        GraphFile::load(folder);
        FAIL() << "a folder was read as a graph file";
    } catch (const GraphFileError &error) {
        EXPECT_EQ(std::string(error.what()), folder + ": cannot read file");
    }
}

TEST(GraphFile, FilesOverTheSizeLimitAreRefused)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("huge.json").toStdString();
    {
        std::ofstream out(path);
        out << R"({"nodes": [], "inputRoute": ")" << std::string(GraphFile::maximumSize, 'x')
            << "\"}";
    }
    try {
        GraphFile::load(path);
        FAIL() << "a huge file was accepted";
    } catch (const GraphFileError &error) {
        EXPECT_EQ(std::string(error.what()),
                  path + ": file is larger than the limit of 16777216 bytes");
    }
}
