// Key and value names: compared without regard to ASCII case, kept as written; key paths are
// names joined by backslashes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mfpwin/types.h"

namespace mfpwin::registry {

// The name with ASCII letters upper-cased: the form names are compared and sorted by.
std::string FoldName(std::string_view name);

// Splits a subkey path into its names. A trailing backslash is ignored; an empty name inside
// the path or a name longer than 255 characters makes the path invalid. Returns ERROR_SUCCESS,
// ERROR_BAD_PATHNAME (leading backslash or empty name) or ERROR_INVALID_PARAMETER (too long).
LSTATUS SplitKeyPath(std::string_view path, std::vector<std::string> &names);

}  // namespace mfpwin::registry
