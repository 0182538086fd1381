#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// One control port of a running plugin. The plugin reads or writes `value`, which only the
// thread that runs the plugin touches. `shared` is where the other threads meet it: the main
// thread stores a new input value into it and the audio thread loads it at the start of the next
// block; for an output the audio thread stores what the plugin wrote after each block and the
// main thread loads it once per display frame. A lock-free atomic float is all either side
// touches, so neither waits for the other; relaxed order suffices because each port is a single
// value that depends on nothing else.
struct Lv2ControlPort
{
    uint32_t index = 0;
    std::string symbol;
    float minimum = 0;
    float maximum = 1;
    float defaultValue = 0;
    bool output = false;
    std::atomic<float> shared{0};
    float value = 0;

    static_assert(std::atomic<float>::is_always_lock_free);
};
