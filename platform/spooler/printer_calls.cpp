// Opening printers and reading and changing their records.
#include <strings.h>

#include "mfpwin/spooler.h"
#include "printer_handles.h"
#include "printer_info.h"
#include "spooler_error.h"

using namespace mfpwin::spooler;

namespace {

// A connection opened as \\SRV\queue reads back as it was stored (\\srv\Queue).
PrinterLocation AsStored(const PrinterLocation &location)
{
    RegKey connections;
    if (!location.connection || RegKey::Open(location.root, kConnectionsKey, KEY_READ, connections) != ERROR_SUCCESS)
        return location;
    const std::string wanted = location.keyPath.substr(location.keyPath.rfind('\\') + 1);
    for (const auto &name : connections.SubkeyNames())
        if (strcasecmp(name.c_str(), wanted.c_str()) == 0)
            if (auto stored = LocateConnectionKey(name))
                return *stored;
    return location;
}

}  // namespace

MFPAPI BOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA /*pDefault*/)
{
    // The requested data type, device mode and access are accepted as given: every opener may
    // read and change what this spooler keeps.
    if (phPrinter == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    *phPrinter = nullptr;
    if (pPrinterName == nullptr)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    const auto location = LocatePrinter(pPrinterName);
    RegKey key;
    if (!location || RegKey::Open(location->root, location->keyPath, KEY_READ, key) != ERROR_SUCCESS)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    *phPrinter = NewPrinterHandle(AsStored(*location));
    return TRUE;
}

MFPAPI BOOL WINAPI ClosePrinter(HANDLE hPrinter)
{
    return ReleasePrinterHandle(hPrinter) ? TRUE : FailWith(ERROR_INVALID_HANDLE);
}

MFPAPI BOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded)
{
    const auto location = LookUpPrinterHandle(hPrinter);
    if (!location)
        return FALSE;
    if (pcbNeeded == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (!IsSupportedPrinterLevel(Level))
        return FailWith(ERROR_INVALID_LEVEL);
    PrinterRecord record;
    if (DWORD error = ReadPrinterRecord(*location, record); error != ERROR_SUCCESS)
        return FailWith(error);
    return SucceedOrFail(PackPrinterInfo(Level, {record}, pPrinter, cbBuf, *pcbNeeded));
}

MFPAPI BOOL WINAPI SetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD Command)
{
    const auto location = LookUpPrinterHandle(hPrinter);
    if (!location)
        return FALSE;
    if (Level != 2)
        return FailWith(ERROR_INVALID_LEVEL);
    if (pPrinter == nullptr || Command != 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    PrinterRecord record = RecordFromInfo2(*reinterpret_cast<const PRINTER_INFO_2A *>(pPrinter));
    if (!record.printerName.empty() && strcasecmp(record.printerName.c_str(), location->name.c_str()) != 0)
        return FailWith(ERROR_NOT_SUPPORTED);
    record.printerName = location->name;
    RegKey key;
    if (RegKey::Open(location->root, location->keyPath, KEY_ALL_ACCESS, key) != ERROR_SUCCESS)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    if (location->connection)
        record.attributes = (record.attributes | PRINTER_ATTRIBUTE_NETWORK) & ~DWORD{PRINTER_ATTRIBUTE_LOCAL};
    return SucceedOrFail(WritePrinterRecord(key, record));
}
