// Private object identifiers of the device maker, written relative to the build's
// private-enterprise prefix (MFP_VENDOR_OID, a CMake cache variable).
#pragma once

#include <string>
#include <string_view>

namespace mfpaddress {

inline std::string_view VendorPrefix() { return MFP_VENDOR_OID; }

// "<prefix>.<suffix>", e.g. VendorOid("2.3.16") -> "1.3.6.1.4.1.<n>.2.3.16".
inline std::string VendorOid(std::string_view suffix)
{
    std::string oid(VendorPrefix());
    oid += '.';
    oid += suffix;
    return oid;
}

}  // namespace mfpaddress
