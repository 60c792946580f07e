// Import and export of registry text files (.reg), as the registry editor reads and writes them.
#pragma once

#include "types.h"

// Export formats.
#define MFP_REGFILE_UNICODE 0   // "Windows Registry Editor Version 5.00", UTF-16LE with byte-order mark
#define MFP_REGFILE_UTF8 1      // "Windows Registry Editor Version 5.00", UTF-8 without byte-order mark
#define MFP_REGFILE_REGEDIT4 2  // "REGEDIT4", 8-bit text

// Applies every key and value of the file in one transaction: either all of it or, when the
// file is malformed or cannot be read, nothing. The format is recognised from the file's
// header and byte-order mark. On failure errorText (when not null) receives a message
// naming the offending line, cut to errorTextSize bytes with its terminating zero.
// Returns ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ERROR_BAD_FORMAT, ERROR_ACCESS_DENIED, ...
MFPAPI LSTATUS MfpRegImportFileA(LPCSTR path, LPSTR errorText, DWORD errorTextSize);

// Writes rootKey\subKey (subKey null or empty: the whole root) with every subkey below it.
// Returns ERROR_SUCCESS, ERROR_FILE_NOT_FOUND (no such key), ERROR_INVALID_PARAMETER
// (unknown format), ERROR_CANTWRITE (the file cannot be written).
MFPAPI LSTATUS MfpRegExportFileA(HKEY rootKey, LPCSTR subKey, LPCSTR path, DWORD format);
