// The automation interface: a handler drives modal windows through the same messages a user's
// keyboard and mouse produce.
#include "mfpwin/automation.h"

#include <strings.h>

#include <algorithm>

#include <cstring>
#include <mutex>
#include <string>

#include "user/automation_hook.h"
#include "user/controls/user_actions.h"
#include "user/dialog.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace {

std::mutex handlerMutex;
MFPAUTOMATIONHANDLER installedHandler = nullptr;
void *installedContext = nullptr;

template <size_t N>
void CopyBounded(char (&target)[N], const std::string &source) {
    size_t length = std::min(source.size(), N - 1);
    std::memcpy(target, source.data(), length);
    target[length] = '\0';
}

bool IsClass(HWND window, const char *className) {
    char actual[32];
    return GetClassNameA(window, actual, sizeof actual) > 0 && strcasecmp(actual, className) == 0;
}

// A user can only act on what is shown and enabled, inside an enabled window.
bool CanAct(HWND control) {
    if (!IsWindowVisible(control)) return false;
    for (HWND window = control; window != nullptr; window = GetParent(window)) {
        if (!IsWindowEnabled(window)) return false;
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return !(StateOf<DialogState>(window) && DialogHasEnded(window));
    }
    return true;
}

HWND NthChild(HWND parent, int index) {
    HWND child = GetWindow(parent, GW_CHILD);
    for (int i = 0; child != nullptr && i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return index >= 0 ? child : nullptr;
}

int ChildCount(HWND parent) {
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

BOOL PressKeyInDialog(HWND modalWindow, UINT key) {
    if (!IsWindow(modalWindow) || DialogHasEnded(modalWindow)) return FALSE;
    HWND focus = GetFocus();
    MSG message{focus != nullptr && IsChild(modalWindow, focus) ? focus : modalWindow, WM_KEYDOWN, key, 1, 0, {0, 0}};
    return IsDialogMessageA(modalWindow, &message);
}

bool IsEdit(HWND control) { return IsClass(control, WC_EDITA); }

}  // namespace

namespace mfpwin::user {

bool RunAutomationHandler(HWND modalWindow) {
    MFPAUTOMATIONHANDLER handler;
    void *context;
    {
        std::lock_guard lock(handlerMutex);
        handler = installedHandler;
        context = installedContext;
    }
    if (handler == nullptr) return false;
    handler(modalWindow, context);
    return true;
}

}  // namespace mfpwin::user

MFPAPI MFPAUTOMATIONHANDLER MfpSetAutomationHandler(MFPAUTOMATIONHANDLER handler, void *context) {
    std::lock_guard lock(handlerMutex);
    MFPAUTOMATIONHANDLER previous = installedHandler;
    installedHandler = handler;
    installedContext = context;
    return previous;
}

MFPAPI BOOL MfpGetModalInfo(HWND modalWindow, MFP_MODAL_INFO *info) {
    DialogState *state = StateOf<DialogState>(modalWindow);
    if (state == nullptr || info == nullptr) return FALSE;
    *info = MFP_MODAL_INFO{};
    info->kind = state->messageBox ? MFP_MODAL_MESSAGEBOX : MFP_MODAL_DIALOG;
    GetWindowTextA(modalWindow, info->caption, sizeof info->caption);
    CopyBounded(info->text, state->messageBoxText);
    info->messageBoxType = state->messageBoxType;
    const std::vector<HWND> &stack = ModalStack();
    auto position = std::find(stack.begin(), stack.end(), modalWindow);
    info->depth = position == stack.end() ? 0 : static_cast<int>(position - stack.begin()) + 1;
    info->controlCount = ChildCount(modalWindow);
    info->ended = DialogHasEnded(modalWindow);
    return TRUE;
}

MFPAPI BOOL MfpGetControlInfo(HWND modalWindow, int index, MFP_CONTROL_INFO *info) {
    HWND control = NthChild(modalWindow, index);
    if (control == nullptr || info == nullptr) return FALSE;
    *info = MFP_CONTROL_INFO{};
    info->hwnd = control;
    info->id = GetDlgCtrlID(control);
    GetClassNameA(control, info->className, sizeof info->className);
    info->style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    info->enabled = IsWindowEnabled(control);
    info->visible = IsWindowVisible(control);
    GetWindowTextA(control, info->text, sizeof info->text);
    info->selectedIndex = -1;
    if (IsClass(control, WC_BUTTONA)) {
        info->checked = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    } else if (IsClass(control, WC_COMBOBOXA)) {
        info->selectedIndex = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        info->itemCount = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
    } else if (IsClass(control, WC_LISTVIEWA)) {
        info->selectedIndex = static_cast<int>(SendMessageA(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        info->itemCount = static_cast<int>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0));
    } else if (IsClass(control, WC_SCROLLBARA)) {
        info->selectedIndex = static_cast<int>(SendMessageA(control, SBM_GETPOS, 0, 0));
    }
    return TRUE;
}

MFPAPI int MfpGetItemText(HWND control, int index, LPSTR text, int size) {
    std::string item;
    if (IsClass(control, WC_COMBOBOXA)) {
        LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, index, 0);
        if (length < 0) return -1;
        item.resize(static_cast<size_t>(length) + 1);
        SendMessageA(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length));
    } else if (IsClass(control, WC_LISTVIEWA)) {
        if (index < 0 || index >= SendMessageA(control, LVM_GETITEMCOUNT, 0, 0)) return -1;
        char buffer[1024];
        LVITEMA lvItem{};
        lvItem.pszText = buffer;
        lvItem.cchTextMax = sizeof buffer;
        LRESULT length = SendMessageA(control, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&lvItem));
        item.assign(buffer, static_cast<size_t>(length));
    } else {
        return -1;
    }
    if (text != nullptr && size > 0) {
        size_t copied = std::min(item.size(), static_cast<size_t>(size) - 1);
        std::memcpy(text, item.data(), copied);
        text[copied] = '\0';
    }
    return static_cast<int>(item.size());
}

MFPAPI HWND MfpGetTopModalWindow(void) { return ModalStack().empty() ? nullptr : ModalStack().back(); }

MFPAPI BOOL MfpAutomationType(HWND control, LPCSTR text) {
    if (!IsEdit(control) || !CanAct(control) || text == nullptr) return FALSE;
    SetFocus(control);
    for (const char *c = text; *c != '\0'; ++c) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
    return TRUE;
}

MFPAPI BOOL MfpAutomationReplaceText(HWND control, LPCSTR text) {
    if (!IsEdit(control) || !CanAct(control) || text == nullptr) return FALSE;
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
    if (*text == '\0') return MfpAutomationKey(control, VK_DELETE);
    return MfpAutomationType(control, text);
}

MFPAPI BOOL MfpAutomationPaste(HWND control, LPCSTR text) {
    if (!IsEdit(control) || !CanAct(control) || text == nullptr) return FALSE;
    SetFocus(control);
    SendMessageA(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    return TRUE;
}

MFPAPI BOOL MfpAutomationKey(HWND control, UINT virtualKey) {
    if (!CanAct(control)) return FALSE;
    SetFocus(control);
    if (virtualKey == VK_BACK) SendMessageA(control, WM_CHAR, '\b', 1);
    else SendMessageA(control, WM_KEYDOWN, virtualKey, 1);
    return TRUE;
}

MFPAPI BOOL MfpAutomationPressEnter(HWND modalWindow) { return PressKeyInDialog(modalWindow, VK_RETURN); }

MFPAPI BOOL MfpAutomationPressEscape(HWND modalWindow) { return PressKeyInDialog(modalWindow, VK_ESCAPE); }

MFPAPI BOOL MfpAutomationClick(HWND button) {
    if (!IsClass(button, WC_BUTTONA) || !CanAct(button)) return FALSE;
    SendMessageA(button, BM_CLICK, 0, 0);
    return TRUE;
}

MFPAPI BOOL MfpAutomationClickId(HWND modalWindow, int id) {
    HWND button = GetDlgItem(modalWindow, id);
    return button != nullptr && MfpAutomationClick(button);
}

MFPAPI BOOL MfpAutomationSetCheck(HWND button, BOOL checked) {
    if (!IsClass(button, WC_BUTTONA) || !CanAct(button)) return FALSE;
    bool isChecked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (isChecked == (checked != FALSE)) return TRUE;
    SendMessageA(button, BM_CLICK, 0, 0);
    return (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) == (checked != FALSE);
}

MFPAPI BOOL MfpAutomationSelect(HWND control, int index) {
    if (!CanAct(control)) return FALSE;
    if (IsClass(control, WC_COMBOBOXA)) return ComboBoxUserSelect(control, index);
    if (IsClass(control, WC_LISTVIEWA)) return ListViewUserSelect(control, index);
    return FALSE;
}

MFPAPI BOOL MfpAutomationScroll(HWND scrollBar, int code, int thumbPos) {
    if (!IsClass(scrollBar, WC_SCROLLBARA) || !CanAct(scrollBar)) return FALSE;
    return ScrollBarUserScroll(scrollBar, code, thumbPos);
}

MFPAPI BOOL MfpAutomationPickDate(HWND picker, const SYSTEMTIME *value) {
    if (!IsClass(picker, DATETIMEPICK_CLASSA) || !CanAct(picker) || value == nullptr) return FALSE;
    return DateTimePickerUserPick(picker, *value);
}

MFPAPI BOOL MfpAutomationFocus(HWND control) {
    if (!CanAct(control)) return FALSE;
    return SetFocus(control) != nullptr || GetFocus() == control;
}
