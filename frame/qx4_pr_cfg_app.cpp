#include "frame/qx4_pr_cfg_app.h"

CQx4PrCfgApp::CQx4PrCfgApp() : CWinApp("Mirvale") {}

// The one application object of the library.
static CQx4PrCfgApp theApp;
