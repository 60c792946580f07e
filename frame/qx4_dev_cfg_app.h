// Tolsen's application object. Its initialisation registers the library's automation class
// factories (it defines none) and reports success.
#pragma once

#include "afx/afx_app.h"

class CQX4DevCfgApp : public CWinApp {
public:
    CQX4DevCfgApp();
    BOOL InitInstance() override;
};
