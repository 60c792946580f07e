// Window longs: styles, procedure, instance, id, user data and the class's extra slots
// (a dialog's DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER).
#include "mfpwin/kernel.h"
#include "user/front_end.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace {

LONG_PTR *SlotOf(Window &window, int index) {
    switch (index) {
        case GWL_STYLE: return nullptr;
        case GWLP_USERDATA: return &window.userData;
        default: break;
    }
    if (index < 0 || index % sizeof(LONG_PTR) != 0) return nullptr;
    size_t slot = index / sizeof(LONG_PTR);
    return slot < window.extra.size() ? &window.extra[slot] : nullptr;
}

// Reads or (with a value) replaces one long; returns the previous value.
LONG_PTR Access(HWND handle, int index, const LONG_PTR *value) {
    std::shared_ptr<Window> window = FindWindowRecord(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    bool styleChanged = false;
    LONG_PTR previous = 0;
    {
        std::lock_guard lock(WindowTableMutex());
        auto exchange = [&](auto &field) {
            previous = static_cast<LONG_PTR>(field);
            if (value) field = static_cast<std::remove_reference_t<decltype(field)>>(*value);
        };
        switch (index) {
            case GWL_STYLE: exchange(window->style); styleChanged = value != nullptr; break;
            case GWL_EXSTYLE: exchange(window->exStyle); styleChanged = value != nullptr; break;
            case GWLP_ID: exchange(window->id); break;
            case GWLP_WNDPROC: {
                previous = reinterpret_cast<LONG_PTR>(window->procedure);
                if (value) window->procedure = reinterpret_cast<WNDPROC>(*value);
                break;
            }
            case GWLP_HINSTANCE: {
                previous = reinterpret_cast<LONG_PTR>(window->instance);
                if (value) window->instance = reinterpret_cast<HINSTANCE>(*value);
                break;
            }
            case GWLP_HWNDPARENT: previous = reinterpret_cast<LONG_PTR>(window->parent ? window->parent : window->owner); break;
            default: {
                LONG_PTR *slot = SlotOf(*window, index);
                if (!slot) {
                    SetLastError(ERROR_INVALID_INDEX);
                    return 0;
                }
                exchange(*slot);
            }
        }
    }
    if (styleChanged) CurrentFrontEnd().WindowChanged(handle);
    return previous;
}

}  // namespace

MFPAPI LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    SetLastError(ERROR_SUCCESS);
    return Access(window, index, &value);
}

MFPAPI LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    SetLastError(ERROR_SUCCESS);
    return Access(window, index, nullptr);
}

MFPAPI LONG SetWindowLongA(HWND window, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}

MFPAPI LONG GetWindowLongA(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtrA(window, index)); }
