// Where a printer's record lives in the registry, worked out from its spooler name.
#pragma once

#include <optional>
#include <string>

#include "mfpwin/registry.h"

namespace mfpwin::spooler {

inline constexpr const char *kPrintersKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
inline constexpr const char *kConnectionsKey = "Printers\\Connections";  // below HKEY_CURRENT_USER
inline constexpr const char *kPrinterDataSubkey = "PrinterDriverData";

// Longest printer name accepted, connections' \\server\share included.
inline constexpr size_t kMaxPrinterName = 220;

struct PrinterLocation {
    HKEY root = nullptr;      // HKEY_LOCAL_MACHINE for local printers, HKEY_CURRENT_USER for connections
    std::string keyPath;      // below root
    std::string name;         // the spooler name: "Office" or "\\server\share"
    bool connection = false;
    std::string server;       // connections only, without backslashes
    std::string share;        // connections only

    std::string DataKeyPath() const { return keyPath + "\\" + kPrinterDataSubkey; }
};

// True for a name that a local printer may carry: not empty, not too long, and free of the
// characters that separate servers, shares and registry keys.
bool IsValidLocalPrinterName(const std::string &name);

// The location of a local printer or (for "\\server\share") a connection; nothing when the
// name cannot name a printer.
std::optional<PrinterLocation> LocatePrinter(const std::string &name);

// The location of a connection from its key name under the connections key (",,server,share").
std::optional<PrinterLocation> LocateConnectionKey(const std::string &keyName);

}  // namespace mfpwin::spooler
