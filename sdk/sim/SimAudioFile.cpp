#include "sim/SimAudioFile.h"

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <vector>

namespace {

struct SndfileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SndfilePointer = std::unique_ptr<SNDFILE, SndfileCloser>;

// Writes in blocks so a long recording never needs its whole length in memory.
constexpr int64_t blockFrames = 4096;
constexpr double toneAmplitude = 0.25;

bool writeFrames(SNDFILE *file, int64_t frames, int sampleRate, double frequency)
{
    std::vector<float> block(blockFrames);
    const double step = 2.0 * std::numbers::pi * frequency / sampleRate;
    for (int64_t written = 0; written < frames;) {
        const int64_t count = std::min(blockFrames, frames - written);
        for (int64_t i = 0; i < count; ++i)
            block[i] = float(toneAmplitude * std::sin(step * double(written + i)));
        if (sf_writef_float(file, block.data(), count) != count)
            return false;
        written += count;
    }
    return true;
}

} // namespace

std::optional<SimAudioFile::Info> SimAudioFile::read(const std::string &path)
{
    SF_INFO info{};
    const SndfilePointer file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.samplerate <= 0 || info.channels <= 0 || info.frames < 0)
        return std::nullopt;
    return Info{info.frames, info.samplerate, info.channels, info.format & SF_FORMAT_TYPEMASK};
}

bool SimAudioFile::writeTone(const std::string &path, double seconds, NQCodec format,
                             int sampleRate, double frequency)
{
    if (!std::isfinite(seconds) || seconds < 0 || sampleRate <= 0)
        return false;
    const double frames = std::round(seconds * sampleRate);
    // More than a day of audio is a mistake, not a recording.
    if (frames > 86400.0 * sampleRate)
        return false;
    return writeToneFrames(path, int64_t(frames), format, sampleRate, frequency);
}

bool SimAudioFile::writeToneFrames(const std::string &path, int64_t frames, NQCodec format,
                                   int sampleRate, double frequency)
{
    const auto container = containerOf(format);
    if (!container || frames < 0 || sampleRate <= 0 || !std::isfinite(frequency) || path.empty())
        return false;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = *container | SF_FORMAT_PCM_16;
    if (!sf_format_check(&info))
        return false;
    // Written beside the target and renamed over it only once complete, so a failed write
    // leaves whatever file was there before untouched.
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    fchmod(descriptor, 0644);
    SndfilePointer file(sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE));
    if (!file) {
        close(descriptor);
        std::remove(temporary.c_str());
        return false;
    }
    const bool written = writeFrames(file.get(), frames, sampleRate, frequency);
    const bool closed = sf_close(file.release()) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<int> SimAudioFile::containerOf(NQCodec format)
{
    switch (format) {
    case NQCodec::wav:
        return SF_FORMAT_WAV;
    case NQCodec::aiff:
        return SF_FORMAT_AIFF;
    case NQCodec::flac:
        return SF_FORMAT_FLAC;
    case NQCodec::caf:
        return SF_FORMAT_CAF;
    }
    return std::nullopt;
}

std::string SimAudioFile::nameOf(NQCodec format)
{
    switch (format) {
    case NQCodec::wav:
        return "wav";
    case NQCodec::aiff:
        return "aiff";
    case NQCodec::flac:
        return "flac";
    case NQCodec::caf:
        return "caf";
    }
    return "codec " + std::to_string(int(format));
}
