#include "address/windows_version.h"

#include "mfpwin.h"

namespace mfpaddress {

// The extended structure first, then the basic one, as older systems only know the latter.
static bool ReadVersion(OSVERSIONINFOEXA &version)
{
    version = {};
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA *>(&version)))
        return true;
    version = {};
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return GetVersionExA(reinterpret_cast<OSVERSIONINFOA *>(&version)) != FALSE;
}

bool IsWindows9x()
{
    OSVERSIONINFOEXA version;
    if (!ReadVersion(version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion == 4 &&
           (version.dwMinorVersion == 0 || version.dwMinorVersion == 10 || version.dwMinorVersion == 90);
}

bool IsWindowsNt4OrEarlier()
{
    OSVERSIONINFOEXA version;
    if (!ReadVersion(version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion <= 4;
}

}  // namespace mfpaddress
