// Resources: string tables, dialog templates, bitmaps, icons and version blocks that a module
// carries (compiled from its .rc scripts and embedded by mfp_add_resources), found by type, name
// and language from the module's handle.
#pragma once

#include "codepage.h"
#include "nls.h"
#include "module.h"

#ifndef ERROR_RESOURCE_DATA_NOT_FOUND
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#define ERROR_RESOURCE_LANG_NOT_FOUND 1815L
#endif

#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA

#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_FONTDIR MAKEINTRESOURCEA(7)
#define RT_FONT MAKEINTRESOURCEA(8)
#define RT_ACCELERATOR MAKEINTRESOURCEA(9)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_MESSAGETABLE MAKEINTRESOURCEA(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCEA(12)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
#define RT_VERSION MAKEINTRESOURCEA(16)
#define RT_DLGINCLUDE MAKEINTRESOURCEA(17)
#define RT_ANICURSOR MAKEINTRESOURCEA(21)
#define RT_ANIICON MAKEINTRESOURCEA(22)
#define RT_HTML MAKEINTRESOURCEA(23)
#define RT_MANIFEST MAKEINTRESOURCEA(24)

// Language identifiers (MAKELANGID, LANG_*, SUBLANG_*) come from nls.h.

// NULL module = the main program. FindResourceA takes the user's language (with the fallback
// below); FindResourceExA the given one, falling back to its neutral forms, the user's default
// language, English (United States), then whatever the resource has. Errors:
// ERROR_RESOURCE_DATA_NOT_FOUND (module without resources), ..._TYPE_..., ..._NAME_NOT_FOUND.
MFPAPI HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
MFPAPI HRSRC FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language);
MFPAPI DWORD SizeofResource(HMODULE module, HRSRC resource);
// The resource's bytes stay in the module's image for as long as the module is loaded:
// LockResource returns a read-only pointer to them, FreeResource does nothing.
MFPAPI HGLOBAL LoadResource(HMODULE module, HRSRC resource);
MFPAPI LPVOID LockResource(HGLOBAL resourceData);
MFPAPI BOOL FreeResource(HGLOBAL resourceData);

// String id from the module's string table in the process's ANSI code page. Copies at most
// bufferMax - 1 bytes (never half a character) and terminates; returns the bytes copied, or 0
// (with an empty buffer) when the string does not exist.
MFPAPI int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);
// As LoadStringA in UTF-16; with bufferMax 0, *(const WCHAR **)buffer receives a read-only
// pointer to the (unterminated) text in the resource and its length is returned.
MFPAPI int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);

// Enumeration of a module's resource types, the names of one type, the languages of one
// resource, in the order of the compiled data (ascending: windres sorts by type, name and
// language); each distinct value once. Names and
// types are MAKEINTRESOURCE ordinals or ANSI texts valid during the callback. A callback that
// returns FALSE stops the enumeration, which then fails with ERROR_RESOURCE_ENUM_USER_STOP.
#ifndef ERROR_RESOURCE_ENUM_USER_STOP
#define ERROR_RESOURCE_ENUM_USER_STOP 15106L
#endif
typedef BOOL (*ENUMRESTYPEPROCA)(HMODULE module, LPSTR type, LONG_PTR param);
typedef BOOL (*ENUMRESNAMEPROCA)(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param);
typedef BOOL (*ENUMRESLANGPROCA)(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param);
MFPAPI BOOL EnumResourceTypesA(HMODULE module, ENUMRESTYPEPROCA callback, LONG_PTR param);
MFPAPI BOOL EnumResourceNamesA(HMODULE module, LPCSTR type, ENUMRESNAMEPROCA callback, LONG_PTR param);
MFPAPI BOOL EnumResourceLanguagesA(HMODULE module, LPCSTR type, LPCSTR name, ENUMRESLANGPROCA callback,
                                   LONG_PTR param);

// Icons: the RT_ICON id in an RT_GROUP_ICON directory that best fits the size (0, 0 = the
// system's standard 32 x 32), preferring the deepest colour among equal sizes; 0 when none.
#define LR_DEFAULTCOLOR 0x0000
MFPAPI int LookupIconIdFromDirectoryEx(const BYTE *directory, BOOL icon, int width, int height, UINT flags);
MFPAPI int LookupIconIdFromDirectory(const BYTE *directory, BOOL icon);

// Version blocks (VS_VERSIONINFO) of a module file, loaded or not: a path, or the file name
// of a loaded module.
typedef struct tagVS_FIXEDFILEINFO {
    DWORD dwSignature;  // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
} VS_FIXEDFILEINFO;

// Size of the buffer GetFileVersionInfoA needs; 0 with ERROR_FILE_NOT_FOUND (no such file) or
// ERROR_RESOURCE_DATA_NOT_FOUND / ..._TYPE_NOT_FOUND (no version block). *handle is set to 0.
MFPAPI DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle);
MFPAPI BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD handle, DWORD size, LPVOID data);
// "\\" gives the VS_FIXEDFILEINFO, "\\VarFileInfo\\Translation" the language/code-page pairs,
// "\\StringFileInfo\\<lang><codepage>\\<name>" a string value in the ANSI code page (length in
// characters including the terminator). The pointers point into the caller's block.
MFPAPI BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID *value, UINT *length);
