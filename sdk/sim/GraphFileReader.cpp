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

// Optional presentation fields: every kind may have the first three, number kinds all of them.
const std::initializer_list<const char *> anyKindHints = {"readOnly", "group", "description",
                                                            "hidden"};
const std::initializer_list<const char *> numberHints = {
    "scale",   "skew",     "unit",  "display",     "decimals", "step",
    "choices", "readOnly", "group", "description", "default",  "hidden"};

std::vector<const char *> withHints(std::initializer_list<const char *> fields,
                                    std::initializer_list<const char *> hints)
{
    std::vector<const char *> all(fields);
    all.insert(all.end(), hints);
    return all;
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
    std::shared_ptr<NQParameter> read;
    try {
        if (kind == "bool") {
            checkKeys(parameter, withHints({"kind", "name", "value"}, anyKindHints));
            read = node.addBoolParameter(name, boolean(required(parameter, "value"), "value"));
        } else if (kind == "string") {
            checkKeys(parameter, withHints({"kind", "name", "value"}, anyKindHints));
            read = node.addStringParameter(name, string(required(parameter, "value"), "value"));
        } else if (kind == "float" || kind == "int" || kind == "uint") {
            checkKeys(parameter,
                      withHints({"kind", "name", "value", "minimum", "maximum"}, numberHints));
            read = readNumberParameter(node, kind, name, parameter);
        } else {
            fail("unknown kind " + quoted(kind) + " (expected float, int, uint, bool or string)");
        }
    } catch (const std::invalid_argument &fault) {
        fail(fault.what());
    }
    readHints(parameter, read);
}

void GraphFileReader::readHints(const json &parameter, const std::shared_ptr<NQParameter> &read)
{
    bool any = false;
    for (const char *key : numberHints)
        any = any || parameter.contains(key);
    if (!any)
        return;
    SimParameterHints hints;
    if (parameter.contains("readOnly"))
        hints.readOnly = boolean(parameter["readOnly"], "readOnly");
    if (parameter.contains("group"))
        hints.group = string(parameter["group"], "group");
    if (parameter.contains("description"))
        hints.description = string(parameter["description"], "description");
    if (parameter.contains("hidden"))
        hints.hidden = boolean(parameter["hidden"], "hidden");
    const std::string kind = parameter["kind"].get<std::string>();
    if (kind != "bool" && kind != "string")
        readNumberHints(parameter, hints, kind, finite(parameter["minimum"], "minimum"),
                        finite(parameter["maximum"], "maximum"));
    engine->setHints(read, std::move(hints));
}

void GraphFileReader::readNumberHints(const json &parameter, SimParameterHints &hints,
                                      const std::string &kind, double minimum, double maximum)
{
    if (parameter.contains("scale")) {
        const std::string scale = string(parameter["scale"], "scale");
        if (scale == "log") {
            if (!(minimum > 0))
                fail("scale \"log\" needs a minimum above 0, not " + SimNumberText::of(minimum));
            hints.scale = SimParameterHints::Scale::Logarithmic;
        } else if (scale == "skew") {
            hints.scale = SimParameterHints::Scale::Skewed;
            hints.skew = finite(required(parameter, "skew"), "skew");
            if (!(hints.skew > 0))
                fail("skew " + SimNumberText::of(hints.skew) + " is not above 0");
        } else if (scale != "linear") {
            fail("unknown scale " + quoted(scale) + " (expected linear, log or skew)");
        }
    }
    if (parameter.contains("skew") && hints.scale != SimParameterHints::Scale::Skewed)
        fail("skew is only for scale \"skew\"");
    if (parameter.contains("unit"))
        hints.unit = string(parameter["unit"], "unit");
    if (parameter.contains("display")) {
        const std::string display = string(parameter["display"], "display");
        if (display != "dB")
            fail("unknown display " + quoted(display) + " (expected \"dB\")");
        if (minimum < 0)
            fail("display \"dB\" shows a gain, which cannot be negative, but the minimum is " +
                 SimNumberText::of(minimum));
        hints.decibels = true;
    }
    if (parameter.contains("decimals")) {
        const int32_t decimals = int32(parameter["decimals"], "decimals");
        if (decimals < 0 || decimals > 10)
            fail("decimals " + std::to_string(decimals) + " is outside 0 ... 10");
        hints.decimals = decimals;
    }
    if (parameter.contains("step")) {
        hints.step = finite(parameter["step"], "step");
        if (!(hints.step > 0))
            fail("step " + SimNumberText::of(hints.step) + " is not above 0");
    }
    if (parameter.contains("choices"))
        readChoices(parameter["choices"], hints, kind, minimum, maximum);
    if (parameter.contains("default")) {
        const double given = finite(parameter["default"], "default");
        if (given < minimum || given > maximum)
            fail("default " + SimNumberText::of(given) + " is outside the range " +
                 SimNumberText::of(minimum) + " to " + SimNumberText::of(maximum));
        hints.defaultValue = given;
    }
}

void GraphFileReader::readChoices(const json &choices, SimParameterHints &hints,
                                  const std::string &kind, double minimum, double maximum)
{
    if (!choices.is_array() || choices.empty())
        fail("\"choices\" must be a non-empty array");
    const std::string parameterPlace = place;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        place = parameterPlace + ", choice " + std::to_string(i + 1);
        const json &choice = choices[i];
        if (!choice.is_object())
            fail("must be an object");
        checkKeys(choice, {"value", "label"});
        const json &valueField = required(choice, "value");
        const double value = kind == "float" ? finite(valueField, "value")
                             : kind == "int" ? double(int32(valueField, "value"))
                                             : double(uint32(valueField, "value"));
        const std::string label = string(required(choice, "label"), "label");
        if (label.empty())
            fail("label is empty");
        if (value < minimum || value > maximum)
            fail("value " + numberText(valueField) + " is outside the range " +
                 SimNumberText::of(minimum) + " to " + SimNumberText::of(maximum));
        for (const auto &[otherValue, otherLabel] : hints.choices)
            if (otherValue == value || otherLabel == label)
                fail("value " + numberText(valueField) + " or label " + quoted(label) +
                     " is already a choice");
        hints.choices.emplace_back(value, label);
    }
    place = parameterPlace;
}

std::shared_ptr<NQParameter> GraphFileReader::readNumberParameter(SimNode &node,
                                                                  const std::string &kind,
                                                                  const std::string &name,
                                                                  const json &parameter)
{
    const json &value = required(parameter, "value");
    const json &minimum = required(parameter, "minimum");
    const json &maximum = required(parameter, "maximum");
    if (kind == "float")
        return node.addFloatParameter(name, float32(value, "value"), float32(minimum, "minimum"),
                                      float32(maximum, "maximum"));
    if (kind == "int")
        return node.addIntParameter(name, int32(value, "value"), int32(minimum, "minimum"),
                                    int32(maximum, "maximum"));
    return node.addUIntParameter(name, uint32(value, "value"), uint32(minimum, "minimum"),
                                 uint32(maximum, "maximum"));
}

void GraphFileReader::fail(const std::string &fault) const
{
    throw GraphFileError(fileName + ": " + (place.empty() ? "" : place + ": ") + fault);
}

void GraphFileReader::checkKeys(const json &object, const std::vector<const char *> &allowed) const
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
