#pragma once

#include "SpscRing.h"

#include <sndfile.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// One audio file being played: a worker thread reads it with libsndfile and keeps a ring of
// about half a second of samples full, already spread over the chain's channels; the audio
// thread only copies samples out of the ring. The file plays at the host's sample rate.
class PlayerStream
{
public:
    // Throws std::runtime_error naming the file when libsndfile cannot read it.
    PlayerStream(const std::string &path, int channels, double sampleRate, uint32_t maxBlock);
    ~PlayerStream();
    PlayerStream(const PlayerStream &) = delete;
    PlayerStream &operator=(const PlayerStream &) = delete;

    int64_t frameCount() const { return info.frames; }

    // Audio thread: copies up to frames (at most maxBlock) into the channel buffers; returns how
    // many it had. The rest is left for the caller to fill.
    uint32_t read(float *const *channels, uint32_t frames);
    // True once every frame of the file has been read out.
    bool finished() const;

private:
    void fill();

    SF_INFO info{};
    SNDFILE *file = nullptr;
    const int channelCount;
    SpscRing ring;
    std::unique_ptr<float[]> interleaved;
    const uint32_t maxBlock;
    // Set by the worker after its last push (release), read by the audio thread (acquire): once
    // it reads true and the ring is empty, no sample of the file is still to come.
    std::atomic<bool> endOfFile{false};
    // Main thread to worker only; the audio thread never touches it.
    std::atomic<bool> stopping{false};
    std::thread worker;
};
