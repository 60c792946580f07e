// The application object of a driver library: one static object per library, constructed when
// the library is loaded. The library's attach runs its instance initialisation (a failure
// refuses the attach) and its detach runs its exit.
#pragma once

#include "mfpwin.h"

namespace mfpframe {

class CWinApp {
public:
    explicit CWinApp(const char *appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp &) = delete;
    CWinApp &operator=(const CWinApp &) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const char *AppName() const { return appName_; }
    bool Initialised() const { return initialised_; }

private:
    friend BOOL AttachLibrary(HINSTANCE instance);
    friend void DetachLibrary(HINSTANCE instance);

    const char *appName_;
    bool initialised_ = false;
};

// This library's application object (null before it is constructed or after it is destroyed).
CWinApp *AfxGetApp();

// The library's attach and detach: module state set-up, then the application's initialisation;
// on detach the application's exit and the release of the module state.
BOOL AttachLibrary(HINSTANCE instance);
void DetachLibrary(HINSTANCE instance);

}  // namespace mfpframe
