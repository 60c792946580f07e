// Keys and values in the registry database, addressed by key identifiers. These functions run
// inside the caller's transaction (or as single statements); they never start one themselves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database.h"
#include "mfpwin/types.h"

namespace mfpwin::registry {

using KeyId = int64_t;

// The two keys every database holds from its creation.
constexpr KeyId kMachineKeyId = 1;  // HKEY_LOCAL_MACHINE
constexpr KeyId kUsersKeyId = 2;    // HKEY_USERS

struct SubkeyEntry {
    KeyId id;
    std::string name;
    std::string className;
    int64_t written;  // last write time, 100 ns units since 1601-01-01 (FILETIME)
};

struct ValueEntry {
    std::string name;
    DWORD type;
    std::string data;  // raw bytes
};

struct KeyInfo {
    std::string className;
    DWORD subkeys = 0;
    DWORD maxSubkeyName = 0;  // characters, without terminating zero
    DWORD maxSubkeyClass = 0;
    DWORD values = 0;
    DWORD maxValueName = 0;   // characters, without terminating zero
    DWORD maxValueData = 0;   // bytes
    int64_t written = 0;
};

int64_t FileTimeNow();

bool KeyExists(Database &db, KeyId key);
// The key's name as it was created.
std::string KeyName(Database &db, KeyId key);
std::optional<KeyId> FindSubkey(Database &db, KeyId parent, std::string_view name);
std::optional<KeyId> FindPath(Database &db, KeyId start, const std::vector<std::string> &names);
// Creates every missing key of the path below start; created tells whether the last one is new.
KeyId CreatePath(Database &db, KeyId start, const std::vector<std::string> &names, std::string_view className,
                 bool &created);

DWORD CountSubkeys(Database &db, KeyId key);
std::optional<SubkeyEntry> SubkeyAt(Database &db, KeyId key, DWORD index);
std::vector<SubkeyEntry> Subkeys(Database &db, KeyId key);  // sorted without regard to case
// Removes the key with every key and value below it.
void DeleteTree(Database &db, KeyId key);
// Removes every value and subkey of the key (and everything below), keeping the key itself.
void ClearKey(Database &db, KeyId key);

std::optional<ValueEntry> FindValue(Database &db, KeyId key, std::string_view name);
std::optional<ValueEntry> ValueAt(Database &db, KeyId key, DWORD index);
std::vector<ValueEntry> Values(Database &db, KeyId key);  // in the order they were first set
void SetValue(Database &db, KeyId key, std::string_view name, DWORD type, std::string_view data);
bool DeleteValue(Database &db, KeyId key, std::string_view name);

KeyInfo QueryKeyInfo(Database &db, KeyId key);

}  // namespace mfpwin::registry
