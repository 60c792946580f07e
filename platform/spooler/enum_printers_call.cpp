// EnumPrintersA: the printers this machine knows, chosen by the enumeration flags.
//   PRINTER_ENUM_LOCAL, PRINTER_ENUM_NAME (no server name): every local printer
//   PRINTER_ENUM_SHARED: local printers with the shared attribute
//   PRINTER_ENUM_CONNECTIONS: the current user's printer connections
//   PRINTER_ENUM_NETWORK: every printer with the network attribute (connections and such
//     local printers)
//   PRINTER_ENUM_DEFAULT: the user's default printer
//   PRINTER_ENUM_REMOTE: nothing (there are no remote print servers)
// Flags combine as a union, each printer once: local printers first, then connections.
#include <strings.h>

#include <algorithm>

#include "mfpwin/spooler.h"
#include "printer_info.h"
#include "spooler_error.h"
#include "value_reader.h"

using namespace mfpwin::spooler;

namespace {

constexpr DWORD kKnownFlags = PRINTER_ENUM_DEFAULT | PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS |
                              PRINTER_ENUM_NAME | PRINTER_ENUM_REMOTE | PRINTER_ENUM_SHARED | PRINTER_ENUM_NETWORK;

// Records of the printers below one registry key; printers whose record cannot be read are
// left out (GetPrinterA on them reports why).
std::vector<PrinterRecord> RecordsBelow(HKEY root, const char *path, bool connections)
{
    std::vector<PrinterRecord> records;
    RegKey key;
    if (RegKey::Open(root, path, KEY_READ, key) != ERROR_SUCCESS)
        return records;
    for (const auto &name : key.SubkeyNames()) {
        const auto location = connections ? LocateConnectionKey(name) : LocatePrinter(name);
        PrinterRecord record;
        if (location && ReadPrinterRecord(*location, record) == ERROR_SUCCESS)
            records.push_back(std::move(record));
    }
    return records;
}

// The default printer is "Device" = "name,winspool,port" in the user's Windows settings.
std::string DefaultPrinterName()
{
    RegKey key;
    std::string device;
    if (RegKey::Open(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", KEY_READ, key) !=
            ERROR_SUCCESS ||
        ReadText(key, "Device", device) != ValueRead::Ok)
        return {};
    return device.substr(0, device.find(','));
}

bool Wanted(DWORD flags, const PrinterRecord &record, const std::string &defaultName, bool connection)
{
    if (!connection && (flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_NAME)))
        return true;
    if (!connection && (flags & PRINTER_ENUM_SHARED) && (record.attributes & PRINTER_ATTRIBUTE_SHARED))
        return true;
    if (connection && (flags & PRINTER_ENUM_CONNECTIONS))
        return true;
    if ((flags & PRINTER_ENUM_NETWORK) && (record.attributes & PRINTER_ATTRIBUTE_NETWORK))
        return true;
    return (flags & PRINTER_ENUM_DEFAULT) && !defaultName.empty() &&
           strcasecmp(defaultName.c_str(), record.printerName.c_str()) == 0;
}

std::vector<PrinterRecord> ChosenPrinters(DWORD flags)
{
    const std::string defaultName = flags & PRINTER_ENUM_DEFAULT ? DefaultPrinterName() : std::string();
    std::vector<PrinterRecord> chosen;
    for (const bool connections : {false, true}) {
        const auto records = connections ? RecordsBelow(HKEY_CURRENT_USER, kConnectionsKey, true)
                                         : RecordsBelow(HKEY_LOCAL_MACHINE, kPrintersKey, false);
        for (const auto &record : records)
            if (Wanted(flags, record, defaultName, connections))
                chosen.push_back(record);
    }
    return chosen;
}

}  // namespace

MFPAPI BOOL WINAPI EnumPrintersA(DWORD Flags, LPSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf,
                                 LPDWORD pcbNeeded, LPDWORD pcReturned)
{
    if (pcbNeeded == nullptr || pcReturned == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    *pcReturned = 0;
    if (!IsSupportedPrinterLevel(Level))
        return FailWith(ERROR_INVALID_LEVEL);
    if ((Flags & kKnownFlags) == 0)
        return FailWith(ERROR_INVALID_FLAGS);
    // A server name only counts with PRINTER_ENUM_NAME; this machine is the only server.
    if ((Flags & PRINTER_ENUM_NAME) && Name != nullptr && *Name != '\0')
        return FailWith(ERROR_INVALID_NAME);
    const auto printers = ChosenPrinters(Flags);
    if (DWORD error = PackPrinterInfo(Level, printers, pPrinterEnum, cbBuf, *pcbNeeded); error != ERROR_SUCCESS)
        return FailWith(error);
    *pcReturned = static_cast<DWORD>(printers.size());
    return TRUE;
}
