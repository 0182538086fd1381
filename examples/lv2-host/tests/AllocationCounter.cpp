#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

thread_local bool armed = false;
std::atomic<int64_t> counted{0};

void note()
{
    if (armed)
        counted.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

void AllocationCounter::arm(bool on)
{
    armed = on;
}

int64_t AllocationCounter::count()
{
    return counted.load();
}

#if defined(__SANITIZE_ADDRESS__)

void *operator new(size_t size)
{
    note();
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void *operator new[](size_t size)
{
    return operator new(size);
}
void operator delete(void *memory) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory) noexcept
{
    std::free(memory);
}
void operator delete(void *memory, size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory, size_t) noexcept
{
    std::free(memory);
}

#else

extern "C" {
void *__libc_malloc(size_t);
void *__libc_calloc(size_t, size_t);
void *__libc_realloc(void *, size_t);
void *__libc_memalign(size_t, size_t);
void __libc_free(void *);

void *malloc(size_t size)
{
    note();
    return __libc_malloc(size);
}
void *calloc(size_t count, size_t size)
{
    note();
    return __libc_calloc(count, size);
}
void *realloc(void *memory, size_t size)
{
    note();
    return __libc_realloc(memory, size);
}
void *memalign(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
void *aligned_alloc(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void **memory, size_t alignment, size_t size)
{
    note();
    *memory = __libc_memalign(alignment, size);
    return *memory ? 0 : 12; // ENOMEM
}
void free(void *memory)
{
    __libc_free(memory);
}
}

#endif
