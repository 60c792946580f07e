// Creating, destroying, finding and changing windows.
#include <strings.h>
#include <unistd.h>

#include <algorithm>

#include "mfpwin/kernel.h"
#include "user/focus.h"
#include "user/front_end.h"
#include "user/message_queue.h"
#include "user/thread_id.h"
#include "user/window_class.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace {

std::shared_ptr<Window> Lookup(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return record;
}

HWND TopLevelOf(HWND window) {
    for (;;) {
        std::shared_ptr<Window> record = FindWindowRecord(window);
        if (!record) return nullptr;
        std::lock_guard lock(WindowTableMutex());
        if (record->parent == nullptr) return window;
        window = record->parent;
    }
}

void DestroyTree(HWND window);

void DestroyOwnedWindows(HWND owner) {
    for (const auto &record : AllWindowRecords()) {
        bool owned;
        {
            std::lock_guard lock(WindowTableMutex());
            owned = record->owner == owner && !record->destroying;
        }
        if (owned) DestroyTree(record->handle);
    }
}

// Destroys a window after its owned pop-ups; WM_DESTROY reaches a parent before its children,
// WM_NCDESTROY the children before the parent.
void DestroyTree(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return;
    {
        std::lock_guard lock(WindowTableMutex());
        if (record->destroying) return;
        record->destroying = true;
    }
    DestroyOwnedWindows(window);
    CallWindowProcedure(window, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    {
        std::lock_guard lock(WindowTableMutex());
        children = record->children;
    }
    for (HWND child : children) DestroyTree(child);
    CallWindowProcedure(window, WM_NCDESTROY, 0, 0);
    ReleaseFocusOf(window);
    CurrentFrontEnd().WindowDestroyed(window);
    std::unique_ptr<WindowState> state;
    {
        std::lock_guard lock(WindowTableMutex());
        if (std::shared_ptr<Window> parent = FindWindowRecord(record->parent)) {
            auto &siblings = parent->children;
            siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        }
        state = std::move(record->state);
    }
    RemoveWindowRecord(window);
}

bool MatchesText(const char *wanted, const std::string &actual) {
    return wanted == nullptr || strcasecmp(wanted, actual.c_str()) == 0;
}

}  // namespace

MFPAPI HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                            LPVOID param) {
    std::shared_ptr<WindowClass> windowClass = FindWindowClass(className);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    std::shared_ptr<Window> parentRecord = parent != nullptr ? FindWindowRecord(parent) : nullptr;
    if (parent != nullptr && !parentRecord) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parentRecord) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    // The creating thread owns the window: its queue must exist before anyone sends to it.
    CurrentQueue();
    auto record = std::make_shared<Window>();
    record->threadId = CurrentThreadId();
    record->windowClass = windowClass;
    record->procedure = windowClass->procedure;
    record->style = style;
    record->exStyle = exStyle;
    record->instance = instance;
    if (style & WS_CHILD) {
        record->parent = parent;
        record->id = static_cast<int>(reinterpret_cast<INT_PTR>(menuOrId));
    } else {
        record->owner = parent != nullptr ? TopLevelOf(parent) : nullptr;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    record->rect = RECT{x, y, x + width, y + height};
    record->extra.assign((windowClass->windowExtraBytes + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR), 0);
    HWND handle = AddWindowRecord(record);
    if (parentRecord && (style & WS_CHILD)) {
        std::lock_guard lock(WindowTableMutex());
        parentRecord->children.push_back(handle);
    }

    CREATESTRUCTA create{param, instance, menuOrId, parent, height, width, y, x, static_cast<LONG>(style),
                         windowName, className, exStyle};
    if (!CallWindowProcedure(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        CallWindowProcedure(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyTree(handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    CurrentFrontEnd().WindowCreated(handle);
    return handle;
}

MFPAPI BOOL DestroyWindow(HWND window) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return FALSE;
    {
        std::lock_guard lock(WindowTableMutex());
        if (record->threadId != CurrentThreadId()) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
    }
    DestroyTree(window);
    return TRUE;
}

MFPAPI BOOL IsWindow(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return FALSE;
    std::lock_guard lock(WindowTableMutex());
    return !record->destroying;
}

MFPAPI HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    std::vector<std::shared_ptr<Window>> windows = AllWindowRecords();
    std::lock_guard lock(WindowTableMutex());
    // The newest top-level window is the one on top.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        const Window &window = **it;
        if (window.parent != nullptr || window.destroying) continue;
        if (className != nullptr && IS_INTRESOURCE(className)) {
            if (FindWindowClass(className) != window.windowClass) continue;
        } else if (!MatchesText(className, window.windowClass->name)) {
            continue;
        }
        if (MatchesText(windowName, window.text)) return window.handle;
    }
    return nullptr;
}

MFPAPI DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return 0;
    if (processId != nullptr) *processId = static_cast<DWORD>(getpid());
    std::lock_guard lock(WindowTableMutex());
    return record->threadId;
}

MFPAPI int GetClassNameA(HWND window, LPSTR className, int maxCount) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record || className == nullptr || maxCount <= 0) return 0;
    const std::string &name = record->windowClass->name;
    int length = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
    name.copy(className, length);
    className[length] = '\0';
    return length;
}

MFPAPI BOOL EnableWindow(HWND window, BOOL enable) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return FALSE;
    bool wasDisabled;
    {
        std::lock_guard lock(WindowTableMutex());
        wasDisabled = (record->style & WS_DISABLED) != 0;
        if (enable) record->style &= ~WS_DISABLED;
        else record->style |= WS_DISABLED;
    }
    if (wasDisabled == !enable) return wasDisabled;
    if (!enable && GetFocus() == window) SetFocus(nullptr);
    DeliverMessage(window, WM_ENABLE, enable != 0, 0);
    CurrentFrontEnd().WindowChanged(window);
    return wasDisabled;
}

MFPAPI BOOL IsWindowEnabled(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return FALSE;
    std::lock_guard lock(WindowTableMutex());
    return (record->style & WS_DISABLED) == 0;
}

MFPAPI BOOL ShowWindow(HWND window, int command) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return FALSE;
    bool show = command != SW_HIDE;
    bool wasVisible;
    {
        std::lock_guard lock(WindowTableMutex());
        wasVisible = (record->style & WS_VISIBLE) != 0;
        if (show) record->style |= WS_VISIBLE;
        else record->style &= ~WS_VISIBLE;
    }
    if (wasVisible != show) {
        DeliverMessage(window, WM_SHOWWINDOW, show, 0);
        CurrentFrontEnd().WindowChanged(window);
    }
    return wasVisible;
}

MFPAPI BOOL IsWindowVisible(HWND window) {
    for (;;) {
        std::shared_ptr<Window> record = FindWindowRecord(window);
        if (!record) return FALSE;
        std::lock_guard lock(WindowTableMutex());
        if (!(record->style & WS_VISIBLE)) return FALSE;
        if (record->parent == nullptr) return TRUE;
        window = record->parent;
    }
}

MFPAPI BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!Lookup(window)) return FALSE;
    return DeliverMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

MFPAPI int GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0) text[0] = '\0';
    if (!Lookup(window) || text == nullptr || maxCount <= 0) return 0;
    return static_cast<int>(DeliverMessage(window, WM_GETTEXT, maxCount, reinterpret_cast<LPARAM>(text)));
}

MFPAPI int GetWindowTextLengthA(HWND window) {
    if (!Lookup(window)) return 0;
    return static_cast<int>(DeliverMessage(window, WM_GETTEXTLENGTH, 0, 0));
}

MFPAPI BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return FALSE;
    {
        std::lock_guard lock(WindowTableMutex());
        if (!(flags & SWP_NOMOVE)) {
            LONG w = record->rect.right - record->rect.left, h = record->rect.bottom - record->rect.top;
            record->rect = RECT{x, y, x + w, y + h};
        }
        if (!(flags & SWP_NOSIZE)) {
            record->rect.right = record->rect.left + width;
            record->rect.bottom = record->rect.top + height;
        }
        if (!(flags & SWP_NOZORDER)) {
            if (insertAfter == HWND_TOPMOST) record->exStyle |= WS_EX_TOPMOST;
            else if (insertAfter == HWND_NOTOPMOST) record->exStyle &= ~WS_EX_TOPMOST;
        }
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow(window, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
    CurrentFrontEnd().WindowChanged(window);
    return TRUE;
}

MFPAPI BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

MFPAPI BOOL GetWindowRect(HWND window, LPRECT rect) {
    if (window == GetDesktopWindow()) {
        if (rect) *rect = CurrentFrontEnd().ScreenRect();
        return rect != nullptr;
    }
    std::shared_ptr<Window> record = Lookup(window);
    if (!record || rect == nullptr) return FALSE;
    std::lock_guard lock(WindowTableMutex());
    *rect = record->rect;
    // Children keep parent-relative positions; report them on the screen.
    for (HWND parent = record->parent; parent != nullptr;) {
        std::shared_ptr<Window> parentRecord = FindWindowRecord(parent);
        if (!parentRecord) break;
        rect->left += parentRecord->rect.left;
        rect->right += parentRecord->rect.left;
        rect->top += parentRecord->rect.top;
        rect->bottom += parentRecord->rect.top;
        parent = parentRecord->parent;
    }
    return TRUE;
}

MFPAPI BOOL GetClientRect(HWND window, LPRECT rect) {
    RECT windowRect;
    if (rect == nullptr || !GetWindowRect(window, &windowRect)) return FALSE;
    *rect = RECT{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    return TRUE;
}

MFPAPI HWND GetParent(HWND window) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return nullptr;
    std::lock_guard lock(WindowTableMutex());
    return (record->style & WS_CHILD) ? record->parent : record->owner;
}

MFPAPI HWND GetWindow(HWND window, UINT command) {
    std::shared_ptr<Window> record = Lookup(window);
    if (!record) return nullptr;
    std::lock_guard lock(WindowTableMutex());
    if (command == GW_OWNER) return record->owner;
    if (command == GW_CHILD) return record->children.empty() ? nullptr : record->children.front();
    std::shared_ptr<Window> parent = FindWindowRecord(record->parent);
    if (!parent) return nullptr;
    const auto &siblings = parent->children;
    auto self = std::find(siblings.begin(), siblings.end(), window);
    switch (command) {
        case GW_HWNDFIRST: return siblings.front();
        case GW_HWNDLAST: return siblings.back();
        case GW_HWNDNEXT: return self + 1 < siblings.end() ? *(self + 1) : nullptr;
        case GW_HWNDPREV: return self > siblings.begin() ? *(self - 1) : nullptr;
        default: return nullptr;
    }
}

MFPAPI HWND GetDesktopWindow(void) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x10000)); }

MFPAPI BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM param) {
    std::shared_ptr<Window> record = Lookup(parent);
    if (!record || callback == nullptr) return FALSE;
    std::vector<HWND> children;
    {
        std::lock_guard lock(WindowTableMutex());
        children = record->children;
    }
    // Children of children are enumerated too, each right after its parent.
    for (HWND child : children) {
        if (!IsWindow(child)) continue;
        if (!callback(child, param)) return FALSE;
        std::shared_ptr<Window> childRecord = FindWindowRecord(child);
        bool hasChildren;
        {
            std::lock_guard lock(WindowTableMutex());
            hasChildren = childRecord && !childRecord->children.empty();
        }
        if (hasChildren && !EnumChildWindows(child, callback, param)) return FALSE;
    }
    return TRUE;
}

MFPAPI BOOL IsChild(HWND parent, HWND window) {
    for (;;) {
        std::shared_ptr<Window> record = FindWindowRecord(window);
        if (!record) return FALSE;
        std::lock_guard lock(WindowTableMutex());
        if (!(record->style & WS_CHILD) || record->parent == nullptr) return FALSE;
        if (record->parent == parent) return TRUE;
        window = record->parent;
    }
}

MFPAPI BOOL UpdateWindow(HWND window) { return IsWindow(window); }

MFPAPI BOOL InvalidateRect(HWND window, LPCRECT, BOOL) {
    if (window != nullptr && !IsWindow(window)) return FALSE;
    if (window != nullptr) CurrentFrontEnd().WindowChanged(window);
    return TRUE;
}

MFPAPI BOOL MessageBeep(UINT) { return TRUE; }
