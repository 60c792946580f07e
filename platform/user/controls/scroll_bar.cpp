// Scroll bar controls: range, position, page, disabled arrows, and the notifications a user's
// clicks send to the parent.
#include <algorithm>

#include "mfpwin/kernel.h"
#include "user/controls/control_procedures.h"
#include "user/controls/user_actions.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

class ScrollBarState : public WindowState {
public:
    int minimum = 0;
    int maximum = 0;
    UINT page = 0;
    int position = 0;
    int trackPosition = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;
};

// The highest position the thumb can take: with a page, the page must fit below it.
int HighestPosition(const ScrollBarState &state) {
    int pageExtent = state.page > 0 ? static_cast<int>(state.page) - 1 : 0;
    return std::max(state.minimum, state.maximum - pageExtent);
}

int Clamp(const ScrollBarState &state, int position) { return std::clamp(position, state.minimum, HighestPosition(state)); }

int SetPosition(ScrollBarState &state, int position) {
    int previous = state.position;
    state.position = Clamp(state, position);
    return previous;
}

int ApplyInfo(ScrollBarState &state, const SCROLLINFO &info) {
    if (info.fMask & SIF_RANGE) {
        state.minimum = info.nMin;
        state.maximum = info.nMax;
    }
    if (info.fMask & SIF_PAGE) state.page = std::min<UINT>(info.nPage, static_cast<UINT>(state.maximum - state.minimum + 1));
    if (info.fMask & SIF_POS) state.position = info.nPos;
    state.position = Clamp(state, state.position);
    return state.position;
}

void FillInfo(const ScrollBarState &state, SCROLLINFO &info) {
    if (info.fMask & SIF_RANGE) {
        info.nMin = state.minimum;
        info.nMax = state.maximum;
    }
    if (info.fMask & SIF_PAGE) info.nPage = state.page;
    if (info.fMask & SIF_POS) info.nPos = state.position;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = state.trackPosition;
}

HWND ScrollControl(HWND window, int bar) {
    if (bar == SB_CTL) return window;
    // Only scroll bar controls exist; windows have no scroll bars of their own.
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

}  // namespace

LRESULT CALLBACK ScrollBarProcedure(HWND scrollBar, UINT message, WPARAM wParam, LPARAM lParam) {
    ScrollBarState &state = EnsureStateOf<ScrollBarState>(scrollBar);
    switch (message) {
        case SBM_SETPOS: return SetPosition(state, static_cast<int>(wParam));
        case SBM_GETPOS: return state.position;
        case SBM_SETRANGE:
        case SBM_SETRANGEREDRAW: {
            int previous = state.position;
            state.minimum = static_cast<int>(wParam);
            state.maximum = static_cast<int>(lParam);
            state.position = Clamp(state, state.position);
            return previous;
        }
        case SBM_GETRANGE:
            if (wParam) *reinterpret_cast<LPINT>(wParam) = state.minimum;
            if (lParam) *reinterpret_cast<LPINT>(lParam) = state.maximum;
            return 0;
        case SBM_ENABLE_ARROWS: {
            UINT arrows = static_cast<UINT>(wParam) & ESB_DISABLE_BOTH;
            bool changed = arrows != state.disabledArrows;
            state.disabledArrows = arrows;
            return changed;
        }
        case SBM_SETSCROLLINFO: return lParam ? ApplyInfo(state, *reinterpret_cast<const SCROLLINFO *>(lParam)) : 0;
        case SBM_GETSCROLLINFO:
            if (!lParam) return FALSE;
            FillInfo(state, *reinterpret_cast<SCROLLINFO *>(lParam));
            return TRUE;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        default: return DefWindowProcA(scrollBar, message, wParam, lParam);
    }
}

bool ScrollBarUserScroll(HWND scrollBar, int code, int thumbPos) {
    ScrollBarState *state = StateOf<ScrollBarState>(scrollBar);
    if (state == nullptr || !IsWindowEnabled(scrollBar)) return false;
    UINT disabled = state->disabledArrows;
    switch (code) {
        case SB_LINEUP:
        case SB_PAGEUP:
            if (disabled & ESB_DISABLE_UP) return false;
            break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            if (disabled & ESB_DISABLE_DOWN) return false;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            if (disabled == ESB_DISABLE_BOTH) return false;
            thumbPos = Clamp(*state, thumbPos);
            break;
        default: return false;
    }
    HWND parent = GetParent(scrollBar);
    UINT message = (GetWindowLongA(scrollBar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    auto send = [&](int sentCode, int position) {
        SendMessageA(parent, message, MAKEWPARAM(sentCode, position), reinterpret_cast<LPARAM>(scrollBar));
    };
    if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK) {
        if (ScrollBarState *current = StateOf<ScrollBarState>(scrollBar)) current->trackPosition = thumbPos;
        send(SB_THUMBTRACK, thumbPos);
        send(SB_THUMBPOSITION, thumbPos);
    } else {
        send(code, 0);
    }
    send(SB_ENDSCROLL, 0);
    return true;
}

}  // namespace mfpwin::user

using namespace mfpwin::user;

MFPAPI int SetScrollPos(HWND window, int bar, int pos, BOOL) {
    HWND control = ScrollControl(window, bar);
    return control ? static_cast<int>(SendMessageA(control, SBM_SETPOS, pos, 0)) : 0;
}

MFPAPI int GetScrollPos(HWND window, int bar) {
    HWND control = ScrollControl(window, bar);
    return control ? static_cast<int>(SendMessageA(control, SBM_GETPOS, 0, 0)) : 0;
}

MFPAPI BOOL SetScrollRange(HWND window, int bar, int minPos, int maxPos, BOOL) {
    HWND control = ScrollControl(window, bar);
    if (!control) return FALSE;
    SendMessageA(control, SBM_SETRANGE, minPos, maxPos);
    return TRUE;
}

MFPAPI BOOL GetScrollRange(HWND window, int bar, LPINT minPos, LPINT maxPos) {
    HWND control = ScrollControl(window, bar);
    if (!control) return FALSE;
    SendMessageA(control, SBM_GETRANGE, reinterpret_cast<WPARAM>(minPos), reinterpret_cast<LPARAM>(maxPos));
    return TRUE;
}

MFPAPI int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
    HWND control = ScrollControl(window, bar);
    return control ? static_cast<int>(SendMessageA(control, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info))) : 0;
}

MFPAPI BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
    HWND control = ScrollControl(window, bar);
    return control ? static_cast<BOOL>(SendMessageA(control, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info))) : FALSE;
}

MFPAPI BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows) {
    HWND control = ScrollControl(window, static_cast<int>(bar));
    return control ? static_cast<BOOL>(SendMessageA(control, SBM_ENABLE_ARROWS, arrows, 0)) : FALSE;
}
