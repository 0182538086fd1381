#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

// Lets the main thread swap what the audio thread reads (a player's stream, a recorder's stream,
// a plugin being restored) without the audio thread ever waiting.
//
// The audio thread counts up on entering and on leaving each block, so an odd count means "in a
// block". After publishing a change with a sequentially consistent store, the main thread calls
// waitForBlockBoundary(): once the count is even, or has moved on, no block that could have seen
// the old state is still running, and the old state may be freed. Only the main thread waits.
class BlockSequence
{
public:
    void enterBlock() { count.fetch_add(1, std::memory_order_seq_cst); }
    void leaveBlock() { count.fetch_add(1, std::memory_order_seq_cst); }

    void waitForBlockBoundary() const
    {
        const uint64_t seen = count.load(std::memory_order_seq_cst);
        if (seen % 2 == 0)
            return;
        while (count.load(std::memory_order_seq_cst) == seen)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }

private:
    std::atomic<uint64_t> count{0};
};
