#pragma once

#include <cstdint>
#include <string>

class Lv2Chain;

// Runs an audio file through a chain block by block on the calling thread, with the same
// per-block code the audio thread runs live, and writes a float WAV file of the input's length
// and sample rate (the chain's output channels). The output appears under its name only once it
// is complete; a failure leaves nothing behind.
class OfflineRenderer
{
public:
    static constexpr uint32_t blockLength = 512;

    OfflineRenderer() = delete;

    // The sample rate of an input file, to build the chain with. Throws std::runtime_error
    // naming the file when it cannot be read.
    static double sampleRateOf(const std::string &inputPath);
    // Throws std::runtime_error naming the file that cannot be read or written.
    static void render(Lv2Chain &chain, const std::string &inputPath,
                       const std::string &outputPath);
};
