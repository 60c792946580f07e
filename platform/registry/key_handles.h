// Open registry handles (HKEY) and the predefined root keys they start from.
#pragma once

#include <string>
#include <vector>

#include "database.h"
#include "key_store.h"
#include "mfpwin/registry.h"

namespace mfpwin::registry {

// What a handle refers to: a key of one registry file, with the rights it was opened with.
struct KeyRef {
    Database *db;
    KeyId key;
    REGSAM access;
    bool predefined;
};

// The rights a requested access mask grants (generic rights and MAXIMUM_ALLOWED mapped to
// key rights).
REGSAM GrantedAccess(REGSAM requested);

// Where a predefined root lives: a key of the database and a path below it (HKEY_CURRENT_USER
// is HKEY_USERS\<the user's SID>, HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\SOFTWARE\Classes).
// False for a handle that is not a predefined root.
bool PredefinedRootPath(HKEY root, KeyId &base, std::vector<std::string> &names);

// True for the keys that stand for a predefined root (HKEY_LOCAL_MACHINE, HKEY_USERS and the
// keys of HKEY_CURRENT_USER and HKEY_CLASSES_ROOT), which cannot be deleted.
bool IsPredefinedKey(Database &db, KeyId key);

// Resolves a handle for a call. Throws StoreError(ERROR_INVALID_HANDLE) for an unknown handle.
// A predefined root whose key is missing is created first.
KeyRef ResolveKey(HKEY handle);

// Throws StoreError(ERROR_ACCESS_DENIED) unless the handle was opened with every right in needed.
void RequireAccess(const KeyRef &ref, REGSAM needed);
// Throws StoreError(ERROR_KEY_DELETED) when the handle's key no longer exists.
void RequireLive(const KeyRef &ref);

HKEY NewKeyHandle(Database &db, KeyId key, REGSAM access);
bool CloseKeyHandle(HKEY handle);

}  // namespace mfpwin::registry
