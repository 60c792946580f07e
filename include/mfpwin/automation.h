// UI automation: drive modal dialogs and message boxes as a user would, without a screen.
//
// A handler registered with MfpSetAutomationHandler is called on the modal loop's thread each
// time a dialog or message box becomes modal (after WM_INITDIALOG). It reads the window through
// the Mfp*Info calls and the ordinary window functions, and acts through the MfpAutomation*
// calls, which produce exactly the messages a user's keyboard and mouse would. Each action is
// handled at once (the dialog's own logic runs, including nested modal windows, for which the
// handler is called again). When the handler returns and the window is still open, the modal loop
// keeps running until something ends it (a worker's message, EndDialog).
//
// Without a handler the headless front end answers every modal window at once: a dialog gets
// Escape (WM_COMMAND IDCANCEL; if it stays open, EndDialog(IDCANCEL)); a message box gets IDCANCEL
// when it has a Cancel button, IDNO for MB_YESNO, IDOK for MB_OK. See docs/ui.md.
#pragma once

#include "controls.h"

typedef void(CALLBACK *MFPAUTOMATIONHANDLER)(HWND modalWindow, void *context);

// Installs the process-wide handler (NULL restores the default answers); returns the previous one.
MFPAPI MFPAUTOMATIONHANDLER MfpSetAutomationHandler(MFPAUTOMATIONHANDLER handler, void *context);

#define MFP_MODAL_NONE 0
#define MFP_MODAL_DIALOG 1
#define MFP_MODAL_MESSAGEBOX 2

// Control ids inside a message box: its text is the static MFP_MESSAGEBOX_TEXT_ID, its buttons
// carry the result they give (IDOK, IDCANCEL, IDYES, IDNO, ...).
#define MFP_MESSAGEBOX_TEXT_ID 0xFFFF

typedef struct MFP_MODAL_INFO {
    DWORD kind;          // MFP_MODAL_DIALOG or MFP_MODAL_MESSAGEBOX
    char caption[256];   // window title, truncated to fit
    char text[1024];     // message box text (empty for dialogs), truncated to fit
    UINT messageBoxType; // MB_* flags the message box was shown with (0 for dialogs)
    int depth;           // 1 for the outermost modal window of the thread, 2 for one above it, ...
    int controlCount;    // number of child controls (see MfpGetControlInfo)
    BOOL ended;          // EndDialog (or an answer) has ended it; it closes when its loop resumes
} MFP_MODAL_INFO;

typedef struct MFP_CONTROL_INFO {
    HWND hwnd;
    int id;
    char className[32]; // "Button", "Edit", "Static", "ComboBox", "ScrollBar", "SysDateTimePick32", ...
    DWORD style;
    BOOL enabled;
    BOOL visible;
    char text[512];      // window text, truncated to fit (edits give the real text, also when masked)
    int checked;         // buttons: BST_*; others 0
    int selectedIndex;   // combo box / list view: selected item or -1; scroll bar: position
    int itemCount;       // combo box / list view items; 0 otherwise
} MFP_CONTROL_INFO;

MFPAPI BOOL MfpGetModalInfo(HWND modalWindow, MFP_MODAL_INFO *info);
// The index-th child control in template order (0-based); FALSE past the end.
MFPAPI BOOL MfpGetControlInfo(HWND modalWindow, int index, MFP_CONTROL_INFO *info);
// Text of a combo box or list view item, with the required-size protocol: returns the length
// without terminator, or -1 for a bad index; text is truncated to size - 1 characters.
MFPAPI int MfpGetItemText(HWND control, int index, LPSTR text, int size);
// The modal window currently on top for the calling thread, or NULL.
MFPAPI HWND MfpGetTopModalWindow(void);

// Actions. Each returns FALSE when the control cannot take the action (disabled, hidden, in a
// window that has already ended, or not of the right kind), as a user could not do it either.
// Types each character as a key press (WM_CHAR), so digit-only edits and limits apply.
MFPAPI BOOL MfpAutomationType(HWND control, LPCSTR text);
// Selects all text and types the new text over it.
MFPAPI BOOL MfpAutomationReplaceText(HWND control, LPCSTR text);
// Pastes text over the selection (limits apply, the digits-only filter does not).
MFPAPI BOOL MfpAutomationPaste(HWND control, LPCSTR text);
// Presses a key in a control (VK_BACK, VK_DELETE, VK_HOME, VK_END, VK_LEFT, VK_RIGHT).
MFPAPI BOOL MfpAutomationKey(HWND control, UINT virtualKey);
// Presses Enter (the default button) or Escape (IDCANCEL) in a dialog or message box.
MFPAPI BOOL MfpAutomationPressEnter(HWND modalWindow);
MFPAPI BOOL MfpAutomationPressEscape(HWND modalWindow);
// Clicks a button (BN_CLICKED to its parent); check boxes toggle.
MFPAPI BOOL MfpAutomationClick(HWND button);
MFPAPI BOOL MfpAutomationClickId(HWND modalWindow, int id);
// Sets a check box to the wanted state by clicking it when needed.
MFPAPI BOOL MfpAutomationSetCheck(HWND button, BOOL checked);
// Selects a combo box entry (CBN_SELCHANGE) or a list view item (LVN_ITEMCHANGED).
MFPAPI BOOL MfpAutomationSelect(HWND control, int index);
// Scrolls a scroll bar control: code is SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN or
// SB_THUMBPOSITION (with thumbPos); the parent gets WM_VSCROLL/WM_HSCROLL and SB_ENDSCROLL.
MFPAPI BOOL MfpAutomationScroll(HWND scrollBar, int code, int thumbPos);
// Picks a date and time in a date-and-time picker (kept within its range; DTN_DATETIMECHANGE).
MFPAPI BOOL MfpAutomationPickDate(HWND picker, const SYSTEMTIME *value);
// Moves the keyboard focus to a control as a click into it would.
MFPAPI BOOL MfpAutomationFocus(HWND control);
