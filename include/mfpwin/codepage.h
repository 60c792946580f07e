// Code pages: the process's 8-bit ("ANSI") code page and conversions between 8-bit text and
// UTF-16. The ANSI code page follows the POSIX locale (see GetACP).
#pragma once

#include "types.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_ERR_INVALID_CHARS 0x00000080

#ifndef ERROR_NO_UNICODE_TRANSLATION
#define ERROR_NO_UNICODE_TRANSLATION 1113L
#endif

typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;

// The ANSI code page from the POSIX locale (LC_ALL, else LC_CTYPE, else LANG, read on every call):
// a UTF-8 locale gives 65001; an 8-bit locale gives the Windows code page of its language
// (pl_PL.ISO-8859-2 -> 1250, de_DE.ISO-8859-1 -> 1252, ru_RU.KOI8-R -> 1251, ...); "C", "POSIX"
// or no locale give 1252.
MFPAPI UINT GetACP(void);
// The OEM (console) code page that goes with GetACP (1250 -> 852, 1252 -> 850, 65001 -> 65001).
MFPAPI UINT GetOEMCP(void);
// Whether the code page can be converted here.
MFPAPI BOOL IsValidCodePage(UINT codePage);

// 8-bit text -> UTF-16. length -1 converts through the terminator (and counts it). With
// wideSize 0 returns the number of UTF-16 units needed; otherwise the number written, or 0 with
// ERROR_INSUFFICIENT_BUFFER when they do not fit. Invalid input becomes U+FFFD, or fails with
// ERROR_NO_UNICODE_TRANSLATION under MB_ERR_INVALID_CHARS.
MFPAPI int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int length, LPWSTR wide,
                               int wideSize);
// UTF-16 -> 8-bit text, with the same size protocol. Characters the code page lacks become the
// default character ('?' unless defaultChar is given) and set *usedDefaultChar; for CP_UTF8 both
// must be NULL.
MFPAPI int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int length, LPSTR multiByte,
                               int multiByteSize, LPCSTR defaultChar, LPBOOL usedDefaultChar);
