// Kernel: last error, version, heap, handles and waits, events, threads, processes, files and
// paths, locale. Each group has its own header; this one pulls them all in.
#pragma once

#include "types.h"

MFPAPI DWORD GetLastError(void);
MFPAPI void SetLastError(DWORD errorCode);

// Version. The reported system is Windows NT 10.0 unless MFP_WINVER names another
// ("nt:4.0", "nt:5.1", "9x:4.10", ...).
typedef struct _OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA, *POSVERSIONINFOA, *LPOSVERSIONINFOA;

typedef struct _OSVERSIONINFOEXA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
} OSVERSIONINFOEXA, *POSVERSIONINFOEXA, *LPOSVERSIONINFOEXA;

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2
#define VER_NT_WORKSTATION 1

MFPAPI BOOL GetVersionExA(LPOSVERSIONINFOA versionInfo);
// Low word: major version (low byte) and minor version (high byte); high word: build number,
// with its top bit set on the Windows 9x family.
MFPAPI DWORD GetVersion(void);

#include "heap.h"
#include "synch.h"
#include "process.h"
#include "files.h"
#include "nls.h"
#include "lstr.h"
