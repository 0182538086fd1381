#pragma once

#include <cstdint>

// Counts the allocations the calling thread makes while it is armed. The test binary replaces
// malloc and friends (operator new under AddressSanitizer, which owns malloc there), so the
// plugins' own allocations are counted too.
struct AllocationCounter
{
    static void arm(bool armed);
    static int64_t count();
};
