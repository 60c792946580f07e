// Which Windows the platform reports: Windows NT 10.0 by default; the environment variable
// MFP_WINVER selects another as "<family>:<major>.<minor>[.<build>]", the family being "nt"
// or "9x" (for example "nt:4.0", "nt:5.1", "9x:4.10", "9x:4.90"). A value that does not have
// that form is ignored and the default stays. Read afresh on every call.
#pragma once

#include <optional>
#include <string>

#include "mfpwin/kernel.h"

namespace mfpwin {

struct WindowsVersion {
    DWORD platformId;
    DWORD major;
    DWORD minor;
    DWORD build;
    std::string servicePack;
    WORD servicePackMajor;
};

WindowsVersion DefaultWindowsVersion();
// Empty when the text is not a version selection.
std::optional<WindowsVersion> ParseWindowsVersion(const std::string &text);
WindowsVersion CurrentWindowsVersion();

}  // namespace mfpwin
