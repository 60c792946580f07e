#include "user/dialog.h"

#include <cmath>

#include "mfpwin/controls.h"
#include "mfpwin/kernel.h"
#include "user/automation_hook.h"
#include "user/gdi_objects.h"
#include "user/message_queue.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

thread_local std::vector<HWND> modalStack;

constexpr int kDefaultPointSize = 8;

HWND FirstTabStop(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
    }
    return nullptr;
}

LPCSTR ClassNameOf(const NameOrOrdinal &windowClass) {
    if (!windowClass.present) return nullptr;
    return windowClass.isOrdinal ? PredefinedClassName(windowClass.ordinal) : windowClass.name.c_str();
}

LPCSTR ResourceNameOf(const NameOrOrdinal &title) {
    return title.isOrdinal ? MAKEINTRESOURCEA(title.ordinal) : title.name.c_str();
}

// Statics showing a picture name it in their title; the picture comes from the dialog's module.
void LoadStaticPicture(HWND control, const DialogItemTemplate &item, HINSTANCE instance) {
    DWORD type = item.style & SS_TYPEMASK;
    if (!item.title.present || (type != SS_ICON && type != SS_BITMAP)) return;
    if (type == SS_ICON) {
        if (HICON icon = LoadIconA(instance, ResourceNameOf(item.title)))
            SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    } else if (HBITMAP bitmap = LoadBitmapA(instance, ResourceNameOf(item.title))) {
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    }
}

HWND CreateItem(HWND dialog, const DialogItemTemplate &item, const DialogState &state, HINSTANCE instance) {
    LPCSTR className = ClassNameOf(item.windowClass);
    bool picture = (item.style & SS_TYPEMASK) == SS_ICON || (item.style & SS_TYPEMASK) == SS_BITMAP;
    LPCSTR title = item.title.present && !item.title.isOrdinal && !picture ? item.title.name.c_str() : "";
    int x = DialogUnitsToPixelsX(item.x, state.baseUnitX), y = DialogUnitsToPixelsY(item.y, state.baseUnitY);
    int width = DialogUnitsToPixelsX(item.cx, state.baseUnitX);
    int height = DialogUnitsToPixelsY(item.cy, state.baseUnitY);
    const void *creationData = item.creationData.empty() ? nullptr : item.creationData.data();
    HWND control = CreateWindowExA(item.exStyle, className, title, item.style | WS_CHILD, x, y, width, height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance,
                                   const_cast<void *>(creationData));
    if (control != nullptr) LoadStaticPicture(control, item, instance);
    return control;
}

bool IsDefaultPushButton(const DialogItemTemplate &item) {
    LPCSTR className = ClassNameOf(item.windowClass);
    return className != nullptr && FindWindowClass(className) == FindWindowClass(WC_BUTTONA) &&
           (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

}  // namespace

void DialogFontBaseUnits(int pointSize, int &baseUnitX, int &baseUnitY) {
    if (pointSize <= 0) pointSize = kDefaultPointSize;
    // At 96 pixels per inch a font's character cell is about 1.22 times its em height and the
    // average character is 6/13 of the cell wide (the 8-point dialog font gives 6 x 13).
    double emPixels = pointSize * 96.0 / 72.0;
    baseUnitY = static_cast<int>(std::lround(emPixels * 1.22));
    baseUnitX = static_cast<int>(std::lround(baseUnitY * 6.0 / 13.0));
}

int DialogUnitsToPixelsX(int units, int baseUnitX) { return units * baseUnitX / 4; }
int DialogUnitsToPixelsY(int units, int baseUnitY) { return units * baseUnitY / 8; }

const std::vector<HWND> &ModalStack() { return modalStack; }

HWND CreateDialogFromTemplate(const DialogTemplate &dialogTemplate, HINSTANCE instance, HWND owner,
                              DLGPROC procedure, LPARAM initParam, bool modal) {
    auto state = std::make_unique<DialogState>();
    state->procedure = procedure;
    state->modal = modal;
    DialogFontBaseUnits(dialogTemplate.hasFont ? dialogTemplate.pointSize : kDefaultPointSize, state->baseUnitX,
                        state->baseUnitY);
    state->font = dialogTemplate.hasFont ? DialogFont(dialogTemplate.fontName, dialogTemplate.pointSize)
                                         : reinterpret_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (const DialogItemTemplate &item : dialogTemplate.items)
        if (IsDefaultPushButton(item)) {
            state->defaultId = item.id;
            break;
        }

    int width = DialogUnitsToPixelsX(dialogTemplate.cx, state->baseUnitX);
    int height = DialogUnitsToPixelsY(dialogTemplate.cy, state->baseUnitY);
    int x = DialogUnitsToPixelsX(dialogTemplate.x, state->baseUnitX);
    int y = DialogUnitsToPixelsY(dialogTemplate.y, state->baseUnitY);
    if (dialogTemplate.style & DS_CENTER) {
        RECT screen;
        GetWindowRect(GetDesktopWindow(), &screen);
        x = screen.left + (screen.right - screen.left - width) / 2;
        y = screen.top + (screen.bottom - screen.top - height) / 2;
    }
    LPCSTR className = ClassNameOf(dialogTemplate.windowClass);
    DWORD style = dialogTemplate.style & ~(modal ? WS_VISIBLE : 0);
    HWND dialog = CreateWindowExA(dialogTemplate.exStyle, className ? className : kDialogClassName,
                                  dialogTemplate.title.c_str(), style, x, y, width, height, owner, nullptr, instance,
                                  nullptr);
    if (dialog == nullptr) return nullptr;
    HFONT font = state->font;
    const DialogState &stateRef = *state;
    SetWindowState(dialog, std::move(state));
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    {
        std::shared_ptr<Window> record = FindWindowRecord(dialog);
        std::lock_guard lock(WindowTableMutex());
        record->font = font;
    }

    for (const DialogItemTemplate &item : dialogTemplate.items) {
        HWND control = CreateItem(dialog, item, stateRef, instance);
        if (control == nullptr) {
            DWORD error = GetLastError();
            DestroyWindow(dialog);
            SetLastError(error);
            return nullptr;
        }
        if (dialogTemplate.hasFont) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }

    HWND focus = FirstTabStop(dialog);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) && focus != nullptr &&
        IsWindow(focus))
        SetFocus(focus);
    if (!modal && IsWindow(dialog) && (dialogTemplate.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR RunModalLoop(HWND window, ModalKind kind) {
    DialogState *state = StateOf<DialogState>(window);
    if (state == nullptr) return -1;
    std::shared_ptr<DialogOutcome> outcome = state->outcome;
    HWND owner = GetWindow(window, GW_OWNER);
    bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    modalStack.push_back(window);

    if (!outcome->ended) {
        ShowWindow(window, SW_SHOW);
        SetActiveWindow(window);
        if (!RunAutomationHandler(window)) CurrentFrontEnd().RunModal(window, kind);
    }
    while (!outcome->ended && IsWindow(window)) {
        if (HandleSentMessages()) continue;
        MSG message;
        if (TakePostedMessage(&message, nullptr, 0, 0, true)) {
            if (message.message == WM_QUIT) {
                // The quit belongs to the thread's main loop: pass it on and leave the dialog.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (!IsDialogMessageA(window, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            continue;
        }
        WaitForMessages([&] { return outcome->ended.load(); });
    }

    modalStack.pop_back();
    if (disabledOwner) EnableWindow(owner, TRUE);
    if (IsWindow(window)) DestroyWindow(window);
    if (owner != nullptr && IsWindow(owner)) SetActiveWindow(owner);
    return outcome->ended ? outcome->result : -1;
}

}  // namespace mfpwin::user

namespace mfpwin::user {

bool DialogHasEnded(HWND dialog) {
    DialogState *state = StateOf<DialogState>(dialog);
    return state == nullptr || state->outcome->ended;
}

}  // namespace mfpwin::user
