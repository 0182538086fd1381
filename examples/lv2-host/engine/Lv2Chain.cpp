#include "Lv2Chain.h"

#include "Lv2Plugin.h"

#include <stdexcept>

Lv2Chain::Lv2Chain(std::vector<std::shared_ptr<Lv2Plugin>> plugins, uint32_t maxBlockLength)
    : stages(std::move(plugins)), maxBlock(maxBlockLength)
{
    if (stages.empty())
        throw std::invalid_argument("a chain needs at least one plugin");
    size_t channels = 1;
    for (const auto &stage : stages)
        if (!stage->audioInputs().empty()) {
            channels = stage->audioInputs().size();
            break;
        }
    for (size_t i = 0; i < channels; ++i)
        inputs.push_back(newBuffer());

    std::vector<float *> signal = inputs;
    for (const auto &stage : stages) {
        const auto &ins = stage->audioInputs();
        for (size_t i = 0; i < ins.size(); ++i)
            stage->connectAudio(ins[i], signal[i % signal.size()]);
        if (stage->audioOutputs().empty())
            continue;
        std::vector<float *> produced;
        for (uint32_t port : stage->audioOutputs()) {
            produced.push_back(newBuffer());
            stage->connectAudio(port, produced.back());
        }
        signal = std::move(produced);
    }
    outputs = std::move(signal);
}

float *Lv2Chain::newBuffer()
{
    buffers.push_back(std::make_unique<float[]>(maxBlock));
    return buffers.back().get();
}

void Lv2Chain::process(uint32_t frames)
{
    for (const auto &stage : stages)
        stage->process(frames);
}
