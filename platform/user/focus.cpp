#include "user/focus.h"

#include "mfpwin/kernel.h"
#include "user/message_queue.h"
#include "user/thread_id.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

thread_local HWND focusWindow = nullptr;
thread_local HWND activeWindow = nullptr;

bool OwnedByCaller(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return false;
    std::lock_guard lock(WindowTableMutex());
    return record->threadId == CurrentThreadId();
}

}  // namespace

void ReleaseFocusOf(HWND window) {
    if (focusWindow == window) focusWindow = nullptr;
    if (activeWindow == window) activeWindow = nullptr;
}

}  // namespace mfpwin::user

using namespace mfpwin::user;

MFPAPI HWND SetFocus(HWND window) {
    HWND previous = focusWindow;
    if (window != nullptr && !OwnedByCaller(window)) {
        SetLastError(IsWindow(window) ? ERROR_WINDOW_OF_OTHER_THREAD : ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (window == previous) return previous;
    focusWindow = window;
    if (previous != nullptr && IsWindow(previous))
        CallWindowProcedure(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window != nullptr && focusWindow == window)
        CallWindowProcedure(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

MFPAPI HWND GetFocus(void) { return focusWindow; }

MFPAPI HWND GetActiveWindow(void) { return activeWindow; }

MFPAPI HWND SetActiveWindow(HWND window) {
    if (window != nullptr && !OwnedByCaller(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HWND previous = activeWindow;
    activeWindow = window;
    return previous;
}

MFPAPI HWND GetForegroundWindow(void) { return activeWindow; }

MFPAPI BOOL SetForegroundWindow(HWND window) {
    if (!OwnedByCaller(window)) return FALSE;
    activeWindow = window;
    return TRUE;
}
