// Reading and copying security identifiers in their binary layout.
#include <cstring>

#include "mfpwin/kernel.h"
#include "mfpwin/security.h"

namespace {

constexpr size_t SidHeaderSize = 8;  // revision, count, six authority bytes

BYTE *Bytes(PSID sid) { return static_cast<BYTE *>(sid); }

}  // namespace

MFPAPI BOOL IsValidSid(PSID sid)
{
    if (!sid)
        return FALSE;
    const SID *header = static_cast<const SID *>(sid);
    return header->Revision == SID_REVISION && header->SubAuthorityCount <= SID_MAX_SUB_AUTHORITIES;
}

MFPAPI DWORD GetLengthSid(PSID sid)
{
    if (!IsValidSid(sid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return static_cast<DWORD>(SidHeaderSize + sizeof(DWORD) * static_cast<const SID *>(sid)->SubAuthorityCount);
}

MFPAPI PSID_IDENTIFIER_AUTHORITY GetSidIdentifierAuthority(PSID sid)
{
    if (!IsValidSid(sid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SetLastError(ERROR_SUCCESS);
    return &static_cast<SID *>(sid)->IdentifierAuthority;
}

MFPAPI PUCHAR GetSidSubAuthorityCount(PSID sid)
{
    if (!IsValidSid(sid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SetLastError(ERROR_SUCCESS);
    return &static_cast<SID *>(sid)->SubAuthorityCount;
}

// An index past the identifier's sub-authorities gives null instead of an address outside it.
MFPAPI PDWORD GetSidSubAuthority(PSID sid, DWORD index)
{
    if (!IsValidSid(sid) || index >= static_cast<const SID *>(sid)->SubAuthorityCount) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SetLastError(ERROR_SUCCESS);
    return reinterpret_cast<PDWORD>(Bytes(sid) + SidHeaderSize + sizeof(DWORD) * index);
}

MFPAPI BOOL EqualSid(PSID first, PSID second)
{
    if (!IsValidSid(first) || !IsValidSid(second)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetLengthSid(first);
    return length == GetLengthSid(second) && std::memcmp(first, second, length) == 0;
}

MFPAPI BOOL CopySid(DWORD destinationLength, PSID destination, PSID source)
{
    if (!IsValidSid(source) || !destination) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD length = GetLengthSid(source);
    if (destinationLength < length) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memmove(destination, source, length);
    return TRUE;
}
