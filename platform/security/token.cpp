// Access tokens of processes: OpenProcessToken and GetTokenInformation (class TokenUser).
// The token user of a process is the identifier of the POSIX user who owns /proc/<pid>.
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "kernel/kernel_object.h"
#include "kernel/process_object.h"
#include "mfpwin/kernel.h"
#include "mfpwin/security.h"
#include "user_sid.h"

namespace {

class TokenObject : public mfpwin::KernelObject {
public:
    TokenObject(uint32_t uid, DWORD access) : uid_(uid), access_(access) {}
    bool Waitable() const override { return false; }
    bool WaitUntil(const mfpwin::Deadline &) override { return false; }
    uint32_t Uid() const { return uid_; }
    bool Allows(DWORD access) const { return (access_ & access) == access; }

private:
    uint32_t uid_;
    DWORD access_;
};

// The process a handle stands for, including the current-process pseudo handle; 0 when none.
pid_t ProcessIdOf(HANDLE process)
{
    if (process == GetCurrentProcess())
        return getpid();
    auto object = mfpwin::LookupHandleAs<mfpwin::ProcessObject>(process);
    return object ? object->Pid() : 0;
}

}  // namespace

MFPAPI BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token)
{
    if (!token) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    pid_t pid = ProcessIdOf(process);
    if (pid == 0)
        return FALSE;
    struct stat status {};
    if (stat(("/proc/" + std::to_string(pid)).c_str(), &status) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *token = mfpwin::InsertHandle(std::make_shared<TokenObject>(static_cast<uint32_t>(status.st_uid), desiredAccess));
    return TRUE;
}

MFPAPI BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS informationClass, LPVOID information,
                                DWORD informationLength, PDWORD returnLength)
{
    auto object = mfpwin::LookupHandleAs<TokenObject>(token);
    if (!object)
        return FALSE;
    if (!object->Allows(TOKEN_QUERY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (informationClass != TokenUser || !returnLength) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }

    const mfpwin::UserSid user = mfpwin::SidOfPosixUser(object->Uid());
    const DWORD sidLength = static_cast<DWORD>(8 + sizeof(DWORD) * user.subAuthorities.size());
    const DWORD needed = static_cast<DWORD>(sizeof(TOKEN_USER)) + sidLength;
    *returnLength = needed;
    if (!information || informationLength < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }

    // The identifier follows the record, which points at it.
    BYTE *sid = static_cast<BYTE *>(information) + sizeof(TOKEN_USER);
    sid[0] = SID_REVISION;
    sid[1] = static_cast<BYTE>(user.subAuthorities.size());
    std::memcpy(sid + 2, user.authority, sizeof user.authority);
    for (size_t i = 0; i < user.subAuthorities.size(); ++i) {
        DWORD value = user.subAuthorities[i];
        std::memcpy(sid + 8 + sizeof(DWORD) * i, &value, sizeof value);
    }
    TOKEN_USER record{};
    record.User.Sid = sid;
    record.User.Attributes = 0;
    std::memcpy(information, &record, sizeof record);
    return TRUE;
}
