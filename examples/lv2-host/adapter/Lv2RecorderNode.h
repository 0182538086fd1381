#pragma once

#include "NQEngineNode.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

class BlockSequence;
class RecorderStream;

// The recorder of a rack: records the chain's output between start() and stop(). Its
// RecorderStream crosses to the audio thread as the player's stream does.
class Lv2RecorderNode : public NQEngineNode
{
public:
    Lv2RecorderNode(const BlockSequence &blocks, int channels, double sampleRate,
                    uint32_t maxBlock);
    ~Lv2RecorderNode() override;

    bool load(const std::string &) override { return false; }
    bool isPlaying() const override { return false; }
    void play() override {}
    void pause() override {}
    double position() const override { return 0; }
    double duration() const override { return 0; }

    bool isRecording() const override { return bool(owned); }
    // Starting while recording changes nothing.
    void start() override;
    // Ends the recording and writes it at filePath; false when nothing was recording or the
    // file could not be written (then nothing is left at filePath).
    bool stop(const std::string &filePath, NQCodec format) override;

    // Audio thread.
    void capture(const float *const *channels, uint32_t frames);

private:
    std::unique_ptr<RecorderStream> detach();

    const BlockSequence &blocks;
    const int channelCount;
    const double rate;
    const uint32_t maxBlock;
    std::unique_ptr<RecorderStream> owned;
    std::atomic<RecorderStream *> current{nullptr};
};
