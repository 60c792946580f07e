#include "frame/qx4_dev_cfg_app.h"

CQX4DevCfgApp::CQX4DevCfgApp() : CWinApp("Tolsen") {}

// The library has no automation classes, so there are no class factories to register.
BOOL CQX4DevCfgApp::InitInstance() { return TRUE; }

// The one application object of the library.
static CQX4DevCfgApp theApp;
