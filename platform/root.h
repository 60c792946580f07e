// Where the emulated Windows installation lives: the directory named by MFP_ROOT (default
// $XDG_DATA_HOME/mfp, else ~/.local/share/mfp). Read afresh on every call, so a process (or a
// test) that changes MFP_ROOT works on the new root from then on.
#pragma once

#include <filesystem>

namespace mfpwin {

// The root directory, created (with its parents) when missing.
std::filesystem::path RootDirectory();

}  // namespace mfpwin
