// Failure reporting of the spooler calls that return BOOL or HANDLE.
#pragma once

#include "mfpwin/kernel.h"

namespace mfpwin::spooler {

inline BOOL FailWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// For calls whose result is the error code itself: BOOL calls set it as the last error.
inline BOOL SucceedOrFail(DWORD error) { return error == ERROR_SUCCESS ? TRUE : FailWith(error); }

}  // namespace mfpwin::spooler
