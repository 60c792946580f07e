// Mirvale's application object: the class library's defaults, nothing of its own.
#pragma once

#include "afx/afx_app.h"

class CQx4PrCfgApp : public CWinApp {
public:
    CQx4PrCfgApp();
};
