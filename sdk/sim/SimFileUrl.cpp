#include "sim/SimFileUrl.h"

#include <algorithm>
#include <cctype>

namespace {

bool startsWithFileScheme(const std::string &text)
{
    static const std::string scheme = "file://";
    if (text.size() < scheme.size())
        return false;
    return std::equal(scheme.begin(), scheme.end(), text.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

} // namespace

std::optional<std::string> SimFileUrl::toPath(const std::string &urlOrPath)
{
    if (urlOrPath.empty())
        return std::nullopt;
    if (!startsWithFileScheme(urlOrPath)) {
        if (urlOrPath.find("://") != std::string::npos)
            return std::nullopt;
        return urlOrPath;
    }
    std::string rest = urlOrPath.substr(7);
    // A query or fragment is not part of the file's name.
    rest = rest.substr(0, rest.find_first_of("?#"));
    const auto slash = rest.find('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string host = rest.substr(0, slash);
    if (!host.empty() && host != "localhost")
        return std::nullopt;
    return percentDecoded(rest.substr(slash));
}

std::optional<std::string> SimFileUrl::percentDecoded(const std::string &text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const char byte = static_cast<char>(high * 16 + low);
        if (byte == '\0')
            return std::nullopt;
        decoded += byte;
        i += 2;
    }
    return decoded;
}
