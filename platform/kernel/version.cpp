// GetVersionExA and GetVersion.
#include <cstring>

#include "kernel/windows_version.h"

// Both structure sizes are accepted, except that the Windows 9x family knows only the short
// one; any other size fails with ERROR_INSUFFICIENT_BUFFER, as on Windows.
MFPAPI BOOL GetVersionExA(LPOSVERSIONINFOA versionInfo)
{
    if (!versionInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const mfpwin::WindowsVersion version = mfpwin::CurrentWindowsVersion();
    const DWORD size = versionInfo->dwOSVersionInfoSize;
    const bool extended = size == sizeof(OSVERSIONINFOEXA);
    if (size != sizeof(OSVERSIONINFOA) && !(extended && version.platformId == VER_PLATFORM_WIN32_NT)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }

    versionInfo->dwMajorVersion = version.major;
    versionInfo->dwMinorVersion = version.minor;
    // On the Windows 9x family the high word of the build number repeats the version.
    versionInfo->dwBuildNumber = version.platformId == VER_PLATFORM_WIN32_WINDOWS
                                     ? (version.major << 24) | (version.minor << 16) | version.build
                                     : version.build;
    versionInfo->dwPlatformId = version.platformId;
    std::memset(versionInfo->szCSDVersion, 0, sizeof versionInfo->szCSDVersion);
    std::strncpy(versionInfo->szCSDVersion, version.servicePack.c_str(), sizeof versionInfo->szCSDVersion - 1);
    if (extended) {
        auto *ex = reinterpret_cast<LPOSVERSIONINFOEXA>(versionInfo);
        ex->wServicePackMajor = version.servicePackMajor;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = VER_NT_WORKSTATION;
        ex->wReserved = 0;
    }
    return TRUE;
}

MFPAPI DWORD GetVersion(void)
{
    const mfpwin::WindowsVersion version = mfpwin::CurrentWindowsVersion();
    DWORD high = version.build & 0x7FFF;
    if (version.platformId != VER_PLATFORM_WIN32_NT)
        high |= 0x8000;
    return (high << 16) | (version.minor << 8) | version.major;
}
