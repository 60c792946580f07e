// Bounded copy of a window's text into a caller's buffer.
#pragma once

#include <string>

#include "mfpwin/user.h"

namespace mfpwin::user {

// Copies text into a caller buffer of maxCount bytes (terminator included); returns the length copied.
LRESULT CopyTextOut(const std::string &text, WPARAM maxCount, LPSTR buffer);

}  // namespace mfpwin::user
