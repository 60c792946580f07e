// The front end shows the windows of the window manager to a user. The window state lives in the
// window manager alone; a front end only observes it and turns a user's actions into messages.
// The headless front end (the default) shows nothing and answers modal windows at once.
#pragma once

#include "mfpwin/user.h"

namespace mfpwin::user {

enum class ModalKind { Dialog, MessageBox };

class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    virtual void WindowCreated(HWND window) = 0;
    virtual void WindowChanged(HWND window) = 0;
    virtual void WindowDestroyed(HWND window) = 0;
    // A modal window is ready and no automation handler is installed: let the user answer it.
    // Returns when the user has acted (the modal loop then runs until the window ends).
    virtual void RunModal(HWND window, ModalKind kind) = 0;
    // The screen's rectangle, the desktop window's size.
    virtual RECT ScreenRect() const = 0;
};

FrontEnd &CurrentFrontEnd();

}  // namespace mfpwin::user
