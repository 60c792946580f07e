#include "kernel/thread_object.h"

#include <climits>

#include "kernel/futex.h"

namespace mfpwin {

void ThreadObject::Started(DWORD threadId)
{
    threadId_.store(threadId);
    started_.store(1);
    FutexWake(&started_, INT_MAX);
}

void ThreadObject::WaitUntilResumed()
{
    FutexWaitFor(&resumed_, 0, std::nullopt, [this] { return resumed_.load() != 0; });
}

DWORD ThreadObject::Resume()
{
    if (resumed_.exchange(1) != 0)
        return 0;
    FutexWake(&resumed_, INT_MAX);
    return 1;
}

void ThreadObject::Finish(DWORD exitCode)
{
    exitCode_.store(exitCode);
    finished_.store(1);
    FutexWake(&finished_, INT_MAX);
}

DWORD ThreadObject::ThreadId()
{
    FutexWaitFor(&started_, 0, std::nullopt, [this] { return started_.load() != 0; });
    return threadId_.load();
}

bool ThreadObject::WaitUntil(const Deadline &deadline)
{
    return FutexWaitFor(&finished_, 0, deadline, [this] { return IsSignaled(); });
}

}  // namespace mfpwin
