// The Windows and system directories, short path names and the current directory.
#include <cerrno>
#include <system_error>
#include <unistd.h>

#include "kernel/text_out.h"
#include "kernel/win_path.h"
#include "mfpwin/kernel.h"
#include "root.h"

namespace {

constexpr DWORD ErrorDirectory = 267;  // ERROR_DIRECTORY: the name is not a directory

std::string WindowsDirectory()
{
    std::filesystem::path directory = mfpwin::RootDirectory() / "Windows";
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory.string();
}

std::string SystemDirectory()
{
    std::filesystem::path directory = mfpwin::RootDirectory() / "Windows" / "System32";
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory.string();
}

}  // namespace

MFPAPI UINT GetSystemDirectoryA(LPSTR buffer, UINT size) { return mfpwin::CopyTextOut(SystemDirectory(), buffer, size); }

MFPAPI UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) { return mfpwin::CopyTextOut(WindowsDirectory(), buffer, size); }

MFPAPI DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size)
{
    if (!longPath) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!*longPath || !mfpwin::WindowsPathExists(longPath)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    // Copied first: the caller may pass one buffer for both.
    std::string path = longPath;
    return mfpwin::CopyTextOut(path, shortPath, size);
}

MFPAPI DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    return mfpwin::CopyTextOut(current.string(), buffer, size);
}

MFPAPI BOOL SetCurrentDirectoryA(LPCSTR path)
{
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (chdir(mfpwin::ResolveWindowsPath(path).c_str()) != 0) {
        SetLastError(errno == ENOTDIR ? ErrorDirectory : errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}
