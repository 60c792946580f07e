// Waiting on a 32-bit word, within a process or across processes when the word lives in shared
// memory.
#pragma once

#include <atomic>
#include <cstdint>

#include "kernel/kernel_object.h"

namespace mfpwin {

// Sleeps while *word equals expected, until woken or the deadline passes. Returns false only
// when the deadline has passed; wake-ups may be spurious, so callers re-check their condition.
bool FutexWait(std::atomic<uint32_t> *word, uint32_t expected, const Deadline &deadline);
void FutexWake(std::atomic<uint32_t> *word, int waiters);

// Waits until acquire() succeeds: acquire() is retried whenever the word changes away from
// idleValue. Returns false when the deadline passes first.
template <typename Acquire>
bool FutexWaitFor(std::atomic<uint32_t> *word, uint32_t idleValue, const Deadline &deadline, Acquire acquire)
{
    for (;;) {
        if (acquire())
            return true;
        if (!FutexWait(word, idleValue, deadline))
            return acquire();
    }
}

}  // namespace mfpwin
