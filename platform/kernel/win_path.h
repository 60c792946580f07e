// Windows path texts on this system: "\" and "/" both separate components, and a component
// that does not exist with its exact spelling matches an entry that differs only in case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mfpwin {

// The text with every "\" turned into "/".
std::string WithForwardSlashes(const std::string &windowsPath);

// The existing file or directory the path names, matching each component without regard to
// case when the exact spelling is missing; the path as written when nothing matches.
std::filesystem::path ResolveWindowsPath(const std::string &windowsPath);

// Whether the path names an existing file or directory.
bool WindowsPathExists(const std::string &windowsPath);

}  // namespace mfpwin
