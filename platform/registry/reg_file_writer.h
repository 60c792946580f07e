// Writing a key with everything below it as a .reg file, the way the registry editor does.
#pragma once

#include <string>

#include "database.h"
#include "key_store.h"
#include "mfpwin/types.h"

namespace mfpwin::registry {

// The whole file (header, keys in depth-first order with subkeys sorted, values in their
// order), encoded for format (MFP_REGFILE_UNICODE, _UTF8 or _REGEDIT4). keyPath is the key's
// full name as it appears in brackets ("HKEY_LOCAL_MACHINE\SOFTWARE\Vendor"). Values that a
// quoted string or dword: would not carry exactly are written as hex(type): so nothing is lost.
// Throws StoreError(ERROR_INVALID_DATA) for a key or value name with a line break, which no
// .reg file can carry.
std::string WriteRegFile(Database &db, KeyId key, const std::string &keyPath, DWORD format);

}  // namespace mfpwin::registry
