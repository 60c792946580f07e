#include "reg_key.h"

#include <utility>

namespace mfpwin::spooler {

RegKey::~RegKey()
{
    if (key_)
        RegCloseKey(key_);
}

RegKey::RegKey(RegKey &&other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegKey &RegKey::operator=(RegKey &&other) noexcept
{
    if (this != &other) {
        if (key_)
            RegCloseKey(key_);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

LSTATUS RegKey::Open(HKEY root, const std::string &path, REGSAM access, RegKey &out)
{
    HKEY key = nullptr;
    const LSTATUS status = RegOpenKeyExA(root, path.c_str(), 0, access, &key);
    if (status == ERROR_SUCCESS)
        out = RegKey(), out.key_ = key;
    return status;
}

LSTATUS RegKey::Create(HKEY root, const std::string &path, RegKey &out, bool *created)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    const LSTATUS status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                           nullptr, &key, &disposition);
    if (status == ERROR_SUCCESS)
        out = RegKey(), out.key_ = key;
    if (created)
        *created = status == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    return status;
}

LSTATUS RegKey::Query(const char *name, DWORD &type, std::vector<BYTE> &data) const
{
    // Most values are short: one call with a small buffer, a second only when it did not fit.
    data.resize(256);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = static_cast<DWORD>(data.size());
        const LSTATUS status = RegQueryValueExA(key_, name, nullptr, &type, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            return status;
        }
        if (status != ERROR_MORE_DATA)
            return status;
        data.resize(size);  // the value may still grow between the calls: try again
    }
    return ERROR_MORE_DATA;
}

LSTATUS RegKey::Set(const char *name, DWORD type, const void *data, DWORD size) const
{
    return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE *>(data), size);
}

LSTATUS RegKey::SetText(const char *name, const std::string &text) const
{
    return Set(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

LSTATUS RegKey::SetDword(const char *name, DWORD value) const { return Set(name, REG_DWORD, &value, sizeof value); }

LSTATUS RegKey::SetMultiText(const char *name, const std::vector<std::string> &texts) const
{
    std::string joined;
    for (const auto &text : texts)
        joined.append(text).push_back('\0');
    joined.push_back('\0');
    return Set(name, REG_MULTI_SZ, joined.data(), static_cast<DWORD>(joined.size()));
}

std::vector<std::string> RegKey::SubkeyNames() const
{
    std::vector<std::string> names;
    char name[MFP_REG_MAX_KEY_NAME + 1];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LSTATUS status = RegEnumKeyExA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA)
            continue;  // longer than any key name may be: not one of ours
        if (status != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace mfpwin::spooler
