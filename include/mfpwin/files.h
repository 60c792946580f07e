// Directories, paths and the environment. Paths may use "\" or "/" as separator; names are
// matched without regard to case when the exact spelling does not exist, as on Windows.
#pragma once

#include "types.h"

#define INVALID_FILE_ATTRIBUTES 0xFFFFFFFFu
#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u

// <root>/Windows/System32 (created when missing) and <root>/Windows. On success the length
// without the terminator; when the buffer is too small, the size needed including it.
MFPAPI UINT GetSystemDirectoryA(LPSTR buffer, UINT size);
MFPAPI UINT GetWindowsDirectoryA(LPSTR buffer, UINT size);
// This system has no 8.3 names: an existing path is its own short form.
MFPAPI DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size);
MFPAPI DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
MFPAPI BOOL SetCurrentDirectoryA(LPCSTR path);
MFPAPI DWORD GetFileAttributesA(LPCSTR path);
MFPAPI BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists);
MFPAPI DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);
