// Modules: loading shared libraries by name, their handles, entry points and file names.
//
// A module handle (HMODULE / HINSTANCE) is the address at which the module's image starts in
// memory, as on Windows, so the same handle names the module whether it came from LoadLibraryA,
// GetModuleHandleA or MfpModuleFromAddress. GetModuleHandleA(NULL) names the main program.
//
// Attach and detach: a library may export
//     BOOL MfpModuleAttach(HINSTANCE self);   // called once, after the first LoadLibraryA
//     void MfpModuleDetach(HINSTANCE self);   // called once, before the last FreeLibrary unloads it
// with C linkage. When MfpModuleAttach returns FALSE, LoadLibraryA unloads the library again and
// fails with ERROR_DLL_INIT_FAILED. A library linked at build time (not loaded by LoadLibraryA)
// gets neither call.
#pragma once

#include "types.h"

#ifndef ERROR_BAD_EXE_FORMAT
#define ERROR_BAD_EXE_FORMAT 193L
#endif
#ifndef ERROR_DLL_INIT_FAILED
#define ERROR_DLL_INIT_FAILED 1114L
#endif

// Callers cast the result of GetProcAddress to the function's real type; a pointer to
// "void (void)" converts to any function type without a cast-function-type warning.
typedef void (*FARPROC)(void);
typedef BOOL (*MfpModuleAttachProc)(HINSTANCE self);
typedef void (*MfpModuleDetachProc)(HINSTANCE self);

#define MFP_MODULE_ATTACH_NAME "MfpModuleAttach"
#define MFP_MODULE_DETACH_NAME "MfpModuleDetach"

// Loads the library (a path, or a file name searched as the system's dynamic loader does) and
// counts one reference; NULL with GetLastError() = ERROR_MOD_NOT_FOUND when it or a library it
// needs is not found, ERROR_PROC_NOT_FOUND when a symbol it needs is missing,
// ERROR_BAD_EXE_FORMAT when the file is no loadable library, ERROR_DLL_INIT_FAILED when its
// attach refuses.
MFPAPI HMODULE LoadLibraryA(LPCSTR fileName);
// Drops one reference; the last one detaches and unloads the library.
MFPAPI BOOL FreeLibrary(HMODULE module);
// An exported function or variable of the module (a name, not an ordinal); NULL with
// ERROR_PROC_NOT_FOUND when the module itself does not define it.
MFPAPI FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// The handle of a module already in the process, by file name (with or without directory,
// compared without case) or NULL for the main program. Counts no reference.
MFPAPI HMODULE GetModuleHandleA(LPCSTR moduleName);
// The module's full path. Returns its length; when it does not fit, the path is cut to
// size - 1 characters, terminated, size is returned and the error is ERROR_INSUFFICIENT_BUFFER.
MFPAPI DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// The module whose image contains the address (code or data), or NULL.
MFPAPI HMODULE MfpModuleFromAddress(const void *address);

// The module this code is compiled into: a library asks for its own handle (its resources,
// its module state) without knowing its file name.
static inline HMODULE MfpCurrentModule(void)
{
    static const char anchor = 0;
    return MfpModuleFromAddress(&anchor);
}
