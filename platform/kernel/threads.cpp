// CreateThread, ResumeThread, GetExitCodeThread and the current thread's identity.
#include <algorithm>
#include <climits>
#include <pthread.h>
#include <unistd.h>

#include "kernel/thread_object.h"

namespace {

struct ThreadStart {
    std::shared_ptr<mfpwin::ThreadObject> thread;
    LPTHREAD_START_ROUTINE routine;
    LPVOID parameter;
};

void *RunThread(void *argument)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart *>(argument));
    start->thread->Started(static_cast<DWORD>(gettid()));
    start->thread->WaitUntilResumed();
    DWORD exitCode = start->routine(start->parameter);
    start->thread->Finish(exitCode);
    return nullptr;
}

}  // namespace

MFPAPI HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T stackSize, LPTHREAD_START_ROUTINE startAddress,
                           LPVOID parameter, DWORD creationFlags, LPDWORD threadId)
{
    if (!startAddress) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto thread = std::make_shared<mfpwin::ThreadObject>((creationFlags & CREATE_SUSPENDED) != 0);
    auto start = std::make_unique<ThreadStart>(ThreadStart{thread, startAddress, parameter});

    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    if (stackSize != 0)
        pthread_attr_setstacksize(&attributes, std::max<SIZE_T>(stackSize, PTHREAD_STACK_MIN));
    pthread_t posixThread;
    int error = pthread_create(&posixThread, &attributes, RunThread, start.get());
    pthread_attr_destroy(&attributes);
    if (error != 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    start.release();  // the new thread owns it now

    if (threadId)
        *threadId = thread->ThreadId();
    return mfpwin::InsertHandle(thread);
}

MFPAPI DWORD ResumeThread(HANDLE thread)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::ThreadObject>(thread);
    if (!object)
        return static_cast<DWORD>(-1);
    return object->Resume();
}

MFPAPI BOOL GetExitCodeThread(HANDLE thread, LPDWORD exitCode)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::ThreadLike>(thread);
    if (!object)
        return FALSE;
    if (!exitCode) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *exitCode = object->ExitCode();
    return TRUE;
}

MFPAPI HANDLE GetCurrentThread(void) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-2)); }

MFPAPI DWORD GetCurrentThreadId(void) { return static_cast<DWORD>(gettid()); }
