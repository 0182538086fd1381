#include "OfflineRenderer.h"

#include "Lv2Chain.h"

#include <sndfile.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using File = std::unique_ptr<SNDFILE, int (*)(SNDFILE *)>;

File openInput(const std::string &path, SF_INFO &info)
{
    File file(sf_open(path.c_str(), SFM_READ, &info), sf_close);
    if (!file)
        throw std::runtime_error("cannot read the audio file " + path + ": " +
                                 sf_strerror(nullptr));
    return file;
}

} // namespace

double OfflineRenderer::sampleRateOf(const std::string &inputPath)
{
    SF_INFO info{};
    openInput(inputPath, info);
    return info.samplerate;
}

void OfflineRenderer::render(Lv2Chain &chain, const std::string &inputPath,
                             const std::string &outputPath)
{
    SF_INFO inInfo{};
    const File input = openInput(inputPath, inInfo);
    SF_INFO outInfo{};
    outInfo.samplerate = inInfo.samplerate;
    outInfo.channels = chain.outputChannelCount();
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    const std::string partial = outputPath + ".part";
    File output(sf_open(partial.c_str(), SFM_WRITE, &outInfo), sf_close);
    if (!output)
        throw std::runtime_error("cannot write the audio file " + outputPath + ": " +
                                 sf_strerror(nullptr));

    const size_t inChannels = size_t(inInfo.channels);
    const size_t outChannels = size_t(outInfo.channels);
    std::vector<float> block(blockLength * inChannels), result(blockLength * outChannels);
    bool written = true;
    sf_count_t frames;
    while (written && (frames = sf_readf_float(input.get(), block.data(), blockLength)) > 0) {
        for (size_t c = 0; c < size_t(chain.inputChannelCount()); ++c)
            for (sf_count_t f = 0; f < frames; ++f)
                chain.input(int(c))[f] = block[size_t(f) * inChannels + c % inChannels];
        chain.process(uint32_t(frames));
        for (size_t c = 0; c < outChannels; ++c)
            for (sf_count_t f = 0; f < frames; ++f)
                result[size_t(f) * outChannels + c] = chain.output(int(c))[f];
        written = sf_writef_float(output.get(), result.data(), frames) == frames;
    }
    written = sf_close(output.release()) == 0 && written;
    std::error_code error;
    if (written)
        std::filesystem::rename(partial, outputPath, error);
    if (!written || error) {
        std::filesystem::remove(partial, error);
        throw std::runtime_error("cannot write the audio file " + outputPath);
    }
}
