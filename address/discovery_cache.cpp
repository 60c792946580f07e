#include "address/discovery_cache.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "address/address_text.h"
#include "address/windows_version.h"

namespace mfpaddress {

const char *DiscoveryKeyPath(int brandCode)
{
    return brandCode == kPartnerBrand ? kPartnerDiscoveryKey : kMakerDiscoveryKey;
}

BOOL SidToText(PSID sid, LPSTR buffer, LPDWORD length)
{
    if (sid == nullptr || length == nullptr || !IsValidSid(sid))
        return FALSE;
    const DWORD count = *GetSidSubAuthorityCount(sid);
    const DWORD needed = count * 12 + 28;
    if (buffer == nullptr || *length < needed) {
        *length = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const BYTE *authority = GetSidIdentifierAuthority(sid)->Value;
    int written = std::snprintf(buffer, *length, "S-%lu-", 1UL);
    if (authority[0] != 0 || authority[1] != 0) {
        written += std::snprintf(buffer + written, *length - written, "0x%02hx%02hx%02hx%02hx%02hx%02hx",
                                 (unsigned short)authority[0], (unsigned short)authority[1],
                                 (unsigned short)authority[2], (unsigned short)authority[3],
                                 (unsigned short)authority[4], (unsigned short)authority[5]);
    } else {
        const unsigned long value = (static_cast<unsigned long>(authority[2]) << 24) |
                                    (static_cast<unsigned long>(authority[3]) << 16) |
                                    (static_cast<unsigned long>(authority[4]) << 8) | authority[5];
        written += std::snprintf(buffer + written, *length - written, "%lu", value);
    }
    for (DWORD i = 0; i < count; ++i)
        written += std::snprintf(buffer + written, *length - written, "-%lu",
                                 static_cast<unsigned long>(*GetSidSubAuthority(sid, i)));
    return TRUE;
}

// Reads the port's value of an open cache key into address; text values only.
static int QueryCacheValue(HKEY key, const char *portName, char *address)
{
    char value[kAddressSize] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, portName, nullptr, &type, reinterpret_cast<LPBYTE>(value), &size) != ERROR_SUCCESS)
        return 0;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return 0;
    if (value[sizeof value - 1] != '\0')  // 260 characters stored without a terminator
        return 0;
    CopyBounded(address, kAddressSize, value);
    return 1;
}

static int ReadUserCache(HKEY root, const std::string &path, const char *portName, char *address)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    const int found = QueryCacheValue(key, portName, address);
    RegCloseKey(key);
    return found;
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

// The text form of the identifier of the user who owns the desktop shell's window.
static bool ShellUserSidText(std::string &text)
{
    HWND shell = FindWindowA("Progman", nullptr);
    if (shell == nullptr)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(shell, &processId);
    OwnedHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (!process)
        return false;
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(process.get(), TOKEN_QUERY, &rawToken))
        return false;
    OwnedHandle token(rawToken);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size < sizeof(TOKEN_USER))
        return false;
    std::vector<unsigned char> user(size);
    if (!GetTokenInformation(token.get(), TokenUser, user.data(), size, &size))
        return false;
    PSID sid = reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid;
    DWORD length = 0;
    SidToText(sid, nullptr, &length);
    if (length == 0)
        return false;
    std::vector<char> buffer(length);
    if (!SidToText(sid, buffer.data(), &length))
        return false;
    text = buffer.data();
    return true;
}

int ReadDiscoveryCache(const char *portName, char *address, int brandCode)
{
    if (portName == nullptr || address == nullptr)
        return 0;
    const std::string path = DiscoveryKeyPath(brandCode);
    if (!IsWindowsNt4OrEarlier())
        return ReadUserCache(HKEY_CURRENT_USER, path, portName, address);
    std::string sidText;
    if (!ShellUserSidText(sidText))
        return 0;
    return ReadUserCache(HKEY_USERS, sidText + "\\" + path, portName, address);
}

}  // namespace mfpaddress
