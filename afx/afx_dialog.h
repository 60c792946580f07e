// CDialog: a modal dialog from a template of the current module, with initialisation, OK and
// Cancel handling and data exchange.
#pragma once

#include "afx_window.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd *parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd *parent = nullptr);

    // Shows the dialog from the current module's resources; returns the value given to
    // EndDialog, or -1 when the template cannot be found or the dialog cannot be created.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    LPCSTR m_lpszTemplateName;
    CWnd *m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};
