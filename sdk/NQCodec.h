#pragma once

// Recording file formats; the numbers are part of the interface and never change.
enum class NQCodec : int
{
    wav = 0,
    aiff = 1,
    flac = 2,
    caf = 3
};
