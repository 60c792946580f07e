// A registry key that closes itself, with the typed reads and writes the spooler needs.
#pragma once

#include <string>
#include <vector>

#include "mfpwin/registry.h"

namespace mfpwin::spooler {

class RegKey {
public:
    RegKey() = default;
    ~RegKey();
    RegKey(RegKey &&other) noexcept;
    RegKey &operator=(RegKey &&other) noexcept;
    RegKey(const RegKey &) = delete;
    RegKey &operator=(const RegKey &) = delete;

    static LSTATUS Open(HKEY root, const std::string &path, REGSAM access, RegKey &out);
    // created: set to true when the key did not exist before.
    static LSTATUS Create(HKEY root, const std::string &path, RegKey &out, bool *created = nullptr);

    HKEY Handle() const { return key_; }

    // The value's type and bytes, however long.
    LSTATUS Query(const char *name, DWORD &type, std::vector<BYTE> &data) const;
    LSTATUS Set(const char *name, DWORD type, const void *data, DWORD size) const;
    LSTATUS SetText(const char *name, const std::string &text) const;
    LSTATUS SetDword(const char *name, DWORD value) const;
    LSTATUS SetMultiText(const char *name, const std::vector<std::string> &texts) const;

    // Names of the direct subkeys, in the registry's (sorted) order.
    std::vector<std::string> SubkeyNames() const;

private:
    HKEY key_ = nullptr;
};

}  // namespace mfpwin::spooler
