// Typed reads of registry values that tell a missing value from one of the wrong type, from an
// open key (one query per value) or from a key's values read at once.
#pragma once

#include <string>
#include <vector>

#include "reg_key.h"
#include "registry/bulk_read.h"

namespace mfpwin::spooler {

enum class ValueRead { Ok, Missing, WrongType };

// Every value of one key, as registry::ReadKeyValues or ReadSubkeysWithValues return them.
using KeyValues = std::vector<registry::ValueEntry>;

// REG_SZ or REG_EXPAND_SZ; the text ends at its first zero (a stored text may lack one).
ValueRead ReadText(const RegKey &key, const char *name, std::string &text);
ValueRead ReadText(const KeyValues &values, const char *name, std::string &text);
// REG_DWORD of exactly four bytes.
ValueRead ReadDword(const RegKey &key, const char *name, DWORD &value);
ValueRead ReadDword(const KeyValues &values, const char *name, DWORD &value);
// REG_MULTI_SZ; a single REG_SZ name is accepted as a list of one.
ValueRead ReadMultiText(const RegKey &key, const char *name, std::vector<std::string> &texts);
ValueRead ReadMultiText(const KeyValues &values, const char *name, std::vector<std::string> &texts);

}  // namespace mfpwin::spooler
