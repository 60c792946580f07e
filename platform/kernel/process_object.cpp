#include "kernel/process_object.h"

#include <cerrno>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace mfpwin {

namespace {

// Called through syscall(): the C library's declarations of these lack C linkage in C++.
int PidFdOpen(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }
int PidFdKill(int pidFd) { return static_cast<int>(syscall(SYS_pidfd_send_signal, pidFd, SIGKILL, nullptr, 0)); }

}  // namespace

std::shared_ptr<ProcessObject> ProcessObject::Open(pid_t pid, bool isChild)
{
    int pidFd = PidFdOpen(pid);
    if (pidFd < 0)
        return nullptr;
    return std::make_shared<ProcessObject>(pid, pidFd, isChild);
}

ProcessObject::~ProcessObject()
{
    close(pidFd_);
    if (isChild_ && !exitCode_) {
        // Nobody waits any more: reap the child when it ends so that it leaves no zombie.
        pid_t pid = pid_;
        std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    }
}

void ProcessObject::ReapIfEnded()
{
    std::lock_guard lock(mutex_);
    if (exitCode_)
        return;
    pollfd ready{pidFd_, POLLIN, 0};
    if (poll(&ready, 1, 0) <= 0)
        return;
    if (!isChild_) {
        exitCode_ = terminateCode_.value_or(0);
        return;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return;
    if (terminateCode_)
        exitCode_ = *terminateCode_;
    else if (WIFEXITED(status))
        exitCode_ = static_cast<DWORD>(WEXITSTATUS(status));
    else
        exitCode_ = 128u + static_cast<DWORD>(WTERMSIG(status));
}

bool ProcessObject::IsSignaled()
{
    ReapIfEnded();
    std::lock_guard lock(mutex_);
    return exitCode_.has_value();
}

bool ProcessObject::WaitUntil(const Deadline &deadline)
{
    for (;;) {
        if (IsSignaled())
            return true;
        int timeout = -1;
        if (deadline) {
            auto remaining = std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now()).count();
            if (remaining <= 0)
                return IsSignaled();
            timeout = static_cast<int>(std::min<long long>(remaining, 1000 * 60 * 60));
        }
        pollfd ready{pidFd_, POLLIN, 0};
        poll(&ready, 1, timeout);
    }
}

DWORD ProcessObject::ExitCode()
{
    ReapIfEnded();
    std::lock_guard lock(mutex_);
    return exitCode_.value_or(259);  // STILL_ACTIVE
}

bool ProcessObject::Terminate(DWORD exitCode)
{
    if (IsSignaled())
        return false;
    std::lock_guard lock(mutex_);
    terminateCode_ = exitCode;
    return PidFdKill(pidFd_) == 0;
}

}  // namespace mfpwin
