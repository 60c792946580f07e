// Pradek's application object: the class library's defaults; the library carries resources only.
#pragma once

#include "afx/afx_app.h"

class CPd_ResApp : public CWinApp {
public:
    CPd_ResApp();
};
