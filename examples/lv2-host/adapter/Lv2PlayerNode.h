#pragma once

#include "NQEngineNode.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

class BlockSequence;
class PlayerStream;

// The player of a rack: plays one audio file into the chain's inputs. The main thread makes a
// PlayerStream per file and hands it to the audio thread through an atomic pointer; the old
// one is freed only after BlockSequence says no block still reads it. Position and state cross
// as atomics.
class Lv2PlayerNode : public NQEngineNode
{
public:
    Lv2PlayerNode(const BlockSequence &blocks, int channels, double sampleRate, uint32_t maxBlock);
    ~Lv2PlayerNode() override;

    // A file that cannot be read leaves the player as it was and gives false.
    bool load(const std::string &absoluteUrl) override;
    bool isPlaying() const override { return playing.load(); }
    // At the end of the file, playing starts again from the beginning.
    void play() override;
    void pause() override { playing.store(false); }
    double position() const override { return double(framesPlayed.load()) / rate; }
    double duration() const override { return double(frameCount) / rate; }

    bool isRecording() const override { return false; }
    void start() override {}
    bool stop(const std::string &, NQCodec) override { return false; }

    // Audio thread: the next frames of the file into channels (silence when not playing).
    void render(float *const *channels, uint32_t frames);

private:
    bool open(const std::string &path);
    void replace(std::unique_ptr<PlayerStream> stream);

    const BlockSequence &blocks;
    const int channelCount;
    const double rate;
    const uint32_t maxBlock;
    std::string path;
    int64_t frameCount = 0;
    std::unique_ptr<PlayerStream> owned;
    std::atomic<PlayerStream *> current{nullptr};
    // Lock-free atomics both threads read and write: play and pause on the main thread, the
    // end of the file on the audio thread; a position the view reads once per frame.
    std::atomic<bool> playing{false};
    std::atomic<int64_t> framesPlayed{0};
};
