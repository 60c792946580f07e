#include "afx_module.h"

#include "afx_app.h"

namespace {

// With hidden visibility every library linking mfpafx has its own copies of these.
thread_local AFX_MODULE_STATE *currentState = nullptr;

AFX_MODULE_STATE &MainProgramState() {
    static AFX_MODULE_STATE state{GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), nullptr};
    return state;
}

}  // namespace

AFX_MODULE_STATE *AfxGetStaticModuleState() {
    static AFX_MODULE_STATE state{MfpCurrentModule(), MfpCurrentModule(), nullptr};
    return &state;
}

AFX_MODULE_STATE *AfxGetModuleState() { return currentState ? currentState : &MainProgramState(); }

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->resourceInstance; }

void AfxSetResourceHandle(HINSTANCE instance) { AfxGetModuleState()->resourceInstance = instance; }

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->instance; }

CWinApp *AfxGetApp() { return AfxGetModuleState()->application; }

LPCSTR AfxGetAppName() {
    CWinApp *application = AfxGetApp();
    return application && application->m_pszAppName ? application->m_pszAppName : "";
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE *state) : previous_(currentState) { currentState = state; }

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { currentState = previous_; }
