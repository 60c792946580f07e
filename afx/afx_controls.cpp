#include "afx_controls.h"

#include <vector>

#include "afx_module.h"

void CEdit::SetSel(int start, int end, BOOL noScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int &start, int &end) const {
    DWORD first = 0, last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CComboBox::GetLBText(int index, CString &text) const {
    int length = GetLBTextLen(index);
    if (length < 0) {
        text.Empty();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    text = CString(buffer.data(), length);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const {
    if (info == nullptr) return FALSE;
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}

BOOL CDateTimeCtrl::SetTime(const CTime &time) {
    SYSTEMTIME value;
    return time.GetAsSystemTime(value) && SetTime(&value);
}

DWORD CDateTimeCtrl::GetTime(CTime &time) const {
    SYSTEMTIME value{};
    DWORD result = GetTime(&value);
    if (result == GDT_VALID) time = CTime(value);
    return result;
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME *minTime, const SYSTEMTIME *maxTime) {
    SYSTEMTIME limits[2] = {};
    DWORD flags = 0;
    if (minTime) {
        limits[0] = *minTime;
        flags |= GDTR_MIN;
    }
    if (maxTime) {
        limits[1] = *maxTime;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(limits)));
}

BOOL CDateTimeCtrl::SetRange(const CTime *minTime, const CTime *maxTime) {
    SYSTEMTIME low{}, high{};
    bool haveLow = minTime && minTime->GetAsSystemTime(low);
    bool haveHigh = maxTime && maxTime->GetAsSystemTime(high);
    return SetRange(haveLow ? &low : nullptr, haveHigh ? &high : nullptr);
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    // The list may already be gone with a list view that owned it.
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT id) {
    DeleteObject();
    handle_ = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    return handle_ != nullptr;
}

BOOL CBitmap::DeleteObject() {
    if (handle_ == nullptr) return FALSE;
    ::DeleteObject(handle_);
    handle_ = nullptr;
    return TRUE;
}

int CListCtrl::InsertItem(int index, LPCSTR text, int image) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int index, LPCSTR text, UINT state, UINT stateMask, int image, LPARAM data) {
    LVITEMA item{};
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = data;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const {
    char buffer[1024];
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    LRESULT length = SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return CString(buffer, static_cast<int>(length));
}
