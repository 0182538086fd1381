#include "sim/GraphFileReader.h"

#include "sim/GraphFileError.h"
#include "sim/SimNumberText.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

using nlohmann::json;

namespace {

std::string quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

std::string numberText(const json &value)
{
    if (value.is_number_unsigned())
        return SimNumberText::of(value.get<uint64_t>());
    if (value.is_number_integer())
        return SimNumberText::of(value.get<int64_t>());
    return SimNumberText::of(value.get<double>());
}

} // namespace

GraphFileReader::GraphFileReader(std::string fileName, SimClock::Now now)
    : fileName(std::move(fileName)), now(std::move(now))
{}

std::shared_ptr<SimEngine> GraphFileReader::read(const json &document)
{
    engine = std::make_shared<SimEngine>(now);
    if (!document.is_object())
        fail("the document must be an object");
    checkKeys(document, {"nodes", "session", "running", "inputRoute", "outputRoute"});
    if (document.contains("session"))
        readSession(document["session"]);
    const std::string input =
        document.contains("inputRoute") ? string(document["inputRoute"], "inputRoute") : "";
    const std::string output =
        document.contains("outputRoute") ? string(document["outputRoute"], "outputRoute") : "";
    engine->setRoutes(input, output);
    const json &nodes = required(document, "nodes");
    if (!nodes.is_array())
        fail("\"nodes\" must be an array");
    for (std::size_t i = 0; i < nodes.size(); ++i)
        readNode(nodes[i], i);
    place.clear();
    if (document.contains("running") && boolean(document["running"], "running"))
        engine->start();
    return std::move(engine);
}

void GraphFileReader::readSession(const json &session)
{
    place = "session";
    if (!session.is_object())
        fail("must be an object");
    checkKeys(session, {"sampleRate", "inputLatency", "outputLatency", "IOBufferDuration"});
    AudioSessionState state;
    const auto readField = [&](const char *key, double &field) {
        if (!session.contains(key))
            return;
        field = finite(session[key], key);
        if (field < 0)
            fail(std::string(key) + " " + SimNumberText::of(field) + " is negative");
    };
    readField("sampleRate", state.sampleRate);
    readField("inputLatency", state.inputLatency);
    readField("outputLatency", state.outputLatency);
    readField("IOBufferDuration", state.IOBufferDuration);
    engine->setSession(state);
    place.clear();
}

void GraphFileReader::readNode(const json &node, std::size_t index)
{
    place = "node " + std::to_string(index + 1);
    if (!node.is_object())
        fail("must be an object");
    if (node.contains("name") && node["name"].is_string())
        place += " (" + quoted(node["name"].get<std::string>()) + ")";
    checkKeys(node, {"type", "name", "parameters"});
    const std::string type = string(required(node, "type"), "type");
    if (type.empty())
        fail("type is empty");
    const std::string name = string(required(node, "name"), "name");
    const auto simNode = engine->addNode(type, name);
    if (!node.contains("parameters"))
        return;
    const json &parameters = node["parameters"];
    if (!parameters.is_array())
        fail("\"parameters\" must be an array");
    const std::string nodePlace = place;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        readParameter(*simNode, parameters[i], nodePlace, i);
}

void GraphFileReader::readParameter(SimNode &node, const json &parameter,
                                    const std::string &nodePlace, std::size_t index)
{
    place = nodePlace + ", parameter " + std::to_string(index + 1);
    if (!parameter.is_object())
        fail("must be an object");
    const std::string name = string(required(parameter, "name"), "name");
    place = nodePlace + ", parameter " + quoted(name);
    const std::string kind = string(required(parameter, "kind"), "kind");
    try {
        if (kind == "bool") {
            checkKeys(parameter, {"kind", "name", "value"});
            node.addBoolParameter(name, boolean(required(parameter, "value"), "value"));
        } else if (kind == "string") {
            checkKeys(parameter, {"kind", "name", "value"});
            node.addStringParameter(name, string(required(parameter, "value"), "value"));
        } else if (kind == "float" || kind == "int" || kind == "uint") {
            checkKeys(parameter, {"kind", "name", "value", "minimum", "maximum"});
            readNumberParameter(node, kind, name, parameter);
        } else {
            fail("unknown kind " + quoted(kind) + " (expected float, int, uint, bool or string)");
        }
    } catch (const std::invalid_argument &fault) {
        fail(fault.what());
    }
}

void GraphFileReader::readNumberParameter(SimNode &node, const std::string &kind,
                                          const std::string &name, const json &parameter)
{
    const json &value = required(parameter, "value");
    const json &minimum = required(parameter, "minimum");
    const json &maximum = required(parameter, "maximum");
    if (kind == "float")
        node.addFloatParameter(name, float32(value, "value"), float32(minimum, "minimum"),
                               float32(maximum, "maximum"));
    else if (kind == "int")
        node.addIntParameter(name, int32(value, "value"), int32(minimum, "minimum"),
                             int32(maximum, "maximum"));
    else
        node.addUIntParameter(name, uint32(value, "value"), uint32(minimum, "minimum"),
                              uint32(maximum, "maximum"));
}

void GraphFileReader::fail(const std::string &fault) const
{
    throw GraphFileError(fileName + ": " + (place.empty() ? "" : place + ": ") + fault);
}

void GraphFileReader::checkKeys(const json &object,
                                std::initializer_list<const char *> allowed) const
{
    for (const auto &item : object.items()) {
        bool known = false;
        for (const char *key : allowed)
            known = known || item.key() == key;
        if (!known)
            fail("unknown field " + quoted(item.key()));
    }
}

const json &GraphFileReader::required(const json &object, const char *key) const
{
    if (!object.contains(key))
        fail(std::string("missing field \"") + key + "\"");
    return object[key];
}

std::string GraphFileReader::string(const json &value, const char *what) const
{
    if (!value.is_string())
        fail(std::string(what) + " must be a string");
    return value.get<std::string>();
}

bool GraphFileReader::boolean(const json &value, const char *what) const
{
    if (!value.is_boolean())
        fail(std::string(what) + " must be true or false");
    return value.get<bool>();
}

double GraphFileReader::finite(const json &value, const char *what) const
{
    if (!value.is_number())
        fail(std::string(what) + " must be a number");
    const double number = value.get<double>();
    if (!std::isfinite(number))
        fail(std::string(what) + " is not a finite number");
    return number;
}

float GraphFileReader::float32(const json &value, const char *what) const
{
    const double number = finite(value, what);
    if (std::fabs(number) > double(std::numeric_limits<float>::max()))
        fail(std::string(what) + " " + numberText(value) + " is outside the 32-bit float range");
    return float(number);
}

int32_t GraphFileReader::int32(const json &value, const char *what) const
{
    if (!value.is_number_integer())
        fail(std::string(what) + " must be a whole number");
    const bool fits = value.is_number_unsigned()
                          ? value.get<uint64_t>() <= uint64_t(std::numeric_limits<int32_t>::max())
                          : value.get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                                value.get<int64_t>() <= std::numeric_limits<int32_t>::max();
    if (!fits)
        fail(std::string(what) + " " + numberText(value) + " is outside the 32-bit signed range");
    return value.is_number_unsigned() ? int32_t(value.get<uint64_t>())
                                      : int32_t(value.get<int64_t>());
}

uint32_t GraphFileReader::uint32(const json &value, const char *what) const
{
    if (!value.is_number_integer())
        fail(std::string(what) + " must be a whole number");
    // A parsed "-0" is a signed zero, which fits.
    const bool fits = value.is_number_unsigned()
                          ? value.get<uint64_t>() <= std::numeric_limits<uint32_t>::max()
                          : value.get<int64_t>() == 0;
    if (!fits)
        fail(std::string(what) + " " + numberText(value) + " is outside the 32-bit unsigned range");
    return value.is_number_unsigned() ? uint32_t(value.get<uint64_t>()) : 0u;
}
