// Pradek's application object: the class library's defaults; the library carries resources only.
#pragma once

#include "frame/win_app.h"

class CPd_ResApp : public mfpframe::CWinApp {
public:
    CPd_ResApp();
};
