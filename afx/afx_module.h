// Module state: which library's resources, application object and windows the class library
// works with. Each library that links mfpafx has its own state (AfxGetStaticModuleState); an
// export makes it current for the call with AFX_MANAGE_STATE and the caller's state comes back
// when the export returns, on every path. The current state is kept per thread. Code that has
// not switched works with the main program's resources.
#pragma once

#include "mfpwin.h"

class CWinApp;

struct AFX_MODULE_STATE {
    HINSTANCE instance = nullptr;        // the module itself
    HINSTANCE resourceInstance = nullptr;  // where strings and dialogs are loaded from
    CWinApp *application = nullptr;
};

// The state of the library this code is linked into.
AFX_MODULE_STATE *AfxGetStaticModuleState();
// The state current on this thread (the main program's unless a switch is in effect).
AFX_MODULE_STATE *AfxGetModuleState();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
HINSTANCE AfxGetInstanceHandle();
CWinApp *AfxGetApp();
LPCSTR AfxGetAppName();

// Makes a state current for the lifetime of the object.
class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE *state);
    ~AFX_MAINTAIN_STATE2();
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2 &) = delete;
    AFX_MAINTAIN_STATE2 &operator=(const AFX_MAINTAIN_STATE2 &) = delete;

private:
    AFX_MODULE_STATE *previous_;
};

#define AFX_MANAGE_STATE(state) AFX_MAINTAIN_STATE2 afxManagedState_(state)
