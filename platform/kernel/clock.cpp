// Sleep and the tick counts: milliseconds of the monotonic clock.
#include <chrono>
#include <thread>

#include "mfpwin/kernel.h"

MFPAPI void Sleep(DWORD milliseconds)
{
    if (milliseconds == INFINITE) {
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(24));
    }
    if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

MFPAPI ULONGLONG GetTickCount64(void)
{
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

// Wraps around after about 49.7 days, as on Windows.
MFPAPI DWORD GetTickCount(void) { return static_cast<DWORD>(GetTickCount64()); }
