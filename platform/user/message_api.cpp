// Sending, posting and retrieving messages.
#include "mfpwin/kernel.h"
#include "user/message_queue.h"
#include "user/thread_id.h"
#include "user/window_table.h"

using namespace mfpwin::user;

MFPAPI LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DeliverMessage(window, message, wParam, lParam);
}

MFPAPI BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD threadId = CurrentThreadId();
    if (window != nullptr) {
        std::shared_ptr<Window> record = FindWindowRecord(window);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        std::lock_guard lock(WindowTableMutex());
        threadId = record->threadId;
    }
    if (!PostToThread(threadId, MSG{window, message, wParam, lParam, 0, {0, 0}})) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

MFPAPI BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostToThread(threadId, MSG{nullptr, message, wParam, lParam, 0, {0, 0}})) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

MFPAPI void PostQuitMessage(int exitCode) {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::lock_guard lock(self->mutex);
    self->quitPosted = true;
    self->quitCode = exitCode;
    self->wake.notify_all();
}

MFPAPI BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    for (;;) {
        HandleSentMessages();
        if (TakePostedMessage(message, window, filterMin, filterMax, true)) return message->message != WM_QUIT;
        WaitForMessages([] { return false; });
    }
}

MFPAPI BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    HandleSentMessages();
    if (message == nullptr) return FALSE;
    return TakePostedMessage(message, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0);
}

MFPAPI BOOL TranslateMessage(const MSG *message) {
    if (message == nullptr || message->message != WM_KEYDOWN) return FALSE;
    WPARAM key = message->wParam;
    WPARAM character;
    if (key >= 'A' && key <= 'Z') character = key - 'A' + 'a';
    else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_BACK || key == VK_RETURN || key == VK_ESCAPE ||
             key == VK_TAB) character = key;
    else return FALSE;
    return PostMessageA(message->hwnd, WM_CHAR, character, message->lParam);
}

MFPAPI LRESULT DispatchMessageA(const MSG *message) {
    if (message == nullptr || message->hwnd == nullptr) return 0;
    std::shared_ptr<Window> record = FindWindowRecord(message->hwnd);
    if (!record) return 0;
    {
        std::lock_guard lock(WindowTableMutex());
        if (record->threadId != CurrentThreadId()) return 0;
    }
    return CallWindowProcedure(message->hwnd, message->message, message->wParam, message->lParam);
}

MFPAPI BOOL InSendMessage(void) {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::lock_guard lock(self->mutex);
    return self->handlingSent > 0;
}
