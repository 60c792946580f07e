// Printers, ports, WSD devices and discovery caches for resolver tests, written where a
// Windows machine keeps them (a registry import of a real set-up looks the same).
#pragma once

#include <string>

#include "mfpwin.h"

namespace spinetest {

inline constexpr DWORD kLocal = PRINTER_ATTRIBUTE_LOCAL;
inline constexpr DWORD kNetwork = PRINTER_ATTRIBUTE_NETWORK;

void SetText(HKEY root, const std::string &path, const char *name, const std::string &value);
void SetDword(HKEY root, const std::string &path, const char *name, DWORD value);

// A local printer (attributes as given) on the port.
void AddLocalPrinter(const std::string &name, const std::string &port, DWORD attributes = kLocal);
// A connection \\server\share on the port; its name is "\\server\share".
std::string AddConnection(const std::string &server, const std::string &share, const std::string &port);

// Printer data of the printer (REG_SZ unless a type is given).
void SetPrinterText(const std::string &printer, const char *valueName, const std::string &text);
void SetPrinterDword(const std::string &printer, const char *valueName, DWORD value);
bool HasPrinterData(const std::string &printer, const char *valueName);

// A standard TCP/IP port key with the given values (empty: value not written).
void AddTcpIpPort(const std::string &port, const std::string &ipAddress, const std::string &hostName = "");
// A WSD device below the Plug and Play registry.
void AddWsdDevice(const std::string &id, const std::string &friendlyName, const std::string &location);
// An entry of the per-user discovery cache of the brand.
void AddDiscoveryEntry(int brandCode, const std::string &port, const std::string &address);

// Resolves the printer (opened by name) as the query frame does; the address is returned too.
struct Resolution {
    int result = -1;
    std::string address;
};
Resolution Resolve(const std::string &printer, int brandCode = 0, int familyCheck = 1, int *latch = nullptr,
                   int fresh = 0);

}  // namespace spinetest
