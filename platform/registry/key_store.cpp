#include "key_store.h"

#include <chrono>
#include <unordered_map>

#include "key_names.h"

namespace mfpwin::registry {

namespace {

// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
constexpr int64_t kFileTimeEpochOffset = 11644473600LL;

// Enumeration walks a key one index at a time; the sorted lists are read once and reused until
// any connection changes the store.
struct EnumerationCache {
    Database::Stamp stamp{};
    std::unordered_map<KeyId, std::vector<SubkeyEntry>> subkeys;
    std::unordered_map<KeyId, std::vector<ValueEntry>> values;
};

// Lists of this many keys at most are kept per connection.
constexpr size_t kCachedLists = 64;

EnumerationCache &CacheFor(Database &db)
{
    thread_local std::unordered_map<std::string, EnumerationCache> caches;
    EnumerationCache &cache = caches[db.Path()];
    Database::Stamp now = db.CurrentStamp();
    if (!(cache.stamp == now) || cache.subkeys.size() + cache.values.size() > kCachedLists) {
        cache.subkeys.clear();
        cache.values.clear();
        cache.stamp = now;
    }
    return cache;
}

void TouchKey(Database &db, KeyId key)
{
    db.Prepare("UPDATE keys SET written = ?2 WHERE id = ?1").Bind(1, key).Bind(2, FileTimeNow()).Run();
}

}  // namespace

int64_t FileTimeNow()
{
    auto sinceUnix = std::chrono::system_clock::now().time_since_epoch();
    return (std::chrono::duration_cast<std::chrono::nanoseconds>(sinceUnix).count() / 100) +
           kFileTimeEpochOffset * 10000000LL;
}

bool KeyExists(Database &db, KeyId key)
{
    return db.Prepare("SELECT 1 FROM keys WHERE id = ?1").Bind(1, key).Step();
}

std::string KeyName(Database &db, KeyId key)
{
    Statement name = db.Prepare("SELECT name FROM keys WHERE id = ?1");
    name.Bind(1, key);
    return name.Step() ? name.Text(0) : std::string();
}

std::optional<KeyId> FindSubkey(Database &db, KeyId parent, std::string_view name)
{
    Statement find = db.Prepare("SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
    find.Bind(1, parent).Bind(2, FoldName(name));
    if (!find.Step())
        return std::nullopt;
    return find.Int(0);
}

std::optional<KeyId> FindPath(Database &db, KeyId start, const std::vector<std::string> &names)
{
    KeyId current = start;
    for (const auto &name : names) {
        auto next = FindSubkey(db, current, name);
        if (!next)
            return std::nullopt;
        current = *next;
    }
    return current;
}

KeyId CreatePath(Database &db, KeyId start, const std::vector<std::string> &names, std::string_view className,
                 bool &created)
{
    KeyId current = start;
    created = false;
    for (size_t i = 0; i < names.size(); ++i) {
        if (auto next = FindSubkey(db, current, names[i])) {
            current = *next;
            created = false;
            continue;
        }
        Statement insert = db.Prepare(
            "INSERT INTO keys(parent, name, fold, class, written) VALUES (?1, ?2, ?3, ?4, ?5) RETURNING id");
        insert.Bind(1, current).Bind(2, names[i]).Bind(3, FoldName(names[i]));
        insert.Bind(4, i + 1 == names.size() ? className : std::string_view()).Bind(5, FileTimeNow());
        insert.Step();
        current = insert.Int(0);
        created = true;
    }
    return current;
}

DWORD CountSubkeys(Database &db, KeyId key)
{
    Statement count = db.Prepare("SELECT count(*) FROM keys WHERE parent = ?1");
    count.Bind(1, key).Step();
    return static_cast<DWORD>(count.Int(0));
}

std::optional<SubkeyEntry> SubkeyAt(Database &db, KeyId key, DWORD index)
{
    ReadTransaction snapshot(db);
    EnumerationCache &cache = CacheFor(db);
    auto found = cache.subkeys.find(key);
    if (found == cache.subkeys.end())
        found = cache.subkeys.emplace(key, Subkeys(db, key)).first;
    if (index >= found->second.size())
        return std::nullopt;
    return found->second[index];
}

std::vector<SubkeyEntry> Subkeys(Database &db, KeyId key)
{
    std::vector<SubkeyEntry> result;
    Statement all = db.Prepare("SELECT id, name, class, written FROM keys WHERE parent = ?1 ORDER BY fold");
    all.Bind(1, key);
    while (all.Step())
        result.push_back(SubkeyEntry{all.Int(0), all.Text(1), all.Text(2), all.Int(3)});
    return result;
}

void DeleteTree(Database &db, KeyId key)
{
    ClearKey(db, key);
    db.Prepare("DELETE FROM keys WHERE id = ?1").Bind(1, key).Run();
}

void ClearKey(Database &db, KeyId key)
{
    db.Prepare("DELETE FROM vals WHERE key = ?1").Bind(1, key).Run();
    db.Prepare(
          "WITH RECURSIVE below(id) AS (SELECT id FROM keys WHERE parent = ?1"
          " UNION ALL SELECT keys.id FROM keys JOIN below ON keys.parent = below.id)"
          " DELETE FROM vals WHERE key IN below")
        .Bind(1, key)
        .Run();
    db.Prepare(
          "WITH RECURSIVE below(id) AS (SELECT id FROM keys WHERE parent = ?1"
          " UNION ALL SELECT keys.id FROM keys JOIN below ON keys.parent = below.id)"
          " DELETE FROM keys WHERE id IN below")
        .Bind(1, key)
        .Run();
}

std::optional<ValueEntry> FindValue(Database &db, KeyId key, std::string_view name)
{
    Statement find = db.Prepare("SELECT name, type, data FROM vals WHERE key = ?1 AND fold = ?2");
    find.Bind(1, key).Bind(2, FoldName(name));
    if (!find.Step())
        return std::nullopt;
    return ValueEntry{find.Text(0), static_cast<DWORD>(find.Int(1)), find.Blob(2)};
}

std::optional<ValueEntry> ValueAt(Database &db, KeyId key, DWORD index)
{
    ReadTransaction snapshot(db);
    EnumerationCache &cache = CacheFor(db);
    auto found = cache.values.find(key);
    if (found == cache.values.end())
        found = cache.values.emplace(key, Values(db, key)).first;
    if (index >= found->second.size())
        return std::nullopt;
    return found->second[index];
}

std::vector<ValueEntry> Values(Database &db, KeyId key)
{
    std::vector<ValueEntry> result;
    Statement all = db.Prepare("SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY seq");
    all.Bind(1, key);
    while (all.Step())
        result.push_back(ValueEntry{all.Text(0), static_cast<DWORD>(all.Int(1)), all.Blob(2)});
    return result;
}

void SetValue(Database &db, KeyId key, std::string_view name, DWORD type, std::string_view data)
{
    // An existing value keeps its place in the enumeration and the case of its first name.
    db.Prepare(
          "INSERT INTO vals(key, name, fold, type, data) VALUES (?1, ?2, ?3, ?4, ?5)"
          " ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data")
        .Bind(1, key)
        .Bind(2, name)
        .Bind(3, FoldName(name))
        .Bind(4, static_cast<int64_t>(type))
        .BindBlob(5, data.data(), data.size())
        .Run();
    TouchKey(db, key);
}

bool DeleteValue(Database &db, KeyId key, std::string_view name)
{
    Statement remove = db.Prepare("DELETE FROM vals WHERE key = ?1 AND fold = ?2 RETURNING 1");
    remove.Bind(1, key).Bind(2, FoldName(name));
    if (!remove.Step())
        return false;
    while (remove.Step()) {
    }
    TouchKey(db, key);
    return true;
}

KeyInfo QueryKeyInfo(Database &db, KeyId key)
{
    KeyInfo info;
    Statement self = db.Prepare("SELECT class, written FROM keys WHERE id = ?1");
    self.Bind(1, key);
    if (self.Step()) {
        info.className = self.Text(0);
        info.written = self.Int(1);
    }
    Statement subkeys = db.Prepare("SELECT count(*), coalesce(max(length(CAST(name AS BLOB))), 0),"
        " coalesce(max(length(CAST(class AS BLOB))), 0) FROM keys WHERE parent = ?1");
    subkeys.Bind(1, key).Step();
    info.maxSubkeyClass = static_cast<DWORD>(subkeys.Int(2));
    info.subkeys = static_cast<DWORD>(subkeys.Int(0));
    info.maxSubkeyName = static_cast<DWORD>(subkeys.Int(1));
    Statement values = db.Prepare(
        "SELECT count(*), coalesce(max(length(CAST(name AS BLOB))), 0), coalesce(max(length(data)), 0)"
        " FROM vals WHERE key = ?1");
    values.Bind(1, key).Step();
    info.values = static_cast<DWORD>(values.Int(0));
    info.maxValueName = static_cast<DWORD>(values.Int(1));
    info.maxValueData = static_cast<DWORD>(values.Int(2));
    return info;
}

}  // namespace mfpwin::registry
