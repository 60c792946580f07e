#include "afx_window.h"

#include <map>
#include <memory>
#include <vector>

#include "afx_controls.h"
#include "afx_data_exchange.h"
#include "afx_module.h"

namespace {

// Objects attached to windows, and temporary objects made for handles nobody attached. Windows
// belong to one thread, so each thread keeps its own maps.
thread_local std::map<HWND, CWnd *> permanentMap;
thread_local std::map<HWND, std::unique_ptr<CWnd>> temporaryMap;

template <typename Wrapper>
Wrapper *TemporaryFor(HWND window) {
    // Forget the temporaries of windows that are gone.
    for (auto it = temporaryMap.begin(); it != temporaryMap.end();)
        it = IsWindow(it->first) ? std::next(it) : temporaryMap.erase(it);
    auto &slot = temporaryMap[window];
    if (!dynamic_cast<Wrapper *>(slot.get())) slot = std::make_unique<Wrapper>(window);
    return static_cast<Wrapper *>(slot.get());
}

}  // namespace

const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
    if (attached_) Detach();
}

CWnd *CWnd::FromHandlePermanent(HWND window) {
    auto found = permanentMap.find(window);
    return found == permanentMap.end() ? nullptr : found->second;
}

CWnd *CWnd::FromHandle(HWND window) {
    if (window == nullptr) return nullptr;
    if (CWnd *permanent = FromHandlePermanent(window)) return permanent;
    return TemporaryFor<CWnd>(window);
}

CScrollBar *CWnd::ScrollBarFromHandle(HWND window) {
    if (window == nullptr) return nullptr;
    if (auto *permanent = dynamic_cast<CScrollBar *>(FromHandlePermanent(window))) return permanent;
    return TemporaryFor<CScrollBar>(window);
}

BOOL CWnd::Attach(HWND window) {
    if (window == nullptr || m_hWnd != nullptr || FromHandlePermanent(window) != nullptr) return FALSE;
    m_hWnd = window;
    attached_ = true;
    permanentMap[window] = this;
    temporaryMap.erase(window);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (attached_) {
        auto found = permanentMap.find(window);
        if (found != permanentMap.end() && found->second == this) permanentMap.erase(found);
    }
    attached_ = false;
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd *parent) {
    HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return control != nullptr && Attach(control);
}

CWnd *CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

void CWnd::GetWindowText(CString &text) const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    text = CString(buffer.data(), copied);
}

int CWnd::GetDlgItemText(int id, CString &text) const {
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (control == nullptr) {
        text.Empty();
        return 0;
    }
    CWnd(control).GetWindowText(text);
    return text.GetLength();
}

BOOL CWnd::SetWindowPos(const CWnd *insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::CenterWindow(CWnd *alternateOwner) {
    HWND reference = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    RECT outer, self;
    ::GetWindowRect(reference ? reference : ::GetDesktopWindow(), &outer);
    ::GetWindowRect(m_hWnd, &self);
    int width = self.right - self.left, height = self.bottom - self.top;
    ::SetWindowPos(m_hWnd, nullptr, outer.left + (outer.right - outer.left - width) / 2,
                   outer.top + (outer.bottom - outer.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

BOOL CWnd::DestroyWindow() {
    HWND window = Detach();
    return window != nullptr && ::DestroyWindow(window);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const AfxDataExchangeFailure &) {
        return FALSE;
    }
    return TRUE;
}

const AFX_MSGMAP *CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP *CWnd::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWnd::DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    UINT code = 0, id = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
        id = LOWORD(wParam);
    } else if (message == WM_NOTIFY && lParam != 0) {
        code = reinterpret_cast<NMHDR *>(lParam)->code;
        id = static_cast<UINT>(reinterpret_cast<NMHDR *>(lParam)->idFrom);
    }
    for (const AFX_MSGMAP *map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr)
        for (const AFX_MSGMAP_ENTRY *entry = map->entries; entry->handler != nullptr; ++entry)
            if (entry->message == message && entry->code == code && entry->id == id)
                return entry->handler(this, wParam, lParam, result);
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT ignored = 0;
    return DispatchToMessageMap(WM_COMMAND, wParam, lParam, &ignored);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    if (message == WM_COMMAND) return OnCommand(wParam, lParam);
    return DispatchToMessageMap(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    return result;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT) {
    HWND owner = ::GetActiveWindow();
    LPCSTR caption = AfxGetAppName();
    return ::MessageBoxA(owner, text, *caption ? caption : nullptr, type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT) {
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}
