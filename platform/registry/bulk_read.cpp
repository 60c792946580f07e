#include "bulk_read.h"

#include <algorithm>
#include <optional>

#include "key_handles.h"
#include "key_names.h"
#include "store_error.h"

namespace mfpwin::registry {

namespace {

// The key root\path, read inside the caller's snapshot; nothing when it does not exist.
std::optional<KeyId> FindKeyBelow(const KeyRef &base, std::string_view path)
{
    if (!path.empty() && path.front() == '\\')
        throw StoreError(ERROR_BAD_PATHNAME, "a subkey path cannot start with a backslash");
    std::vector<std::string> names;
    if (LSTATUS status = SplitKeyPath(path, names); status != ERROR_SUCCESS)
        throw StoreError(status, "bad subkey path");
    auto found = FindPath(*base.db, base.key, names);
    if (!found || names.empty())
        RequireLive(base);  // a deleted start key answers ERROR_KEY_DELETED, not "not found"
    return found;
}

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i]))
            return false;
    return true;
}

// Reorders values (read in name order) by their seqs: sorts positions, then moves each value once.
void PutInSettingOrder(std::vector<ValueEntry> &values, const std::vector<int64_t> &seqs)
{
    if (std::is_sorted(seqs.begin(), seqs.end()))
        return;
    std::vector<size_t> order(seqs.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return seqs[a] < seqs[b]; });
    std::vector<ValueEntry> sorted;
    sorted.reserve(values.size());
    for (size_t from : order)
        sorted.push_back(std::move(values[from]));
    values = std::move(sorted);
}

}  // namespace

LSTATUS ReadKeyValues(HKEY root, std::string_view path, std::vector<ValueEntry> &values)
{
    return GuardedCall([&]() -> LSTATUS {
        KeyRef base = ResolveKey(root);
        ReadTransaction snapshot(*base.db);
        auto key = FindKeyBelow(base, path);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
        values = Values(*base.db, *key);
        return ERROR_SUCCESS;
    });
}

LSTATUS ReadSubkeysWithValues(HKEY root, std::string_view path, std::vector<SubkeyValues> &subkeys)
{
    return GuardedCall([&]() -> LSTATUS {
        KeyRef base = ResolveKey(root);
        ReadTransaction snapshot(*base.db);
        auto key = FindKeyBelow(base, path);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
        // One row per value (one row with no value for a key without any), grouped by subkey.
        // Each subkey's values come in name order from the index and are put back in the order
        // they were first set here: cheaper than having SQLite sort every row.
        Statement rows = base.db->Prepare(
            "SELECT k.id, k.name, v.seq, v.name, v.type, v.data FROM keys AS k LEFT JOIN vals AS v ON v.key = k.id"
            " WHERE k.parent = ?1 ORDER BY k.fold");
        rows.Bind(1, *key);
        std::vector<SubkeyValues> result;
        std::vector<int64_t> seqs;  // the current subkey's values' places in the setting order
        KeyId current = 0;
        while (rows.Step()) {
            if (result.empty() || rows.Int(0) != current) {
                if (!result.empty())
                    PutInSettingOrder(result.back().values, seqs);
                current = rows.Int(0);
                result.push_back(SubkeyValues{rows.Text(1), {}});
                seqs.clear();
            }
            if (!rows.IsNull(2)) {
                seqs.push_back(rows.Int(2));
                result.back().values.push_back(ValueEntry{rows.Text(3), static_cast<DWORD>(rows.Int(4)), rows.Blob(5)});
            }
        }
        if (!result.empty())
            PutInSettingOrder(result.back().values, seqs);
        subkeys = std::move(result);
        return ERROR_SUCCESS;
    });
}

const ValueEntry *FindValueIn(const std::vector<ValueEntry> &values, std::string_view name)
{
    for (const auto &value : values)
        if (SameName(value.name, name))
            return &value;
    return nullptr;
}

}  // namespace mfpwin::registry
