// User interface: windows, messages, dialogs, message boxes, cursors and the few GDI objects the
// dialogs need. Windows belong to the thread that creates them; see docs/ui.md.
#pragma once

// Resource scripts include this header for its constants only (RC_INVOKED).
#ifndef RC_INVOKED

#include "resources.h"
#include "types.h"

typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
typedef WORD ATOM;
typedef int *LPINT;

typedef LRESULT(CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK *DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL(CALLBACK *WNDENUMPROC)(HWND, LPARAM);

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT *LPCRECT;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HANDLE hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA, *PWNDCLASSA, *LPWNDCLASSA;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA;

typedef struct tagNMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
} NMHDR, *LPNMHDR;

typedef struct tagSCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
} SCROLLINFO, *LPSCROLLINFO;
typedef const SCROLLINFO *LPCSCROLLINFO;

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;
#endif

// Error codes of the window calls.
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_TLW_WITH_WSCHILD 1406L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_CONTROL_ID_NOT_FOUND 1421L
#define ERROR_WINDOW_OF_OTHER_THREAD 1408L

#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

// Window messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NOTIFY 0x004E
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_CTLCOLORSTATIC 0x0138
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304
#define WM_USER 0x0400
#define WM_APP 0x8000

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define CW_USEDEFAULT ((int)0x80000000)

// Dialog styles.
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// Window long indexes.
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_USERDATA (-21)
#define GWLP_ID (-12)
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOW 5
#define SW_SHOWNA 8
#define SW_RESTORE 9

// SetWindowPos.
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define HWND_DESKTOP ((HWND)0)
#define HWND_MESSAGE ((HWND)-3)
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200

// PeekMessage.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// Dialog box command ids and message box results.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDC_STATIC (-1)

// Message box types.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONMASK 0x000000F0L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L

// Dialog manager messages and codes.
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Virtual keys the dialogs and controls react to.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E

// Cursors.
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_APPSTARTING MAKEINTRESOURCEA(32650)
// Stock icons for LoadIconA(NULL, ...).
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDI_HAND MAKEINTRESOURCEA(32513)
#define IDI_QUESTION MAKEINTRESOURCEA(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEA(32515)
#define IDI_ASTERISK MAKEINTRESOURCEA(32516)

// Stock GDI objects.
#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17
#define OBJ_FONT 6
#define OBJ_BITMAP 7

// Scroll bars (SB_CTL addresses a scroll bar control itself).
#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_BOTH 3
#define SB_LINEUP 0
#define SB_LINEDOWN 1
#define SB_PAGEUP 2
#define SB_PAGEDOWN 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#define SB_ENDSCROLL 8
#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004
#define SIF_DISABLENOSCROLL 0x0008
#define SIF_TRACKPOS 0x0010
#define SIF_ALL (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)
#define ESB_ENABLE_BOTH 0x0000
#define ESB_DISABLE_BOTH 0x0003
#define ESB_DISABLE_LEFT 0x0001
#define ESB_DISABLE_RIGHT 0x0002
#define ESB_DISABLE_UP 0x0001
#define ESB_DISABLE_DOWN 0x0002
#define ESB_DISABLE_LTUP ESB_DISABLE_LEFT
#define ESB_DISABLE_RTDN ESB_DISABLE_RIGHT

// LoadImage.
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_CREATEDIBSECTION 0x2000
#define LR_SHARED 0x8000
#ifndef RC_INVOKED

// Windows, classes and messages.
MFPAPI ATOM RegisterClassA(const WNDCLASSA *windowClass);
MFPAPI BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
MFPAPI BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA windowClass);
MFPAPI int GetClassNameA(HWND window, LPSTR className, int maxCount);
MFPAPI HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                            LPVOID param);
#endif
#define CreateWindowA(c, n, s, x, y, w, h, p, m, i, a) CreateWindowExA(0, c, n, s, x, y, w, h, p, m, i, a)
#ifndef RC_INVOKED
MFPAPI BOOL DestroyWindow(HWND window);
MFPAPI BOOL IsWindow(HWND window);
MFPAPI HWND FindWindowA(LPCSTR className, LPCSTR windowName);
MFPAPI DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId);
MFPAPI LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI void PostQuitMessage(int exitCode);
MFPAPI BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
MFPAPI BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
MFPAPI BOOL TranslateMessage(const MSG *message);
MFPAPI LRESULT DispatchMessageA(const MSG *message);
MFPAPI BOOL InSendMessage(void);

// Window state.
MFPAPI BOOL EnableWindow(HWND window, BOOL enable);
MFPAPI BOOL IsWindowEnabled(HWND window);
MFPAPI BOOL ShowWindow(HWND window, int command);
MFPAPI BOOL IsWindowVisible(HWND window);
MFPAPI BOOL SetWindowTextA(HWND window, LPCSTR text);
MFPAPI int GetWindowTextA(HWND window, LPSTR text, int maxCount);
MFPAPI int GetWindowTextLengthA(HWND window);
MFPAPI BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
MFPAPI BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
MFPAPI BOOL GetWindowRect(HWND window, LPRECT rect);
MFPAPI BOOL GetClientRect(HWND window, LPRECT rect);
MFPAPI HWND GetParent(HWND window);
MFPAPI HWND GetWindow(HWND window, UINT command);
MFPAPI HWND GetDesktopWindow(void);
MFPAPI BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM param);
MFPAPI BOOL IsChild(HWND parent, HWND window);
MFPAPI LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
MFPAPI LONG_PTR GetWindowLongPtrA(HWND window, int index);
MFPAPI LONG SetWindowLongA(HWND window, int index, LONG value);
MFPAPI LONG GetWindowLongA(HWND window, int index);
MFPAPI HWND SetFocus(HWND window);
MFPAPI HWND GetFocus(void);
MFPAPI HWND GetActiveWindow(void);
MFPAPI HWND SetActiveWindow(HWND window);
MFPAPI HWND GetForegroundWindow(void);
MFPAPI BOOL SetForegroundWindow(HWND window);
MFPAPI BOOL UpdateWindow(HWND window);
MFPAPI BOOL InvalidateRect(HWND window, LPCRECT rect, BOOL erase);
MFPAPI BOOL MessageBeep(UINT type);
#endif
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5
#ifndef RC_INVOKED

// Dialogs.
MFPAPI INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                               LPARAM initParam);
#endif
#define DialogBoxA(i, t, o, p) DialogBoxParamA(i, t, o, p, 0)
#ifndef RC_INVOKED
MFPAPI INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCVOID dialogTemplate, HWND owner,
                                       DLGPROC dialogProc, LPARAM initParam);
MFPAPI HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                               LPARAM initParam);
MFPAPI HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCVOID dialogTemplate, HWND owner,
                                       DLGPROC dialogProc, LPARAM initParam);
MFPAPI BOOL EndDialog(HWND dialog, INT_PTR result);
MFPAPI LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI BOOL IsDialogMessageA(HWND dialog, LPMSG message);
MFPAPI HWND GetDlgItem(HWND dialog, int id);
MFPAPI int GetDlgCtrlID(HWND window);
MFPAPI LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
MFPAPI BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
MFPAPI UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount);
MFPAPI BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
MFPAPI UINT GetDlgItemInt(HWND dialog, int id, BOOL *translated, BOOL isSigned);
MFPAPI BOOL CheckDlgButton(HWND dialog, int id, UINT check);
MFPAPI UINT IsDlgButtonChecked(HWND dialog, int id);
MFPAPI BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
MFPAPI HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
MFPAPI BOOL MapDialogRect(HWND dialog, LPRECT rect);
MFPAPI LONG GetDialogBaseUnits(void);
MFPAPI int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Scroll bars.
MFPAPI int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
MFPAPI int GetScrollPos(HWND window, int bar);
MFPAPI BOOL SetScrollRange(HWND window, int bar, int minPos, int maxPos, BOOL redraw);
MFPAPI BOOL GetScrollRange(HWND window, int bar, LPINT minPos, LPINT maxPos);
MFPAPI int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw);
MFPAPI BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info);
MFPAPI BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows);

// Cursors, icons, bitmaps and other GDI objects.
MFPAPI HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
MFPAPI HCURSOR SetCursor(HCURSOR cursor);
MFPAPI HCURSOR GetCursor(void);
MFPAPI HICON LoadIconA(HINSTANCE instance, LPCSTR name);
MFPAPI BOOL DestroyIcon(HICON icon);
MFPAPI HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);
MFPAPI HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
MFPAPI HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void *bits);
MFPAPI HGDIOBJ GetStockObject(int object);
MFPAPI BOOL DeleteObject(HGDIOBJ object);
MFPAPI int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
#endif
