// The job monitor's per-user cache of discovered printers: one value per port name holding
// the device address text, under a key chosen by brand.
#pragma once

#include "mfpwin.h"

namespace mfpaddress {

inline constexpr const char *kPartnerDiscoveryKey =
    "Software\\Delvane-vkor\\Delvane-vkor Client\\KV-JobWatch\\PrinterDiscovery";
inline constexpr const char *kMakerDiscoveryKey =
    "Software\\CORVALE\\Varnak CORVALE Client\\KV-JobWatch\\PrinterDiscovery";
inline constexpr int kPartnerBrand = 3;

// Key path below the user's hive: brand 3 the partner's, every other value the maker's.
const char *DiscoveryKeyPath(int brandCode);

// 1 when the cache has a text entry for the port name; the text (with its terminating zero)
// is then written into address (260 bytes). 0 otherwise, address untouched. On Windows NT 4.0
// and earlier the cache is read from the hive of the user who owns the desktop shell.
int ReadDiscoveryCache(const char *portName, char *address, int brandCode);

// The textual form of a security identifier ("S-1-5-21-1000"). FALSE for an invalid identifier;
// FALSE with ERROR_INSUFFICIENT_BUFFER and *length = the size needed when the buffer is short.
BOOL SidToText(PSID sid, LPSTR buffer, LPDWORD length);

}  // namespace mfpaddress
