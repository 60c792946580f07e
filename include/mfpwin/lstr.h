// The kernel's 8-bit string helpers. A null argument is treated as an empty text (lstrlenA) or
// makes the call fail with a null result instead of faulting.
#pragma once

#include <stdarg.h>

#include "types.h"

MFPAPI int lstrlenA(LPCSTR text);
MFPAPI LPSTR lstrcpyA(LPSTR destination, LPCSTR source);
// Copies at most size - 1 characters and always terminates.
MFPAPI LPSTR lstrcpynA(LPSTR destination, LPCSTR source, int size);
MFPAPI LPSTR lstrcatA(LPSTR destination, LPCSTR source);
MFPAPI int lstrcmpA(LPCSTR first, LPCSTR second);
MFPAPI int lstrcmpiA(LPCSTR first, LPCSTR second);

// printf-style formatting into a buffer of at least 1024 bytes, the most these calls write
// (longer results are cut to 1023 characters and terminated). Returns the characters written
// without the terminator.
MFPAPI int wsprintfA(LPSTR buffer, LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
MFPAPI int wvsprintfA(LPSTR buffer, LPCSTR format, va_list arguments);
