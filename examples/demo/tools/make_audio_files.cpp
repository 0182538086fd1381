// Writes the demo's bundled audio files into the folder given on the command line.
#include "sim/SimAudioFile.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    struct File
    {
        const char *name;
        double seconds;
        NQCodec format;
    };
    const File files[] = {{"Tone 440.wav", 4.0, NQCodec::wav},
                          {"Long Tone.flac", 12.0, NQCodec::flac},
                          {"Short Tone.aiff", 1.5, NQCodec::aiff}};
    for (const File &file : files) {
        const std::string path = (folder / file.name).string();
        if (!SimAudioFile::writeTone(path, file.seconds, file.format)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
