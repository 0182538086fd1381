#pragma once

#include "NQCodec.h"

#include <cstdint>
#include <optional>
#include <string>

// Reads and writes real audio files with libsndfile: what the player loads, what the recorder
// writes, and small files for tests, the demo and benchmarks.
class SimAudioFile
{
public:
    struct Info
    {
        int64_t frames = 0;
        int sampleRate = 0;
        int channels = 0;
        // libsndfile's SF_FORMAT_* container bits (SF_FORMAT_TYPEMASK part).
        int container = 0;

        double duration() const { return sampleRate > 0 ? double(frames) / sampleRate : 0.0; }
    };

    // Nothing for a missing or unreadable file, or one without a usable sample rate.
    static std::optional<Info> read(const std::string &path);

    // Writes a mono sine of the given length (frequency 0 gives silence). False for a bad
    // length, rate or format, or a path that cannot be written. The file appears whole or not
    // at all: a failed write leaves an earlier file at the path untouched.
    static bool writeTone(const std::string &path, double seconds, NQCodec format = NQCodec::wav,
                          int sampleRate = 48000, double frequency = 440.0);
    static bool writeToneFrames(const std::string &path, int64_t frames, NQCodec format,
                                int sampleRate, double frequency);

    // libsndfile's container bits for a codec, or nothing for a value outside the enumeration.
    static std::optional<int> containerOf(NQCodec format);
    static std::string nameOf(NQCodec format);
};
