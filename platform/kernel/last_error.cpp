// Per-thread last error, as every platform call reports its failure reason.
#include "mfpwin/kernel.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

MFPAPI DWORD GetLastError(void) { return lastError; }

MFPAPI void SetLastError(DWORD errorCode) { lastError = errorCode; }
