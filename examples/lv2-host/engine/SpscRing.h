#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

// A fixed-capacity ring of samples with one writer thread and one reader thread. All storage is
// allocated by the constructor; pushing and popping never allocate, lock or make a system call.
//
// Why the crossing is safe: each index is written by one thread only. The writer stores the
// samples, then publishes them with a release store of writeIndex; the reader's acquire load of
// writeIndex therefore sees the samples. The same holds the other way for readIndex, so the
// writer never overwrites samples the reader has not consumed.
class SpscRing
{
public:
    explicit SpscRing(size_t capacity)
        : storage(std::make_unique<float[]>(capacity + 1)), size(capacity + 1)
    {}

    size_t readable() const
    {
        const size_t write = writeIndex.load(std::memory_order_acquire);
        const size_t read = readIndex.load(std::memory_order_relaxed);
        return (write + size - read) % size;
    }
    size_t writable() const
    {
        const size_t write = writeIndex.load(std::memory_order_relaxed);
        const size_t read = readIndex.load(std::memory_order_acquire);
        return (read + size - write - 1) % size;
    }

    // Writer side: copies as many of count samples as fit; returns how many.
    size_t push(const float *samples, size_t count)
    {
        count = std::min(count, writable());
        size_t write = writeIndex.load(std::memory_order_relaxed);
        for (size_t i = 0; i < count; ++i) {
            storage[write] = samples[i];
            write = write + 1 == size ? 0 : write + 1;
        }
        writeIndex.store(write, std::memory_order_release);
        return count;
    }

    // Reader side: copies up to count samples; returns how many.
    size_t pop(float *samples, size_t count)
    {
        count = std::min(count, readable());
        size_t read = readIndex.load(std::memory_order_relaxed);
        for (size_t i = 0; i < count; ++i) {
            samples[i] = storage[read];
            read = read + 1 == size ? 0 : read + 1;
        }
        readIndex.store(read, std::memory_order_release);
        return count;
    }

private:
    std::unique_ptr<float[]> storage;
    const size_t size;
    std::atomic<size_t> writeIndex{0};
    std::atomic<size_t> readIndex{0};
};
