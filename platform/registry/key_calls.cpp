// Opening, creating, closing and deleting keys.
#include "key_handles.h"
#include "key_names.h"
#include "mfpwin/registry.h"
#include "store_error.h"

using namespace mfpwin::registry;

namespace {

bool IsEmpty(LPCSTR text) { return text == nullptr || *text == '\0'; }

std::vector<std::string> PathNames(LPCSTR subKey)
{
    if (subKey[0] == '\\')
        throw StoreError(ERROR_BAD_PATHNAME, "a subkey path cannot start with a backslash");
    std::vector<std::string> names;
    LSTATUS status = SplitKeyPath(subKey, names);
    if (status != ERROR_SUCCESS)
        throw StoreError(status, "bad subkey path");
    return names;
}

// The old forms take a path with one leading backslash, as 16-bit programs wrote them.
LPCSTR SkipLeadingBackslash(LPCSTR subKey) { return subKey && subKey[0] == '\\' ? subKey + 1 : subKey; }

}  // namespace

MFPAPI LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef parent = ResolveKey(hKey);
        KeyId key = parent.key;
        ReadTransaction snapshot(*parent.db);
        if (IsEmpty(lpSubKey)) {
            RequireLive(parent);
        } else {
            auto found = FindPath(*parent.db, parent.key, PathNames(lpSubKey));
            if (!found) {
                RequireLive(parent);
                return ERROR_FILE_NOT_FOUND;
            }
            key = *found;
        }
        *phkResult = NewKeyHandle(*parent.db, key, GrantedAccess(samDesired));
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (IsEmpty(lpSubKey)) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    return RegOpenKeyExA(hKey, SkipLeadingBackslash(lpSubKey), 0, MAXIMUM_ALLOWED, phkResult);
}

MFPAPI LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*Reserved*/, LPSTR lpClass, DWORD /*dwOptions*/,
                               REGSAM samDesired, struct _SECURITY_ATTRIBUTES * /*lpSecurityAttributes*/,
                               PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (phkResult == nullptr || lpSubKey == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef parent = ResolveKey(hKey);
        std::vector<std::string> names = PathNames(lpSubKey);
        Database &db = *parent.db;
        std::optional<KeyId> key = FindPath(db, parent.key, names);
        bool created = false;
        if (!key) {
            WriteTransaction transaction(db);
            RequireLive(parent);
            key = FindPath(db, parent.key, names);
            // Creating a subkey is a right of the key, not of the handle: a handle opened for
            // reading creates subkeys too, as on Windows.
            if (!key)
                key = CreatePath(db, parent.key, names, lpClass ? lpClass : "", created);
            transaction.Commit();
        } else if (names.empty()) {
            RequireLive(parent);
        }
        if (lpdwDisposition)
            *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        *phkResult = NewKeyHandle(db, *key, GrantedAccess(samDesired));
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (IsEmpty(lpSubKey)) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    return RegCreateKeyExA(hKey, SkipLeadingBackslash(lpSubKey), 0, nullptr, REG_OPTION_NON_VOLATILE, MAXIMUM_ALLOWED,
                           nullptr, phkResult, nullptr);
}

MFPAPI LSTATUS RegCloseKey(HKEY hKey)
{
    KeyId base = 0;
    std::vector<std::string> names;
    if (PredefinedRootPath(hKey, base, names))
        return ERROR_SUCCESS;
    return CloseKeyHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

MFPAPI LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey)
{
    if (lpSubKey == nullptr)
        return ERROR_INVALID_PARAMETER;
    return GuardedCall([&]() -> LSTATUS {
        KeyRef parent = ResolveKey(hKey);
        std::vector<std::string> names = PathNames(lpSubKey);
        Database &db = *parent.db;
        WriteTransaction transaction(db);
        RequireLive(parent);
        if (names.empty())
            RequireAccess(parent, DELETE);
        auto key = FindPath(db, parent.key, names);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
        if (IsPredefinedKey(db, *key) || CountSubkeys(db, *key) > 0)
            return ERROR_ACCESS_DENIED;
        DeleteTree(db, *key);
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegDeleteTreeA(HKEY hKey, LPCSTR lpSubKey)
{
    return GuardedCall([&]() -> LSTATUS {
        KeyRef parent = ResolveKey(hKey);
        Database &db = *parent.db;
        WriteTransaction transaction(db);
        RequireLive(parent);
        if (IsEmpty(lpSubKey)) {
            RequireAccess(parent, KEY_SET_VALUE | KEY_ENUMERATE_SUB_KEYS);
            ClearKey(db, parent.key);
        } else {
            auto key = FindPath(db, parent.key, PathNames(lpSubKey));
            if (!key)
                return ERROR_FILE_NOT_FOUND;
            if (IsPredefinedKey(db, *key))
                return ERROR_ACCESS_DENIED;
            DeleteTree(db, *key);
        }
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

MFPAPI LSTATUS RegFlushKey(HKEY hKey)
{
    // Every change is committed by the call that makes it; there is nothing left to write.
    return GuardedCall([&]() -> LSTATUS {
        RequireLive(ResolveKey(hKey));
        return ERROR_SUCCESS;
    });
}
