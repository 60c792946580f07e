// The application object: one per library, constructed when the library is loaded.
//
// The library's attach (MfpModuleAttach, called by LoadLibraryA) runs InitInstance with the
// library's module state current and refuses the load when it returns FALSE; the detach runs
// ExitInstance. A library linked at build time gets neither call.
#pragma once

#include "afx_module.h"

class CWinApp {
public:
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp &) = delete;
    CWinApp &operator=(const CWinApp &) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    LPCSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
};
