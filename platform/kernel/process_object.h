// Processes behind handles: one this process started (its exit code is known once it has
// ended) or any other process opened by its id (its exit code reads as 0 once it has ended,
// or as the code given to TerminateProcess).
// A process handle is signalled once the process has ended.
#pragma once

#include <mutex>
#include <optional>
#include <sys/types.h>

#include "kernel/thread_object.h"

namespace mfpwin {

class ProcessObject : public KernelObject {
public:
    // Takes ownership of pidFd. isChild: started by this process, so it is reaped here.
    ProcessObject(pid_t pid, int pidFd, bool isChild) : pid_(pid), pidFd_(pidFd), isChild_(isChild) {}
    ~ProcessObject() override;
    ProcessObject(const ProcessObject &) = delete;
    ProcessObject &operator=(const ProcessObject &) = delete;

    // Null with errno set when there is no such process.
    static std::shared_ptr<ProcessObject> Open(pid_t pid, bool isChild);

    pid_t Pid() const { return pid_; }
    bool IsSignaled() override;
    bool WaitUntil(const Deadline &deadline) override;
    // STILL_ACTIVE while the process runs. A process ended by a signal reports 128 + the
    // signal number, unless TerminateProcess gave it an exit code.
    DWORD ExitCode();
    // False when the process has already ended.
    bool Terminate(DWORD exitCode);

private:
    void ReapIfEnded();

    pid_t pid_;
    int pidFd_;
    bool isChild_;
    std::mutex mutex_;
    std::optional<DWORD> exitCode_;
    std::optional<DWORD> terminateCode_;
};

// The first thread of a started process: it ends with the process and has its exit code.
class MainThreadObject : public ThreadLike {
public:
    explicit MainThreadObject(std::shared_ptr<ProcessObject> process) : process_(std::move(process)) {}
    bool IsSignaled() override { return process_->IsSignaled(); }
    bool WaitUntil(const Deadline &deadline) override { return process_->WaitUntil(deadline); }
    DWORD ExitCode() override { return process_->ExitCode(); }

private:
    std::shared_ptr<ProcessObject> process_;
};

}  // namespace mfpwin
