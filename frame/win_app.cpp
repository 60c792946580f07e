#include "frame/win_app.h"

#include "frame/module_state.h"

namespace mfpframe {

CWinApp::CWinApp(const char *appName) : appName_(appName) { StaticModuleState()->app = this; }

CWinApp::~CWinApp()
{
    ModuleState *state = StaticModuleState();
    if (state->app == this)
        state->app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp *AfxGetApp() { return StaticModuleState()->app; }

BOOL AttachLibrary(HINSTANCE instance)
{
    ModuleState *state = StaticModuleState();
    if (instance != nullptr)
        state->instance = instance;
    CWinApp *app = state->app;
    if (app == nullptr)
        return FALSE;
    ManageState scope(state);
    app->initialised_ = app->InitInstance() != FALSE;
    return app->initialised_ ? TRUE : FALSE;
}

void DetachLibrary(HINSTANCE)
{
    ModuleState *state = StaticModuleState();
    CWinApp *app = state->app;
    if (app == nullptr || !app->initialised_)
        return;
    ManageState scope(state);
    app->ExitInstance();
    app->initialised_ = false;
}

}  // namespace mfpframe
