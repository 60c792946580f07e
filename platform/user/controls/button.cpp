// Push buttons, check boxes and radio buttons.
#include "user/controls/control_procedures.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

class ButtonState : public WindowState {
public:
    UINT check = BST_UNCHECKED;
    bool pushed = false;
};

DWORD ButtonType(HWND button) { return static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) & BS_TYPEMASK; }

bool IsCheckable(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// An automatic radio button clears the other automatic radio buttons of its group: the siblings
// from the previous WS_GROUP control up to the next one.
void CheckWithinGroup(HWND button) {
    HWND first = button;
    while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) break;
        first = previous;
    }
    for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (GetWindowLongA(sibling, GWL_STYLE) & WS_GROUP)) break;
        if (ButtonType(sibling) == BS_AUTORADIOBUTTON)
            SendMessageA(sibling, BM_SETCHECK, sibling == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Click(HWND button, ButtonState &state) {
    if (!IsWindowEnabled(button)) return;
    switch (ButtonType(button)) {
        case BS_AUTOCHECKBOX: state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
        case BS_AUTO3STATE: state.check = (state.check + 1) % 3; break;
        case BS_AUTORADIOBUTTON: CheckWithinGroup(button); break;
        default: break;
    }
    NotifyParentCommand(button, BN_CLICKED);
}

LRESULT DialogCode(HWND button) {
    switch (ButtonType(button)) {
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
    }
}

}  // namespace

LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState &state = EnsureStateOf<ButtonState>(button);
    switch (message) {
        case BM_GETCHECK: return IsCheckable(ButtonType(button)) ? state.check : BST_UNCHECKED;
        case BM_SETCHECK:
            if (IsCheckable(ButtonType(button))) state.check = static_cast<UINT>(wParam) & (BST_CHECKED | BST_INDETERMINATE);
            return 0;
        case BM_GETSTATE: return state.check | (state.pushed ? BST_PUSHED : 0) | (GetFocus() == button ? BST_FOCUS : 0);
        case BM_SETSTATE: state.pushed = wParam != 0; return 0;
        case BM_SETSTYLE: {
            LONG style = GetWindowLongA(button, GWL_STYLE);
            SetWindowLongA(button, GWL_STYLE, (style & ~BS_TYPEMASK) | (static_cast<LONG>(wParam) & BS_TYPEMASK));
            return 0;
        }
        case BM_CLICK: Click(button, state); return 0;
        case WM_CHAR:
            if (wParam == ' ') Click(button, state);
            return 0;
        case WM_GETDLGCODE: return DialogCode(button);
        default: return DefWindowProcA(button, message, wParam, lParam);
    }
}

}  // namespace mfpwin::user
