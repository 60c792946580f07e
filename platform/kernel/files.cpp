// File attributes, copying files and reading the environment.
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "kernel/text_out.h"
#include "kernel/win_path.h"
#include "mfpwin/kernel.h"

namespace {

constexpr DWORD ErrorSharingViolation = 32;  // ERROR_SHARING_VIOLATION
constexpr DWORD ErrorEnvironmentVariableNotFound = 203;  // ERROR_ENVVAR_NOT_FOUND

DWORD ErrorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case EACCES:
    case EPERM:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_INVALID_FUNCTION;
    }
}

// Copies the open file `from` into the new file at `to`; the new file is removed on failure
// so that no half-written copy is left behind.
bool CopyContents(int from, const std::string &to, bool failIfExists, mode_t mode)
{
    int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0);
    int out = open(to.c_str(), flags, mode & 0777);
    if (out < 0)
        return false;
    char chunk[65536];
    for (;;) {
        ssize_t got = read(from, chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        for (ssize_t written = 0; got > 0 && written < got;) {
            ssize_t put = write(out, chunk + written, static_cast<size_t>(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0) {
                got = -1;
                break;
            }
            written += put;
        }
        if (got < 0) {
            int error = errno;
            close(out);
            unlink(to.c_str());
            errno = error;
            return false;
        }
    }
    if (close(out) != 0) {
        int error = errno;
        unlink(to.c_str());
        errno = error;
        return false;
    }
    return true;
}

}  // namespace

MFPAPI DWORD GetFileAttributesA(LPCSTR path)
{
    struct stat status {};
    if (!path || stat(mfpwin::ResolveWindowsPath(path).c_str(), &status) != 0) {
        SetLastError(path ? ErrorFromErrno(errno) : ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(status.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if ((status.st_mode & S_IWUSR) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

MFPAPI BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    if (!existingFile || !newFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    int from = open(mfpwin::ResolveWindowsPath(existingFile).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (from < 0 || fstat(from, &status) != 0 || S_ISDIR(status.st_mode)) {
        SetLastError(from < 0 ? ErrorFromErrno(errno) : ERROR_ACCESS_DENIED);
        if (from >= 0)
            close(from);
        return FALSE;
    }
    // An existing target keeps its own spelling; a new one is created as written.
    std::string target = mfpwin::ResolveWindowsPath(newFile).string();
    struct stat targetStatus {};
    if (stat(target.c_str(), &targetStatus) == 0 && targetStatus.st_dev == status.st_dev && targetStatus.st_ino == status.st_ino) {
        // Truncating the target would destroy the source.
        close(from);
        SetLastError(ErrorSharingViolation);
        return FALSE;
    }
    bool copied = CopyContents(from, target, failIfExists, status.st_mode);
    int error = errno;
    close(from);
    if (!copied) {
        SetLastError(ErrorFromErrno(error));
        return FALSE;
    }
    return TRUE;
}

MFPAPI DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size)
{
    const char *value = name ? std::getenv(name) : nullptr;
    if (!value) {
        SetLastError(ErrorEnvironmentVariableNotFound);
        return 0;
    }
    return mfpwin::CopyTextOut(value, buffer, size);
}
