#include "RecorderStream.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

constexpr double ringSeconds = 1.0;
constexpr size_t writeSamples = 8192;

int formatOf(NQCodec codec)
{
    switch (codec) {
    case NQCodec::wav:
        return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    case NQCodec::aiff:
        return SF_FORMAT_AIFF | SF_FORMAT_PCM_24;
    case NQCodec::flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
    case NQCodec::caf:
        return SF_FORMAT_CAF | SF_FORMAT_FLOAT;
    }
    return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
}

} // namespace

RecorderStream::RecorderStream(int channels, double sampleRate, uint32_t maxBlockLength)
    : channelCount(channels), ring(size_t(sampleRate * ringSeconds) * size_t(channels)),
      interleaved(std::make_unique<float[]>(size_t(maxBlockLength) * size_t(channels))),
      maxBlock(maxBlockLength)
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "nequora-recording-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        throw std::runtime_error("cannot make a temporary file for the recording");
    temporaryPath = pattern;
    SF_INFO info{};
    info.samplerate = int(sampleRate);
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (!file) {
        std::remove(temporaryPath.c_str());
        throw std::runtime_error("cannot write the temporary recording " + temporaryPath);
    }
    worker = std::thread([this] { drain(); });
}

RecorderStream::~RecorderStream()
{
    stopWorker();
    if (file)
        sf_close(file);
    std::remove(temporaryPath.c_str());
}

void RecorderStream::write(const float *const *channels, uint32_t frames)
{
    frames = std::min(frames, maxBlock);
    for (uint32_t frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channelCount; ++channel)
            interleaved[size_t(frame) * size_t(channelCount) + size_t(channel)] =
                channels[channel][frame];
    const size_t samples = size_t(frames) * size_t(channelCount);
    const size_t kept = ring.push(interleaved.get(), samples);
    if (kept < samples)
        dropped.fetch_add(int64_t((samples - kept) / size_t(channelCount)),
                          std::memory_order_relaxed);
}

void RecorderStream::drain()
{
    std::vector<float> block(writeSamples - writeSamples % size_t(channelCount));
    for (;;) {
        // Read the flag first: once it is set the audio thread has stopped writing, so one more
        // pass empties the ring for good.
        const bool last = stopping.load();
        size_t got;
        while ((got = ring.pop(block.data(), block.size())) > 0)
            sf_writef_float(file, block.data(), sf_count_t(got / size_t(channelCount)));
        if (last)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void RecorderStream::stopWorker()
{
    if (!worker.joinable())
        return;
    stopping.store(true);
    worker.join();
}

bool RecorderStream::finishInto(const std::string &path, NQCodec format)
{
    stopWorker();
    sf_close(file);
    file = nullptr;
    SF_INFO recorded{};
    SNDFILE *source = sf_open(temporaryPath.c_str(), SFM_READ, &recorded);
    if (!source)
        return false;
    SF_INFO target = recorded;
    target.format = formatOf(format);
    const std::string partial = path + ".part";
    SNDFILE *destination = sf_open(partial.c_str(), SFM_WRITE, &target);
    bool written = destination != nullptr;
    std::vector<float> block(writeSamples - writeSamples % size_t(channelCount));
    const auto frames = sf_count_t(block.size() / size_t(channelCount));
    sf_count_t got;
    while (written && (got = sf_readf_float(source, block.data(), frames)) > 0)
        written = sf_writef_float(destination, block.data(), got) == got;
    sf_close(source);
    if (destination)
        written = sf_close(destination) == 0 && written;
    std::error_code error;
    if (written)
        std::filesystem::rename(partial, path, error);
    if (!written || error)
        std::filesystem::remove(partial, error);
    return written && !error;
}
