// The installed automation handler, as the modal loop calls it.
#pragma once

#include "mfpwin/user.h"

namespace mfpwin::user {

// Calls the handler for a window that has just become modal; false when none is installed.
bool RunAutomationHandler(HWND modalWindow);

}  // namespace mfpwin::user
