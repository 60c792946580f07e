// CloseHandle and the waits on kernel objects.
#include <algorithm>
#include <thread>
#include <vector>

#include "kernel/kernel_object.h"

namespace {

constexpr DWORD MaximumWaitObjects = 64;

// Several objects of different kinds cannot share one sleep, so a wait on many polls them,
// sleeping a little longer each round up to a few milliseconds.
class PollPause {
public:
    void operator()()
    {
        std::this_thread::sleep_for(pause_);
        pause_ = std::min(pause_ * 2, std::chrono::microseconds(4000));
    }

private:
    std::chrono::microseconds pause_{100};
};

bool TimedOut(const mfpwin::Deadline &deadline) { return deadline && std::chrono::steady_clock::now() >= *deadline; }

DWORD WaitForAny(const std::vector<std::shared_ptr<mfpwin::KernelObject>> &objects, const mfpwin::Deadline &deadline)
{
    for (PollPause pause;; pause()) {
        for (size_t i = 0; i < objects.size(); ++i) {
            if (objects[i]->TryAcquire())
                return WAIT_OBJECT_0 + static_cast<DWORD>(i);
        }
        if (TimedOut(deadline))
            return WAIT_TIMEOUT;
    }
}

// Takes every object once all are signalled. The objects are taken one after another; when
// another waiter takes one in between, those already taken are given back and the wait goes on.
bool AcquireAll(const std::vector<std::shared_ptr<mfpwin::KernelObject>> &objects)
{
    for (size_t taken = 0; taken < objects.size(); ++taken) {
        if (!objects[taken]->TryAcquire()) {
            while (taken > 0)
                objects[--taken]->Restore();
            return false;
        }
    }
    return true;
}

DWORD WaitForAll(const std::vector<std::shared_ptr<mfpwin::KernelObject>> &objects, const mfpwin::Deadline &deadline)
{
    for (PollPause pause;; pause()) {
        bool allSignaled = std::all_of(objects.begin(), objects.end(), [](auto &object) { return object->IsSignaled(); });
        if (allSignaled && AcquireAll(objects))
            return WAIT_OBJECT_0;
        if (TimedOut(deadline))
            return WAIT_TIMEOUT;
    }
}

}  // namespace

MFPAPI BOOL CloseHandle(HANDLE object)
{
    if (!mfpwin::RemoveHandle(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

MFPAPI DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    std::shared_ptr<mfpwin::KernelObject> object = mfpwin::LookupHandle(handle);
    if (!object || !object->Waitable()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return object->WaitUntil(mfpwin::DeadlineAfter(milliseconds)) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

MFPAPI DWORD WaitForMultipleObjects(DWORD count, const HANDLE *handles, BOOL waitAll, DWORD milliseconds)
{
    if (count == 0 || count > MaximumWaitObjects || !handles) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<mfpwin::KernelObject>> objects;
    for (DWORD i = 0; i < count; ++i) {
        std::shared_ptr<mfpwin::KernelObject> object = mfpwin::LookupHandle(handles[i]);
        if (!object || !object->Waitable()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        objects.push_back(std::move(object));
    }
    if (count == 1)
        return objects[0]->WaitUntil(mfpwin::DeadlineAfter(milliseconds)) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    mfpwin::Deadline deadline = mfpwin::DeadlineAfter(milliseconds);
    return waitAll ? WaitForAll(objects, deadline) : WaitForAny(objects, deadline);
}
