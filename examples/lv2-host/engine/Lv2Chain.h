#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class Lv2Plugin;

// Plugins in series. Each plugin's audio inputs read the previous stage's outputs (channel i
// from channel i modulo their count, so a mono plugin after a stereo one reads the left channel
// and a stereo one after a mono one reads it twice); a plugin without audio outputs passes the
// signal on untouched. All buffers are allocated and connected here, once, so process() only
// runs the plugins.
class Lv2Chain
{
public:
    // Throws std::invalid_argument for an empty chain.
    Lv2Chain(std::vector<std::shared_ptr<Lv2Plugin>> plugins, uint32_t maxBlockLength);

    const std::vector<std::shared_ptr<Lv2Plugin>> &plugins() const { return stages; }
    uint32_t maxBlockLength() const { return maxBlock; }

    // The buffers the caller fills before process() and reads after it.
    int inputChannelCount() const { return int(inputs.size()); }
    int outputChannelCount() const { return int(outputs.size()); }
    float *input(int channel) const { return inputs[size_t(channel)]; }
    const float *output(int channel) const { return outputs[size_t(channel)]; }

    // Audio thread: runs every plugin once over frames (at most maxBlockLength()).
    void process(uint32_t frames);

private:
    float *newBuffer();

    std::vector<std::shared_ptr<Lv2Plugin>> stages;
    uint32_t maxBlock;
    std::vector<std::unique_ptr<float[]>> buffers;
    std::vector<float *> inputs;
    std::vector<float *> outputs;
};
