// Whole-key reads for the platform's own callers: every value of a key, or every subkey of a
// key with its values, each in one query and one snapshot instead of one call per value.
// Names, order, types and errors are those of the Reg*A calls; nothing here is exported.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "key_store.h"
#include "mfpwin/registry.h"

namespace mfpwin::registry {

struct SubkeyValues {
    std::string name;                // as created
    std::vector<ValueEntry> values;  // in the order they were first set
};

// The values of root\path (path may be empty: root itself), in the order they were first set.
// Errors as RegOpenKeyExA gives them: ERROR_FILE_NOT_FOUND, ERROR_KEY_DELETED, ERROR_BAD_PATHNAME,
// ERROR_INVALID_PARAMETER, ERROR_INVALID_HANDLE.
LSTATUS ReadKeyValues(HKEY root, std::string_view path, std::vector<ValueEntry> &values);

// The direct subkeys of root\path, sorted as RegEnumKeyExA lists them, each with its values.
// Same errors as ReadKeyValues.
LSTATUS ReadSubkeysWithValues(HKEY root, std::string_view path, std::vector<SubkeyValues> &subkeys);

// The value of that name (ASCII letter case ignored, as the registry compares names), or null.
const ValueEntry *FindValueIn(const std::vector<ValueEntry> &values, std::string_view name);

}  // namespace mfpwin::registry
