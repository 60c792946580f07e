// Reading, writing and deleting values of an open key.
#include "key_handles.h"
#include "mfpwin/registry.h"
#include "store_error.h"
#include "value_data.h"

using namespace mfpwin::registry;

static std::string_view ValueName(LPCSTR name) { return name ? std::string_view(name) : std::string_view(); }

MFPAPI LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD /*lpReserved*/, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData)
{
    if (lpData != nullptr && lpcbData == nullptr)
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_QUERY_VALUE);
        auto value = FindValue(*ref.db, ref.key, ValueName(lpValueName));
        if (!value) {
            RequireLive(ref);
            return ERROR_FILE_NOT_FOUND;
        }
        return CopyValueData(value->type, value->data, lpType, lpData, lpcbData);
    });
}

MFPAPI LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType, const BYTE *lpData,
                              DWORD cbData)
{
    if (lpData == nullptr && cbData != 0)
        return ERROR_NOACCESS;
    std::string_view name = ValueName(lpValueName);
    if (name.size() > MFP_REG_MAX_VALUE_NAME)
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_SET_VALUE);
        WriteTransaction transaction(*ref.db);
        RequireLive(ref);
        SetValue(*ref.db, ref.key, name, dwType,
                 std::string_view(reinterpret_cast<const char *>(lpData), lpData ? cbData : 0));
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    return GuardedCall([&]() -> LSTATUS {
        KeyRef ref = ResolveKey(hKey);
        RequireAccess(ref, KEY_SET_VALUE);
        WriteTransaction transaction(*ref.db);
        RequireLive(ref);
        if (!DeleteValue(*ref.db, ref.key, ValueName(lpValueName)))
            return ERROR_FILE_NOT_FOUND;
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}
