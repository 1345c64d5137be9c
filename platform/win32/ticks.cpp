#include "platform/seam.h"
#include "platform/win32/win32.h"

#include <time.h>

DWORD GetTickCount() {
    if (seam::HasTickSource())
        return seam::Ticks();
    // Milliseconds since the system started, wrapping at 2^32.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u +
                        static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<DWORD>(ms);
}
