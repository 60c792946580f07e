// Threads behind handles: a thread started by CreateThread, or the first thread of a process
// started by CreateProcessA. A thread handle is signalled once the thread has ended.
#pragma once

#include <atomic>
#include <cstdint>

#include "kernel/kernel_object.h"

namespace mfpwin {

class ThreadLike : public KernelObject {
public:
    // STILL_ACTIVE while the thread runs.
    virtual DWORD ExitCode() = 0;
};

class ThreadObject : public ThreadLike {
public:
    explicit ThreadObject(bool suspended) : resumed_(suspended ? 0 : 1) {}

    // Called on the new thread: makes its id known, then waits until it may run.
    void Started(DWORD threadId);
    void WaitUntilResumed();
    // The previous suspend count (1 for a thread created suspended and not yet resumed).
    DWORD Resume();
    void Finish(DWORD exitCode);

    // Waits until the new thread has reported its id.
    DWORD ThreadId();

    bool IsSignaled() override { return finished_.load() != 0; }
    bool WaitUntil(const Deadline &deadline) override;
    DWORD ExitCode() override { return exitCode_.load(); }

private:
    std::atomic<uint32_t> started_{0};
    std::atomic<uint32_t> resumed_;
    std::atomic<uint32_t> finished_{0};
    std::atomic<uint32_t> exitCode_{259};  // STILL_ACTIVE
    std::atomic<uint32_t> threadId_{0};
};

}  // namespace mfpwin
