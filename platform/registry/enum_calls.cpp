// Enumerating subkeys and values, and the summary of a key.
#include <cstring>

#include "key_handles.h"
#include "mfpwin/registry.h"
#include "store_error.h"
#include "value_data.h"

using namespace mfpwin::registry;

namespace {

void StoreFileTime(struct _FILETIME *target, int64_t fileTime)
{
    if (target == nullptr)
        return;
    // FILETIME is two DWORDs, low half first.
    const DWORD halves[2] = {static_cast<DWORD>(fileTime & 0xffffffff), static_cast<DWORD>(fileTime >> 32)};
    std::memcpy(static_cast<void *>(target), halves, sizeof halves);
}

}  // namespace

MFPAPI LSTATUS RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD /*lpReserved*/,
                             LPSTR lpClass, LPDWORD lpcchClass, struct _FILETIME *lpftLastWriteTime)
{
    if (lpName == nullptr || lpcchName == nullptr || (lpClass != nullptr && lpcchClass == nullptr))
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_ENUMERATE_SUB_KEYS);
        auto entry = SubkeyAt(*ref.db, ref.key, dwIndex);
        if (!entry) {
            RequireLive(ref);
            return ERROR_NO_MORE_ITEMS;
        }
        LSTATUS status = CopyName(entry->name, lpName, lpcchName);
        if (status != ERROR_SUCCESS)
            return status;
        if (lpClass != nullptr) {
            status = CopyName(entry->className, lpClass, lpcchClass);
            if (status != ERROR_SUCCESS)
                return status;
        }
        StoreFileTime(lpftLastWriteTime, entry->written);
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegEnumKeyA(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD cchName)
{
    return RegEnumKeyExA(hKey, dwIndex, lpName, &cchName, nullptr, nullptr, nullptr, nullptr);
}

MFPAPI LSTATUS RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                             LPDWORD /*lpReserved*/, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpValueName == nullptr || lpcchValueName == nullptr || (lpData != nullptr && lpcbData == nullptr))
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_QUERY_VALUE);
        auto value = ValueAt(*ref.db, ref.key, dwIndex);
        if (!value) {
            RequireLive(ref);
            return ERROR_NO_MORE_ITEMS;
        }
        LSTATUS status = CopyName(value->name, lpValueName, lpcchValueName);
        if (status != ERROR_SUCCESS)
            return status;
        return CopyValueData(value->type, value->data, lpType, lpData, lpcbData);
    });
}

MFPAPI LSTATUS RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD /*lpReserved*/,
                                LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                                LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                                LPDWORD lpcbSecurityDescriptor, struct _FILETIME *lpftLastWriteTime)
{
    if (lpClass != nullptr && lpcchClass == nullptr)
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_QUERY_VALUE);
        KeyInfo info;
        {
            ReadTransaction snapshot(*ref.db);
            RequireLive(ref);
            info = QueryKeyInfo(*ref.db, ref.key);
        }
        LSTATUS status = ERROR_SUCCESS;
        if (lpClass != nullptr)
            status = CopyName(info.className, lpClass, lpcchClass);
        else if (lpcchClass != nullptr)
            *lpcchClass = static_cast<DWORD>(info.className.size());
        if (status != ERROR_SUCCESS) {
            *lpcchClass = static_cast<DWORD>(info.className.size());
            return status;
        }
        if (lpcSubKeys)
            *lpcSubKeys = info.subkeys;
        if (lpcbMaxSubKeyLen)
            *lpcbMaxSubKeyLen = info.maxSubkeyName;
        if (lpcbMaxClassLen)
            *lpcbMaxClassLen = info.maxSubkeyClass;
        if (lpcValues)
            *lpcValues = info.values;
        if (lpcbMaxValueNameLen)
            *lpcbMaxValueNameLen = info.maxValueName;
        if (lpcbMaxValueLen)
            *lpcbMaxValueLen = info.maxValueData;
        if (lpcbSecurityDescriptor)
            *lpcbSecurityDescriptor = 0;
        StoreFileTime(lpftLastWriteTime, info.written);
        return ERROR_SUCCESS;
    });
}
