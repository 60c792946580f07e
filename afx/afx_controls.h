// Control wrappers: thin objects over the controls' messages.
#pragma once

#include "afx_time.h"
#include "afx_window.h"

class CEdit : public CWnd {
public:
    using CWnd::CWnd;
    void SetLimitText(UINT maxChars) { SendMessage(EM_LIMITTEXT, maxChars); }
    void LimitText(int maxChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int &start, int &end) const;
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text)); }
    BOOL CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
    BOOL Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void SetPasswordChar(char c) { SendMessage(EM_SETPASSWORDCHAR, static_cast<unsigned char>(c)); }
    char GetPasswordChar() const { return static_cast<char>(SendMessage(EM_GETPASSWORDCHAR)); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly)); }
};

class CButton : public CWnd {
public:
    using CWnd::CWnd;
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CStatic : public CWnd {
public:
    using CWnd::CWnd;
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }
    HICON SetIcon(HICON icon) { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon))); }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};

class CComboBox : public CWnd {
public:
    using CWnd::CWnd;
    int AddString(LPCSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, LPCSTR text) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetLBTextLen(int index) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index))); }
    void GetLBText(int index, CString &text) const;
    int FindString(int start, LPCSTR prefix) const {
        return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
    }
    int FindStringExact(int start, LPCSTR text) const {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int SelectString(int start, LPCSTR prefix) {
        return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
};

class CScrollBar : public CWnd {
public:
    using CWnd::CWnd;
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw); }
    void GetScrollRange(LPINT minPos, LPINT maxPos) const { ::GetScrollRange(m_hWnd, SB_CTL, minPos, maxPos); }
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE) { ::SetScrollRange(m_hWnd, SB_CTL, minPos, maxPos, redraw); }
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE) { return ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw) != 0; }
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    BOOL EnableScrollBar(UINT arrows = ESB_ENABLE_BOTH) { return ::EnableScrollBar(m_hWnd, SB_CTL, arrows); }
};

class CDateTimeCtrl : public CWnd {
public:
    using CWnd::CWnd;
    BOOL SetTime(const CTime &time);
    BOOL SetTime(const SYSTEMTIME *time) {
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(time)));
    }
    DWORD GetTime(CTime &time) const;
    DWORD GetTime(SYSTEMTIME *time) const { return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time))); }
    // Either bound may be NULL (no bound on that side).
    BOOL SetRange(const CTime *minTime, const CTime *maxTime);
    BOOL SetRange(const SYSTEMTIME *minTime, const SYSTEMTIME *maxTime);
    BOOL SetFormat(LPCSTR format) { return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format))); }
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList &) = delete;
    CImageList &operator=(const CImageList &) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    // Splits the bitmap into images of the list's size; returns the first index or -1.
    int Add(HBITMAP bitmap, COLORREF maskColour) { return ImageList_AddMasked(m_hImageList, bitmap, maskColour); }
    int Add(HBITMAP bitmap, HBITMAP mask) { return ImageList_Add(m_hImageList, bitmap, mask); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
};

// A bitmap loaded from the current module's resources.
class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap &) = delete;
    CBitmap &operator=(const CBitmap &) = delete;

    BOOL LoadBitmap(UINT id);
    BOOL DeleteObject();
    int GetBitmap(BITMAP *info) const { return ::GetObjectA(handle_, sizeof(BITMAP), info); }
    operator HBITMAP() const { return handle_; }
    HBITMAP GetSafeHandle() const { return handle_; }

private:
    HBITMAP handle_ = nullptr;
};

class CListCtrl : public CWnd {
public:
    using CWnd::CWnd;
    HIMAGELIST SetImageList(CImageList *list, int type) {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(type),
                                                        reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
    }
    int InsertItem(const LVITEMA *item) { return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item))); }
    int InsertItem(int index, LPCSTR text, int image);
    int InsertItem(UINT mask, int index, LPCSTR text, UINT state, UINT stateMask, int image, LPARAM data);
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    UINT GetItemState(int index, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
    }
    BOOL SetItemState(int index, UINT state, UINT mask);
    int GetNextItem(int start, int flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
    }
    CString GetItemText(int index, int subItem) const;
    BOOL EnsureVisible(int index, BOOL partialOk) {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOk));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    DWORD SetExtendedStyle(DWORD style) { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style)); }
};
