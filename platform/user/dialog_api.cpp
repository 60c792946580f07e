// Dialog boxes: creation from templates, the dialog manager's default handling, and the
// dialog item helpers.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "mfpwin/controls.h"
#include "mfpwin/kernel.h"
#include "user/dialog.h"
#include "user/message_queue.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace {

std::optional<DialogTemplate> TemplateFromResource(HINSTANCE instance, LPCSTR templateName) {
    HRSRC resource = FindResourceA(instance, templateName, RT_DIALOG);
    if (resource == nullptr) return std::nullopt;
    const void *bytes = LockResource(LoadResource(instance, resource));
    return ParseDialogTemplate(bytes, SizeofResource(instance, resource));
}

// A template given only by its address carries no size; it is read as far as it says it goes.
std::optional<DialogTemplate> TemplateFromMemory(LPCVOID dialogTemplate) {
    return ParseDialogTemplate(dialogTemplate, SIZE_MAX / 2);
}

INT_PTR RunTemplateModal(const std::optional<DialogTemplate> &parsed, HINSTANCE instance, HWND owner,
                         DLGPROC procedure, LPARAM initParam) {
    if (!parsed) {
        if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    HWND dialog = CreateDialogFromTemplate(*parsed, instance, owner, procedure, initParam, true);
    if (dialog == nullptr) return -1;
    return RunModalLoop(dialog, ModalKind::Dialog);
}

LRESULT ReturnedValue(HWND dialog, UINT message, INT_PTR handled) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORSTATIC:
        case WM_GETDLGCODE: return handled;
        default: return GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
    }
}

// The dialog ends Escape and WM_CLOSE as Cancel unless its Cancel button is disabled.
void SendCancel(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel == nullptr || IsWindowEnabled(cancel))
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void PressDefaultButton(HWND dialog) {
    LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) != DC_HASDEFID) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return;
    }
    HWND button = GetDlgItem(dialog, LOWORD(defaultId));
    // A disabled default button cannot be pressed; a hidden one still takes Enter.
    if (button != nullptr && !IsWindowEnabled(button)) return;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool BelongsTo(HWND dialog, HWND window) { return window == dialog || IsChild(dialog, window); }

}  // namespace

MFPAPI INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                               LPARAM initParam) {
    SetLastError(ERROR_SUCCESS);
    return RunTemplateModal(TemplateFromResource(instance, templateName), instance, owner, dialogProc, initParam);
}

MFPAPI INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCVOID dialogTemplate, HWND owner, DLGPROC dialogProc,
                                       LPARAM initParam) {
    SetLastError(ERROR_SUCCESS);
    if (dialogTemplate == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    return RunTemplateModal(TemplateFromMemory(dialogTemplate), instance, owner, dialogProc, initParam);
}

MFPAPI HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                               LPARAM initParam) {
    std::optional<DialogTemplate> parsed = TemplateFromResource(instance, templateName);
    if (!parsed) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogFromTemplate(*parsed, instance, owner, dialogProc, initParam, false);
}

MFPAPI HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCVOID dialogTemplate, HWND owner, DLGPROC dialogProc,
                                       LPARAM initParam) {
    std::optional<DialogTemplate> parsed = dialogTemplate ? TemplateFromMemory(dialogTemplate) : std::nullopt;
    if (!parsed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateDialogFromTemplate(*parsed, instance, owner, dialogProc, initParam, false);
}

MFPAPI BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState *state = StateOf<DialogState>(dialog);
    if (state == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    DWORD owner = GetWindowThreadProcessId(dialog, nullptr);
    state->outcome->result = result;
    state->outcome->ended = true;
    if (!state->modal) ShowWindow(dialog, SW_HIDE);
    WakeThread(owner);
    return TRUE;
}

MFPAPI LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    if (procedure != nullptr) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        if (INT_PTR handled = procedure(dialog, message, wParam, lParam)) return ReturnedValue(dialog, message, handled);
    }
    DialogState *state = StateOf<DialogState>(dialog);
    switch (message) {
        case DM_GETDEFID:
            return state != nullptr && state->defaultId != 0 ? MAKELRESULT(state->defaultId, DC_HASDEFID) : 0;
        case DM_SETDEFID: {
            if (state == nullptr) return FALSE;
            HWND previous = GetDlgItem(dialog, state->defaultId);
            state->defaultId = static_cast<int>(wParam);
            if (previous != nullptr) SendMessageA(previous, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
            if (HWND next = GetDlgItem(dialog, static_cast<int>(wParam)))
                SendMessageA(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
            return TRUE;
        }
        case WM_CLOSE: SendCancel(dialog); return 0;
        default: return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

MFPAPI BOOL IsDialogMessageA(HWND dialog, LPMSG message) {
    if (message == nullptr || !IsWindow(dialog) || !BelongsTo(dialog, message->hwnd)) return FALSE;
    if (message->message == WM_KEYDOWN) {
        LRESULT wants = message->hwnd != dialog ? SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam,
                                                               reinterpret_cast<LPARAM>(message))
                                                : 0;
        if (!(wants & DLGC_WANTALLKEYS)) {
            switch (message->wParam) {
                case VK_RETURN: PressDefaultButton(dialog); return TRUE;
                case VK_ESCAPE: SendCancel(dialog); return TRUE;
                case VK_TAB: {
                    HWND next = GetNextDlgTabItem(dialog, GetFocus(), FALSE);
                    if (next != nullptr) SetFocus(next);
                    return TRUE;
                }
                default: break;
            }
        }
    }
    if (message->message == WM_CHAR && (message->wParam == '\r' || message->wParam == 0x1B) && message->hwnd != dialog &&
        !(SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam, 0) & DLGC_WANTALLKEYS))
        return TRUE;  // Enter and Escape already acted on their key press.
    TranslateMessage(message);
    DispatchMessageA(message);
    return TRUE;
}

MFPAPI HWND GetDlgItem(HWND dialog, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == id) return child;
    SetLastError(IsWindow(dialog) ? ERROR_CONTROL_ID_NOT_FOUND : ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

MFPAPI int GetDlgCtrlID(HWND window) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    std::lock_guard lock(WindowTableMutex());
    return (record->style & WS_CHILD) ? record->id : 0;
}

MFPAPI LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

MFPAPI BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextA(control, text) : FALSE;
}

MFPAPI UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        if (text != nullptr && maxCount > 0) text[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(control, text, maxCount));
}

MFPAPI BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned) std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemTextA(dialog, id, text);
}

MFPAPI UINT GetDlgItemInt(HWND dialog, int id, BOOL *translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    char text[64];
    if (GetDlgItemTextA(dialog, id, text, sizeof text) == 0) return 0;
    // Leading and trailing blanks are allowed; anything else must be the number itself.
    const char *start = text;
    while (*start == ' ') ++start;
    if (!isSigned && *start == '-') return 0;
    char *end = nullptr;
    errno = 0;
    long long value = std::strtoll(start, &end, 10);
    if (end == start) return 0;
    while (*end == ' ') ++end;
    if (*end != '\0' || errno == ERANGE) return 0;
    if (isSigned ? (value < INT32_MIN || value > INT32_MAX) : (value > UINT32_MAX)) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(value);
}

MFPAPI BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) return FALSE;
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

MFPAPI UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button ? static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)) : 0;
}

MFPAPI BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id)
        if (HWND button = GetDlgItem(dialog, id)) SendMessageA(button, BM_SETCHECK, id == checkId, 0);
    return TRUE;
}

MFPAPI HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> stops;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) stops.push_back(child);
    }
    if (stops.empty()) return nullptr;
    auto current = std::find(stops.begin(), stops.end(), control);
    if (current == stops.end()) return previous ? stops.back() : stops.front();
    size_t index = current - stops.begin();
    return stops[(index + (previous ? stops.size() - 1 : 1)) % stops.size()];
}

MFPAPI BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    DialogState *state = StateOf<DialogState>(dialog);
    if (state == nullptr || rect == nullptr) return FALSE;
    rect->left = DialogUnitsToPixelsX(rect->left, state->baseUnitX);
    rect->right = DialogUnitsToPixelsX(rect->right, state->baseUnitX);
    rect->top = DialogUnitsToPixelsY(rect->top, state->baseUnitY);
    rect->bottom = DialogUnitsToPixelsY(rect->bottom, state->baseUnitY);
    return TRUE;
}

MFPAPI LONG GetDialogBaseUnits(void) {
    int baseUnitX, baseUnitY;
    DialogFontBaseUnits(8, baseUnitX, baseUnitY);
    return MAKELONG(baseUnitX, baseUnitY);
}
