// The objects behind kernel handles (events, threads, processes, tokens) and the one table that
// maps handle values to them. Other areas of the platform may put their own objects here so
// that CloseHandle and the waits work on them.
#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "mfpwin/kernel.h"

namespace mfpwin {

using Deadline = std::optional<std::chrono::steady_clock::time_point>;

// No deadline for INFINITE, else now + milliseconds.
Deadline DeadlineAfter(DWORD milliseconds);

class KernelObject {
public:
    virtual ~KernelObject() = default;

    // Whether a wait on the object can be satisfied. Objects that cannot be waited on say no and
    // report it through Waitable().
    virtual bool Waitable() const { return true; }
    // True when signalled, without consuming the signal.
    virtual bool IsSignaled() { return false; }
    // True when signalled; consumes the signal of an auto-reset object.
    virtual bool TryAcquire() { return IsSignaled(); }
    // Gives back a signal that TryAcquire consumed.
    virtual void Restore() {}
    // Blocks until TryAcquire succeeds or the deadline passes.
    virtual bool WaitUntil(const Deadline &deadline) = 0;
};

// A new handle for the object (never null, never INVALID_HANDLE_VALUE).
HANDLE InsertHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle, or null when the handle is not open.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);
// Closes a handle; false when it was not open.
bool RemoveHandle(HANDLE handle);

// The object behind a handle when it is of the given kind; otherwise null with the last error
// set to ERROR_INVALID_HANDLE.
template <typename T>
std::shared_ptr<T> LookupHandleAs(HANDLE handle)
{
    std::shared_ptr<T> object = std::dynamic_pointer_cast<T>(LookupHandle(handle));
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace mfpwin
