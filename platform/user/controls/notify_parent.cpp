#include "user/controls/control_procedures.h"

namespace mfpwin::user {

void NotifyParentCommand(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent == nullptr) return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, UINT code, NMHDR *header) {
    HWND parent = GetParent(control);
    if (parent == nullptr) return 0;
    header->hwndFrom = control;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header->code = code;
    return SendMessageA(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

}  // namespace mfpwin::user
