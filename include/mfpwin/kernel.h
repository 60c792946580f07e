// Kernel: last error, version, heap, events, threads, modules, processes, locale.
#pragma once

#include "types.h"

MFPAPI DWORD GetLastError(void);
MFPAPI void SetLastError(DWORD errorCode);
