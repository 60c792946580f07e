// Keyboard focus and the active window, kept per thread as each thread has its own input state.
#pragma once

#include "mfpwin/user.h"

namespace mfpwin::user {

// Forgets a window that is being destroyed or disabled as the focus or active window.
void ReleaseFocusOf(HWND window);

}  // namespace mfpwin::user
