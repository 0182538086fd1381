// Writes the one-second 1 kHz sine the command-line checks feed the host.
#include "TestAudio.h"

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    TestAudio::writeSine(argv[1], 48000, 1.0, 0.25);
    return 0;
}
