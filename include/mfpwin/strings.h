// The kernel's 8-bit string helpers. A null argument is treated as an empty text (lstrlenA) or
// makes the call fail with a null result instead of faulting.
#pragma once

#include "types.h"

MFPAPI int lstrlenA(LPCSTR text);
MFPAPI LPSTR lstrcpyA(LPSTR destination, LPCSTR source);
// Copies at most size - 1 characters and always terminates.
MFPAPI LPSTR lstrcpynA(LPSTR destination, LPCSTR source, int size);
MFPAPI LPSTR lstrcatA(LPSTR destination, LPCSTR source);
MFPAPI int lstrcmpA(LPCSTR first, LPCSTR second);
MFPAPI int lstrcmpiA(LPCSTR first, LPCSTR second);
