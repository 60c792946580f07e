// Finding the program a command line names. A name with a directory part is taken relative to
// the current directory; a bare name is searched, as Windows does, in the directory of the
// running program, the current directory, the system directory, the Windows directory and the
// directories of PATH. In each place the name is tried as written and, when it has no
// extension, with ".exe"; a name ending in ".exe" also finds a native program without it.
// Names match without regard to case.
#pragma once

#include <optional>
#include <string>

namespace mfpwin {

std::optional<std::string> FindProgram(const std::string &name, bool searchDirectories);

}  // namespace mfpwin
