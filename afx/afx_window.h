// CWnd: a C++ object over a window handle, with message maps that route notifications to
// member functions.
#pragma once

#include <memory>

#include "afx_string.h"

class CWnd;
class CScrollBar;

// One message map entry: which message (and, for WM_COMMAND and WM_NOTIFY, which notification
// code and control id) calls which handler. The handler returns TRUE when it handled the message.
struct AFX_MSGMAP_ENTRY {
    UINT message;
    UINT code;
    UINT id;
    BOOL (*handler)(CWnd *window, WPARAM wParam, LPARAM lParam, LRESULT *result);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP *(*base)();
    const AFX_MSGMAP_ENTRY *entries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP *GetThisMessageMap();      \
    const AFX_MSGMAP *GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const AFX_MSGMAP *theClass::GetMessageMap() const { return GetThisMessageMap(); }  \
    const AFX_MSGMAP *theClass::GetThisMessageMap() {                                   \
        typedef theClass ThisClass;                                                     \
        typedef baseClass TheBaseClass;                                                 \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                 \
    {0, 0, 0, nullptr}};                                                  \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                          \
    }

// Handlers are given as member pointers: ON_BN_CLICKED(IDC_APPLY, &CMyDialog::OnApply).
#define AFX_COMMAND_ENTRY(notification, id, memberFxn)                               \
    {WM_COMMAND, static_cast<UINT>(notification), static_cast<UINT>(id),             \
     [](CWnd *window, WPARAM, LPARAM, LRESULT *) -> BOOL {                           \
         (static_cast<ThisClass *>(window)->*(memberFxn))();                         \
         return TRUE;                                                                \
     }},
#define ON_COMMAND(id, memberFxn) AFX_COMMAND_ENTRY(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) AFX_COMMAND_ENTRY(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) AFX_COMMAND_ENTRY(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) AFX_COMMAND_ENTRY(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) AFX_COMMAND_ENTRY(CBN_SELCHANGE, id, memberFxn)
#define ON_NOTIFY(notification, id, memberFxn)                                                        \
    {WM_NOTIFY, static_cast<UINT>(notification), static_cast<UINT>(id),                               \
     [](CWnd *window, WPARAM, LPARAM lParam, LRESULT *result) -> BOOL {                               \
         (static_cast<ThisClass *>(window)->*(memberFxn))(reinterpret_cast<NMHDR *>(lParam), result); \
         return TRUE;                                                                                 \
     }},
#define ON_WM_VSCROLL()                                                                                   \
    {WM_VSCROLL, 0, 0, [](CWnd *window, WPARAM wParam, LPARAM lParam, LRESULT *) -> BOOL {                \
         static_cast<ThisClass *>(window)->OnVScroll(LOWORD(wParam), HIWORD(wParam),                      \
                                                     CWnd::ScrollBarFromHandle(reinterpret_cast<HWND>(lParam))); \
         return TRUE;                                                                                     \
     }},
#define ON_MESSAGE(message, memberFxn)                                                     \
    {static_cast<UINT>(message), 0, 0, [](CWnd *window, WPARAM wParam, LPARAM lParam, LRESULT *result) -> BOOL { \
         *result = (static_cast<ThisClass *>(window)->*(memberFxn))(wParam, lParam);        \
         return TRUE;                                                                      \
     }},

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}
    virtual ~CWnd();
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to the handle, or a temporary one that lives until the window goes.
    static CWnd *FromHandle(HWND window);
    static CWnd *FromHandlePermanent(HWND window);
    static CScrollBar *ScrollBarFromHandle(HWND window);
    BOOL Attach(HWND window);
    HWND Detach();
    // Attaches the object to the dialog's control with that id.
    BOOL SubclassDlgItem(UINT id, CWnd *parent);

    CWnd *GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd *GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString &text) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    int GetDlgItemText(int id, CString &text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
    UINT GetDlgItemInt(int id, BOOL *translated = nullptr, BOOL isSigned = TRUE) const {
        return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
    }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    CWnd *SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd *GetFocus() { return FromHandle(::GetFocus()); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL SetWindowPos(const CWnd *insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void CenterWindow(CWnd *alternateOwner = nullptr);
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);
    BOOL DestroyWindow();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Message routing: the message map first, then the virtual handlers below.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(class CDataExchange *) {}
    virtual void OnVScroll(UINT, UINT, CScrollBar *) {}

protected:
    static const AFX_MSGMAP *GetThisMessageMap();
    virtual const AFX_MSGMAP *GetMessageMap() const;
    // Which message map entry, if any, handles the message.
    BOOL DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

private:
    bool attached_ = false;  // registered as the handle's permanent object
};

// Windows in the stand-in have one front end; UpdateData's prompts are message boxes.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));
