// Processes: start a program, wait for it, read its exit code.
#pragma once

#include "synch.h"

#define PROCESS_TERMINATE 0x0001u
#define PROCESS_QUERY_INFORMATION 0x0400u
#define PROCESS_QUERY_LIMITED_INFORMATION 0x1000u
#define PROCESS_ALL_ACCESS 0x001FFFFFu

typedef struct _STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
} STARTUPINFOA, *LPSTARTUPINFOA;

typedef struct _PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
} PROCESS_INFORMATION, *PPROCESS_INFORMATION, *LPPROCESS_INFORMATION;

// The command line is split into arguments by the Windows rules (quotes, backslashes before
// quotes) and run directly, without a shell. Without an application name the first token names
// the program, searched in the caller's directory, the current directory, the system directory,
// the Windows directory and PATH, with ".exe" tried after the bare name.
MFPAPI BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                           LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                           LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                           LPPROCESS_INFORMATION processInformation);
MFPAPI BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode);
MFPAPI BOOL TerminateProcess(HANDLE process, UINT exitCode);
MFPAPI HANDLE OpenProcess(DWORD desiredAccess, BOOL inheritHandle, DWORD processId);
MFPAPI HANDLE GetCurrentProcess(void);
MFPAPI DWORD GetCurrentProcessId(void);
