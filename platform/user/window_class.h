// Window classes: the predefined control classes and the ones callers register.
#pragma once

#include <memory>

#include "user/window.h"

namespace mfpwin::user {

// Looks a class up by name (case-insensitive) or by the atom RegisterClassA returned.
std::shared_ptr<WindowClass> FindWindowClass(LPCSTR nameOrAtom);

// The class name of a dialog template's control given by its ordinal (0x80 Button, ...).
LPCSTR PredefinedClassName(WORD ordinal);

inline constexpr const char *kDialogClassName = "#32770";

}  // namespace mfpwin::user
