#include "afx_app.h"

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) {
    AFX_MODULE_STATE *state = AfxGetStaticModuleState();
    state->application = this;
    m_hInstance = state->instance;
}

CWinApp::~CWinApp() {
    AFX_MODULE_STATE *state = AfxGetStaticModuleState();
    if (state->application == this) state->application = nullptr;
}

// The library's attach and detach (see module.h), defined beside the application object so
// that every library with an application gets them.
extern "C" __attribute__((visibility("default"))) BOOL MfpModuleAttach(HINSTANCE self) {
    AFX_MODULE_STATE *state = AfxGetStaticModuleState();
    state->instance = state->resourceInstance = self;
    AFX_MANAGE_STATE(state);
    if (state->application == nullptr) return TRUE;
    state->application->m_hInstance = self;
    return state->application->InitInstance();
}

extern "C" __attribute__((visibility("default"))) void MfpModuleDetach(HINSTANCE) {
    AFX_MODULE_STATE *state = AfxGetStaticModuleState();
    AFX_MANAGE_STATE(state);
    if (state->application != nullptr) state->application->ExitInstance();
}
