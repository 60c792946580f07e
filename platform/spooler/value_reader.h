// Typed reads of registry values that tell a missing value from one of the wrong type.
#pragma once

#include <string>
#include <vector>

#include "reg_key.h"

namespace mfpwin::spooler {

enum class ValueRead { Ok, Missing, WrongType };

// REG_SZ or REG_EXPAND_SZ; the text ends at its first zero (a stored text may lack one).
ValueRead ReadText(const RegKey &key, const char *name, std::string &text);
// REG_DWORD of exactly four bytes.
ValueRead ReadDword(const RegKey &key, const char *name, DWORD &value);
// REG_MULTI_SZ; a single REG_SZ name is accepted as a list of one.
ValueRead ReadMultiText(const RegKey &key, const char *name, std::vector<std::string> &texts);

}  // namespace mfpwin::spooler
