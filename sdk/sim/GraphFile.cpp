#include "sim/GraphFile.h"

#include "sim/GraphFileReader.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

using nlohmann::json;

namespace {

// nlohmann's messages start with "[json.exception.parse_error.101] "; the rest is what matters.
std::string withoutExceptionTag(const std::string &message)
{
    const auto end = message.find("] ");
    return message.rfind("[json.exception.", 0) == 0 && end != std::string::npos
               ? message.substr(end + 2)
               : message;
}

} // namespace

std::shared_ptr<SimEngine> GraphFile::load(const std::string &path, SimClock::Now now)
{
    return parse(readText(path), path, std::move(now));
}

std::shared_ptr<SimEngine> GraphFile::parse(const std::string &text, const std::string &fileName,
                                            SimClock::Now now)
{
    if (text.size() > maximumSize)
        throw GraphFileError(fileName + ": " + std::to_string(text.size()) +
                             " bytes is above the limit of " + std::to_string(maximumSize));
    bool tooDeep = false;
    const json::parser_callback_t depthGuard = [&](int depth, json::parse_event_t, json &) {
        tooDeep = tooDeep || depth > maximumDepth;
        return !tooDeep;
    };
    json document;
    try {
        document = json::parse(text, depthGuard);
    } catch (const json::exception &fault) {
        if (!tooDeep)
            throw GraphFileError(fileName + ": invalid JSON: " + withoutExceptionTag(fault.what()));
    }
    if (tooDeep)
        throw GraphFileError(fileName + ": nested deeper than " + std::to_string(maximumDepth) +
                             " levels");
    return GraphFileReader(fileName, std::move(now)).read(document);
}

// Reads at most one byte past the limit, so a huge (or endless) file is refused without being
// read whole.
std::string GraphFile::readText(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw GraphFileError(path + ": cannot open file: " + std::strerror(errno));
    std::string text;
    std::string block(64 * 1024, '\0');
    while (text.size() <= maximumSize) {
        file.read(block.data(), std::streamsize(block.size()));
        text.append(block.data(), std::size_t(file.gcount()));
        if (file.bad())
            throw GraphFileError(path + ": cannot read file");
        if (!file)
            break;
    }
    if (text.size() > maximumSize)
        throw GraphFileError(path + ": file is larger than the limit of " +
                             std::to_string(maximumSize) + " bytes");
    return text;
}
