#pragma once

// Snapshot of the audio session; latencies and the buffer duration are in seconds.
struct AudioSessionState
{
    double sampleRate = 0;
    double inputLatency = 0;
    double outputLatency = 0;
    double IOBufferDuration = 0;
};
