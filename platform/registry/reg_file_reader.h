// Reading a .reg file into the list of changes it asks for, without touching the registry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mfpwin/registry.h"

namespace mfpwin::registry {

struct RegFileChange {
    enum Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue } kind;
    int line;                        // where the change is written, for messages
    HKEY root;                       // predefined root the key path starts from
    std::vector<std::string> names;  // key path below the root
    std::string valueName;           // kSetValue, kDeleteValue
    DWORD type = REG_NONE;           // kSetValue
    std::string data;                // kSetValue: bytes as stored
};

struct RegFileParse {
    bool ok = false;
    std::string error;  // "line N: ..." when not ok
    std::vector<RegFileChange> changes;
};

// The file's bytes in any of the accepted forms: "Windows Registry Editor Version 5.00" in
// UTF-16LE with byte-order mark or in UTF-8 (with or without one), or "REGEDIT4".
RegFileParse ParseRegFile(std::string_view fileBytes);

// The predefined root named by the first part of a key path written in a .reg file or on a
// command line (HKEY_LOCAL_MACHINE or HKLM, ...); nullptr when there is none.
HKEY RootByName(std::string_view name);

}  // namespace mfpwin::registry
