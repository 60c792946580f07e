// Default handling of window messages: the window's text and font, closing.
#include <algorithm>
#include <cstring>

#include "user/front_end.h"
#include "user/text_out.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace mfpwin::user {

LRESULT CopyTextOut(const std::string &text, WPARAM maxCount, LPSTR buffer) {
    if (buffer == nullptr || maxCount == 0) return 0;
    size_t length = std::min<size_t>(text.size(), maxCount - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<LRESULT>(length);
}

}  // namespace mfpwin::user

MFPAPI LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return 0;
    switch (message) {
        case WM_NCCREATE: {
            auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
            if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName)) {
                std::lock_guard lock(WindowTableMutex());
                record->text = create->lpszName;
            }
            return TRUE;
        }
        case WM_SETTEXT: {
            {
                std::lock_guard lock(WindowTableMutex());
                record->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
            }
            CurrentFrontEnd().WindowChanged(window);
            return TRUE;
        }
        case WM_GETTEXT: {
            std::lock_guard lock(WindowTableMutex());
            return CopyTextOut(record->text, wParam, reinterpret_cast<LPSTR>(lParam));
        }
        case WM_GETTEXTLENGTH: {
            std::lock_guard lock(WindowTableMutex());
            return static_cast<LRESULT>(record->text.size());
        }
        case WM_SETFONT: {
            std::lock_guard lock(WindowTableMutex());
            record->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        }
        case WM_GETFONT: {
            std::lock_guard lock(WindowTableMutex());
            return reinterpret_cast<LRESULT>(record->font);
        }
        case WM_CLOSE: DestroyWindow(window); return 0;
        default: return 0;
    }
}

MFPAPI LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}
