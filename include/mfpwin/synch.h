// Kernel objects behind handles, waits, events and threads.
#pragma once

#include "types.h"

#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0x00000000u
#define WAIT_ABANDONED 0x00000080u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu
#define STILL_ACTIVE 259u

#define EVENT_MODIFY_STATE 0x0002u
#define EVENT_ALL_ACCESS (STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0x3)

#define CREATE_SUSPENDED 0x00000004u

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef DWORD(WINAPI *LPTHREAD_START_ROUTINE)(LPVOID parameter);

MFPAPI BOOL CloseHandle(HANDLE object);
MFPAPI DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
// Waits for any one (waitAll FALSE) or all (waitAll TRUE) of up to 64 objects.
MFPAPI DWORD WaitForMultipleObjects(DWORD count, const HANDLE *objects, BOOL waitAll, DWORD milliseconds);

// Named events are shared by every process that uses the same emulated root.
MFPAPI HANDLE CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, LPCSTR name);
MFPAPI HANDLE OpenEventA(DWORD desiredAccess, BOOL inheritHandle, LPCSTR name);
MFPAPI BOOL SetEvent(HANDLE event);
MFPAPI BOOL ResetEvent(HANDLE event);

MFPAPI HANDLE CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stackSize, LPTHREAD_START_ROUTINE startAddress,
                           LPVOID parameter, DWORD creationFlags, LPDWORD threadId);
MFPAPI DWORD ResumeThread(HANDLE thread);
MFPAPI BOOL GetExitCodeThread(HANDLE thread, LPDWORD exitCode);
MFPAPI HANDLE GetCurrentThread(void);
MFPAPI DWORD GetCurrentThreadId(void);
MFPAPI void Sleep(DWORD milliseconds);
MFPAPI DWORD GetTickCount(void);
MFPAPI ULONGLONG GetTickCount64(void);
