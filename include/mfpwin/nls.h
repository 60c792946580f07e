// Locale identifiers and locale information, taken from the POSIX locale of the process
// (LC_ALL, then the category variable, then LANG).
#pragma once

#include "types.h"

#define LANG_NEUTRAL 0x00
#define LANG_GERMAN 0x07
#define LANG_ENGLISH 0x09
#define LANG_POLISH 0x15
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_SYS_DEFAULT 0x02
#define SUBLANG_ENGLISH_US 0x01
#define SORT_DEFAULT 0x0
#define MAKELANGID(primary, sub) ((((WORD)(sub)) << 10) | (WORD)(primary))
#define PRIMARYLANGID(lang) ((WORD)(lang) & 0x3ff)
#define SUBLANGID(lang) ((WORD)(lang) >> 10)
#define MAKELCID(lang, sort) ((DWORD)((((DWORD)((WORD)(sort))) << 16) | ((DWORD)((WORD)(lang)))))
#define LANGIDFROMLCID(lcid) ((WORD)(lcid))

#define LOCALE_SYSTEM_DEFAULT 0x0800u
#define LOCALE_USER_DEFAULT 0x0400u
#define LOCALE_NEUTRAL 0x0000u

#define LOCALE_NOUSEROVERRIDE 0x80000000u
#define LOCALE_RETURN_NUMBER 0x20000000u
#define LOCALE_ILANGUAGE 0x00000001u
#define LOCALE_IDEFAULTCODEPAGE 0x0000000Bu
#define LOCALE_SLIST 0x0000000Cu
#define LOCALE_SDECIMAL 0x0000000Eu
#define LOCALE_STHOUSAND 0x0000000Fu
#define LOCALE_SSHORTDATE 0x0000001Fu
#define LOCALE_SISO639LANGNAME 0x00000059u
#define LOCALE_SISO3166CTRYNAME 0x0000005Au
#define LOCALE_STIMEFORMAT 0x00001003u
#define LOCALE_IDEFAULTANSICODEPAGE 0x00001004u

MFPAPI LCID GetUserDefaultLCID(void);
MFPAPI LANGID GetUserDefaultLangID(void);
MFPAPI LCID GetSystemDefaultLCID(void);
MFPAPI LANGID GetSystemDefaultLangID(void);
// Characters written including the terminator; with size 0 the size needed.
MFPAPI int GetLocaleInfoA(LCID locale, DWORD type, LPSTR data, int size);
