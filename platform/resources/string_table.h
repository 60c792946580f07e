// String tables: strings are stored in blocks of 16 (block id = string id / 16 + 1), each
// string a WORD count of UTF-16 units followed by the units; a count of 0 means no string.
#pragma once

#include <optional>
#include <string_view>

#include "mfpwin/types.h"

namespace mfpwin {

// The string's text inside the module's resources (not terminated), or nothing when the
// module has no such string; the error is then set.
std::optional<std::u16string_view> FindResourceString(HMODULE module, UINT id);

}  // namespace mfpwin
