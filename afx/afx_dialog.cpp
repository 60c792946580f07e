#include "afx_dialog.h"

#include "afx_module.h"

CDialog::CDialog(UINT templateId, CWnd *parent)
    : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_pParentWnd(parent) {}

CDialog::CDialog(LPCSTR templateName, CWnd *parent) : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), m_lpszTemplateName, owner, DialogProcedure,
                                       reinterpret_cast<LPARAM>(this));
    if (m_hWnd != nullptr) Detach();
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return TRUE;
        case IDCANCEL: OnCancel(); return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto *self = reinterpret_cast<CDialog *>(lParam);
        self->Attach(dialog);
        return self->OnInitDialog();
    }
    auto *self = dynamic_cast<CDialog *>(CWnd::FromHandlePermanent(dialog));
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        self->Detach();
        return FALSE;
    }
    LRESULT result = 0;
    if (!self->OnWndMsg(message, wParam, lParam, &result)) return FALSE;
    ::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}
