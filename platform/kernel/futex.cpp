#include "kernel/futex.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace mfpwin {

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t), "futex words are plain 32-bit words");

bool FutexWait(std::atomic<uint32_t> *word, uint32_t expected, const Deadline &deadline)
{
    timespec relative{};
    timespec *timeout = nullptr;
    if (deadline) {
        auto remaining = *deadline - std::chrono::steady_clock::now();
        if (remaining <= std::chrono::steady_clock::duration::zero())
            return false;
        auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(remaining).count();
        relative.tv_sec = static_cast<time_t>(nanoseconds / 1000000000);
        relative.tv_nsec = static_cast<long>(nanoseconds % 1000000000);
        timeout = &relative;
    }
    // Not the private form: the word may sit in memory shared with other processes.
    long result = syscall(SYS_futex, reinterpret_cast<uint32_t *>(word), FUTEX_WAIT, expected, timeout, nullptr, 0);
    if (result == -1 && errno == ETIMEDOUT)
        return false;
    return true;
}

void FutexWake(std::atomic<uint32_t> *word, int waiters)
{
    syscall(SYS_futex, reinterpret_cast<uint32_t *>(word), FUTEX_WAKE, waiters, nullptr, nullptr, 0);
}

}  // namespace mfpwin
