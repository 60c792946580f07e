// Message boxes: a small modal dialog built from the text, caption and button set.
#include <algorithm>
#include <sstream>

#include "mfpwin/automation.h"
#include "user/dialog.h"
#include "user/window_table.h"

using namespace mfpwin::user;

namespace {

struct ButtonSpec {
    int id;
    const char *label;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        default: return {{IDOK, "OK"}};
    }
}

LPCSTR IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONHAND: return IDI_HAND;
        case MB_ICONQUESTION: return IDI_QUESTION;
        case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
        case MB_ICONASTERISK: return IDI_ASTERISK;
        default: return nullptr;
    }
}

constexpr int kIconControlId = 20;

// Escape answers Cancel where there is a Cancel button, OK in an OK-only box, else nothing.
INT_PTR CALLBACK MessageBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        LRESULT defaultId = SendMessageA(box, DM_GETDEFID, 0, 0);
        if (HWND button = GetDlgItem(box, LOWORD(defaultId))) SetFocus(button);
        return FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    int id = LOWORD(wParam);
    DialogState *state = StateOf<DialogState>(box);
    if (id == IDCANCEL && GetDlgItem(box, IDCANCEL) == nullptr) {
        if (state != nullptr && (state->messageBoxType & MB_TYPEMASK) == MB_OK) EndDialog(box, IDOK);
        return TRUE;
    }
    if (GetDlgItem(box, id) != nullptr && id != MFP_MESSAGEBOX_TEXT_ID && id != kIconControlId) EndDialog(box, id);
    return TRUE;
}

DialogItemTemplate Item(LPCSTR className, const std::string &title, int id, DWORD style, short x, short y, short cx,
                        short cy) {
    DialogItemTemplate item;
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    item.windowClass.present = true;
    item.windowClass.name = className;
    item.title.present = true;
    item.title.name = title;
    return item;
}

DialogTemplate BuildTemplate(LPCSTR text, LPCSTR caption, UINT type) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    size_t longest = 0;
    for (const std::string &line : lines) longest = std::max(longest, line.size());
    std::vector<ButtonSpec> buttons = ButtonsFor(type);
    bool icon = IconFor(type) != nullptr;

    // Sizes in dialog units: 4 per average character, 8 per line.
    short textX = icon ? 40 : 10;
    short textWidth = static_cast<short>(std::clamp<size_t>(longest * 4 + 4, 60, 360));
    short textHeight = static_cast<short>(std::max<size_t>(lines.size(), 1) * 8);
    short buttonsWidth = static_cast<short>(buttons.size() * 54);
    short width = static_cast<short>(std::max<int>(textX + textWidth + 10, buttonsWidth + 16));
    short buttonY = static_cast<short>(std::max<int>(textHeight, icon ? 20 : 0) + 20);

    DialogTemplate result;
    result.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
    result.exStyle = (type & MB_TOPMOST) ? WS_EX_TOPMOST : 0;
    result.cx = width;
    result.cy = static_cast<short>(buttonY + 22);
    result.title = caption;
    result.hasFont = true;
    result.pointSize = 8;
    result.fontName = "MS Shell Dlg";
    if (icon) {
        DialogItemTemplate iconItem = Item(WC_STATICA, "", kIconControlId, SS_ICON, 10, 10, 20, 20);
        iconItem.title.present = false;
        result.items.push_back(iconItem);
    }
    result.items.push_back(Item(WC_STATICA, text, MFP_MESSAGEBOX_TEXT_ID, SS_LEFT, textX, 10, textWidth, textHeight));
    short x = static_cast<short>((width - buttonsWidth) / 2 + 2);
    for (const ButtonSpec &button : buttons) {
        result.items.push_back(Item(WC_BUTTONA, button.label, button.id, BS_PUSHBUTTON | WS_TABSTOP, x, buttonY, 50, 14));
        x = static_cast<short>(x + 54);
    }
    return result;
}

}  // namespace

MFPAPI int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (text == nullptr) text = "";
    if (caption == nullptr) caption = "Error";
    DialogTemplate boxTemplate = BuildTemplate(text, caption, type);
    HWND box = CreateDialogFromTemplate(boxTemplate, nullptr, owner, MessageBoxProcedure, 0, true);
    if (box == nullptr) return 0;
    std::vector<ButtonSpec> buttons = ButtonsFor(type);
    size_t defaultIndex = std::min<size_t>(((type & MB_DEFMASK) >> 8), buttons.size() - 1);
    if (DialogState *state = StateOf<DialogState>(box)) {
        state->messageBox = true;
        state->messageBoxType = type;
        state->messageBoxText = text;
    }
    SendMessageA(box, DM_SETDEFID, buttons[defaultIndex].id, 0);
    if (LPCSTR icon = IconFor(type))
        SendDlgItemMessageA(box, kIconControlId, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)), 0);
    if (HWND button = GetDlgItem(box, buttons[defaultIndex].id)) SetFocus(button);
    INT_PTR result = RunModalLoop(box, ModalKind::MessageBox);
    return result > 0 ? static_cast<int>(result) : 0;
}
