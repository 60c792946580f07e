#include "frame/pd_res_app.h"

CPd_ResApp::CPd_ResApp() : CWinApp("Pradek") {}

// The one application object of the library.
static CPd_ResApp theApp;
