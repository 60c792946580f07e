// Mirvale's application object: the class library's defaults, nothing of its own.
#pragma once

#include "frame/win_app.h"

class CQx4PrCfgApp : public mfpframe::CWinApp {
public:
    CQx4PrCfgApp();
};
