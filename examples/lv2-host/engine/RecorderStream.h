#pragma once

#include "NQCodec.h"
#include "SpscRing.h"

#include <sndfile.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

// One recording: the audio thread copies the chain's output into a ring, a worker thread drains
// it into a temporary float WAV file, and finishInto() writes the file the user asked for, in
// the format asked for, under a temporary name renamed into place only once it is complete.
class RecorderStream
{
public:
    // Throws std::runtime_error when no temporary file can be made.
    RecorderStream(int channels, double sampleRate, uint32_t maxBlock);
    ~RecorderStream();
    RecorderStream(const RecorderStream &) = delete;
    RecorderStream &operator=(const RecorderStream &) = delete;

    // Audio thread: keeps frames (at most maxBlock) of the given channels. Frames that find the
    // ring full are counted in droppedFrames() rather than waited for.
    void write(const float *const *channels, uint32_t frames);
    int64_t droppedFrames() const { return dropped.load(std::memory_order_relaxed); }

    // Main thread, once the audio thread no longer writes: stores the recording at path.
    bool finishInto(const std::string &path, NQCodec format);

private:
    void drain();
    void stopWorker();

    std::string temporaryPath;
    SNDFILE *file = nullptr;
    const int channelCount;
    SpscRing ring;
    std::unique_ptr<float[]> interleaved;
    const uint32_t maxBlock;
    // Counted by the audio thread, read by anyone: a lock-free counter.
    std::atomic<int64_t> dropped{0};
    // Main thread to worker only, set once the audio thread no longer writes.
    std::atomic<bool> stopping{false};
    std::thread worker;
};
