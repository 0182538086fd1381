#pragma once

#include <sndfile.h>

#include <cmath>
#include <string>
#include <vector>

// Audio files for the host's tests: a sine to feed the chain, and the level of what came out.
struct TestAudio
{
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved

    static void writeSine(const std::string &path, int rate, double seconds, double amplitude)
    {
        SF_INFO info{0, rate, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0, 0};
        SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
        std::vector<float> sine(size_t(rate * seconds));
        for (size_t i = 0; i < sine.size(); ++i)
            sine[i] = float(amplitude * std::sin(2 * M_PI * 1000.0 * double(i) / rate));
        sf_writef_float(file, sine.data(), sf_count_t(sine.size()));
        sf_close(file);
    }

    static TestAudio read(const std::string &path)
    {
        SF_INFO info{};
        TestAudio audio;
        if (SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info)) {
            audio.rate = info.samplerate;
            audio.channels = info.channels;
            audio.samples.resize(size_t(info.frames * info.channels));
            sf_readf_float(file, audio.samples.data(), info.frames);
            sf_close(file);
        }
        return audio;
    }

    size_t frames() const { return channels ? samples.size() / size_t(channels) : 0; }

    // RMS in dB of the first channel over [from, to) seconds (to < 0: the end).
    static double rmsDb(const std::vector<float> &mono, int rate, double from, double to = -1)
    {
        const size_t begin = size_t(from * rate);
        const size_t end = to < 0 ? mono.size() : std::min(mono.size(), size_t(to * rate));
        double sum = 0;
        for (size_t i = begin; i < end; ++i)
            sum += double(mono[i]) * mono[i];
        return 10 * std::log10(sum / double(std::max<size_t>(end - begin, 1)));
    }

    std::vector<float> channel(int c) const
    {
        std::vector<float> result(frames());
        for (size_t f = 0; f < result.size(); ++f)
            result[f] = samples[f * size_t(channels) + size_t(c)];
        return result;
    }
};
