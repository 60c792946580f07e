// Security identifiers and access tokens. A process's token user is the identifier of the
// POSIX user who owns the process (S-1-5-21-0-0-0-<1000 + uid>).
#pragma once

#include "types.h"

typedef PVOID PSID;
typedef UCHAR *PUCHAR;

typedef struct _SID_IDENTIFIER_AUTHORITY {
    BYTE Value[6];
} SID_IDENTIFIER_AUTHORITY, *PSID_IDENTIFIER_AUTHORITY;

// The binary layout of a security identifier: revision 1, the number of sub-authorities, the
// authority (most significant byte first) and the sub-authorities.
typedef struct _SID {
    BYTE Revision;
    BYTE SubAuthorityCount;
    SID_IDENTIFIER_AUTHORITY IdentifierAuthority;
    DWORD SubAuthority[1];
} SID;

#define SID_REVISION 1
#define SID_MAX_SUB_AUTHORITIES 15

typedef struct _SID_AND_ATTRIBUTES {
    PSID Sid;
    DWORD Attributes;
} SID_AND_ATTRIBUTES;

typedef struct _TOKEN_USER {
    SID_AND_ATTRIBUTES User;
} TOKEN_USER, *PTOKEN_USER;

typedef enum _TOKEN_INFORMATION_CLASS {
    TokenUser = 1,
    TokenGroups,
    TokenPrivileges,
    TokenOwner,
} TOKEN_INFORMATION_CLASS;

#define TOKEN_DUPLICATE 0x0002u
#define TOKEN_QUERY 0x0008u
#define TOKEN_ALL_ACCESS 0x000F01FFu

MFPAPI BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token);
// Size-then-data protocol: a short buffer fails with ERROR_INSUFFICIENT_BUFFER and the size
// needed in *returnLength.
MFPAPI BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS informationClass, LPVOID information,
                                DWORD informationLength, PDWORD returnLength);

MFPAPI BOOL IsValidSid(PSID sid);
MFPAPI DWORD GetLengthSid(PSID sid);
MFPAPI PSID_IDENTIFIER_AUTHORITY GetSidIdentifierAuthority(PSID sid);
MFPAPI PUCHAR GetSidSubAuthorityCount(PSID sid);
MFPAPI PDWORD GetSidSubAuthority(PSID sid, DWORD index);
MFPAPI BOOL EqualSid(PSID first, PSID second);
MFPAPI BOOL CopySid(DWORD destinationLength, PSID destination, PSID source);
