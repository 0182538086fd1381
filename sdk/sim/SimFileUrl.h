#pragma once

#include <optional>
#include <string>

// Turns what a player is asked to load into a local path.
class SimFileUrl
{
public:
    // A file:// URL (empty or "localhost" host, percent-encoded path) gives its decoded path;
    // text without "://" is taken as a plain path, unchanged. Other schemes, other hosts,
    // broken escapes and encoded NUL bytes give nothing.
    static std::optional<std::string> toPath(const std::string &urlOrPath);

private:
    static std::optional<std::string> percentDecoded(const std::string &text);
};
