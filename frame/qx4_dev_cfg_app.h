// Tolsen's application object. Its initialisation registers the library's automation class
// factories (it defines none) and reports success.
#pragma once

#include "frame/win_app.h"

class CQX4DevCfgApp : public mfpframe::CWinApp {
public:
    CQX4DevCfgApp();
    BOOL InitInstance() override;
};
