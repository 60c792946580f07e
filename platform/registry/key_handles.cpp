#include "key_handles.h"

#include <mutex>
#include <unordered_map>

#include "store_error.h"
#include "user_sid.h"

namespace mfpwin::registry {

namespace {

struct HandleEntry {
    std::string dbPath;
    KeyId key;
    REGSAM access;
};

struct HandleTable {
    std::mutex lock;
    std::unordered_map<uintptr_t, HandleEntry> entries;
    uintptr_t next = 0x10000;
};

HandleTable &Handles()
{
    static HandleTable *table = new HandleTable;  // outlives every static destructor that may close keys
    return *table;
}

}  // namespace

REGSAM GrantedAccess(REGSAM requested)
{
    REGSAM granted = requested & (KEY_ALL_ACCESS | KEY_WOW64_32KEY | KEY_WOW64_64KEY);
    if (requested & (GENERIC_ALL | MAXIMUM_ALLOWED))
        granted |= KEY_ALL_ACCESS;
    if (requested & GENERIC_READ)
        granted |= KEY_READ;
    if (requested & GENERIC_WRITE)
        granted |= KEY_WRITE;
    if (requested & GENERIC_EXECUTE)
        granted |= KEY_EXECUTE;
    return granted;
}

bool PredefinedRootPath(HKEY root, KeyId &base, std::vector<std::string> &names)
{
    names.clear();
    if (root == HKEY_LOCAL_MACHINE) {
        base = kMachineKeyId;
    } else if (root == HKEY_USERS) {
        base = kUsersKeyId;
    } else if (root == HKEY_CURRENT_USER) {
        base = kUsersKeyId;
        names = {CurrentUserSidText()};
    } else if (root == HKEY_CLASSES_ROOT) {
        base = kMachineKeyId;
        names = {"SOFTWARE", "Classes"};
    } else {
        return false;
    }
    return true;
}

bool IsPredefinedKey(Database &db, KeyId key)
{
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
        KeyId base = 0;
        std::vector<std::string> names;
        PredefinedRootPath(root, base, names);
        if (FindPath(db, base, names) == key)
            return true;
    }
    return false;
}

KeyRef ResolveKey(HKEY handle)
{
    KeyId base = 0;
    std::vector<std::string> names;
    if (PredefinedRootPath(handle, base, names)) {
        Database &db = CurrentDatabase();
        if (auto found = FindPath(db, base, names))
            return KeyRef{&db, *found, KEY_ALL_ACCESS, true};
        WriteTransaction transaction(db);
        bool created = false;
        KeyId key = CreatePath(db, base, names, "", created);
        transaction.Commit();
        return KeyRef{&db, key, KEY_ALL_ACCESS, true};
    }
    HandleEntry entry;
    {
        HandleTable &table = Handles();
        std::lock_guard guard(table.lock);
        auto found = table.entries.find(reinterpret_cast<uintptr_t>(handle));
        if (found == table.entries.end())
            throw StoreError(ERROR_INVALID_HANDLE, "not an open registry key");
        entry = found->second;
    }
    return KeyRef{&DatabaseAt(entry.dbPath), entry.key, entry.access, false};
}

void RequireAccess(const KeyRef &ref, REGSAM needed)
{
    if ((ref.access & needed) != needed)
        throw StoreError(ERROR_ACCESS_DENIED, "the key was not opened for this");
}

void RequireLive(const KeyRef &ref)
{
    if (!KeyExists(*ref.db, ref.key))
        throw StoreError(ERROR_KEY_DELETED, "the key has been deleted");
}

HKEY NewKeyHandle(Database &db, KeyId key, REGSAM access)
{
    HandleTable &table = Handles();
    std::lock_guard guard(table.lock);
    uintptr_t value = table.next;
    table.next += 4;
    table.entries.emplace(value, HandleEntry{db.Path(), key, access});
    return reinterpret_cast<HKEY>(value);
}

bool CloseKeyHandle(HKEY handle)
{
    HandleTable &table = Handles();
    std::lock_guard guard(table.lock);
    return table.entries.erase(reinterpret_cast<uintptr_t>(handle)) == 1;
}

}  // namespace mfpwin::registry
