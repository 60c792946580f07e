// Adding and deleting printers and printer connections.
#include "driver_record.h"
#include "mfpwin/spooler.h"
#include "printer_handles.h"
#include "printer_record.h"
#include "spooler_error.h"

using namespace mfpwin::spooler;

namespace {

bool IsDriverInstalled(const std::string &driver)
{
    DriverRecord ignored;
    return ReadDriverRecord(*FindEnvironment(nullptr), driver, ignored) == ERROR_SUCCESS;
}

// Creates the printer's key and record; a key that already exists is left untouched.
DWORD CreatePrinter(const PrinterLocation &location, PrinterRecord record)
{
    RegKey key;
    bool created = false;
    if (LSTATUS status = RegKey::Create(location.root, location.keyPath, key, &created); status != ERROR_SUCCESS)
        return status;
    if (!created)
        return ERROR_PRINTER_ALREADY_EXISTS;
    if (record.printProcessor.empty())
        record.printProcessor = "winprint";
    if (record.datatype.empty())
        record.datatype = "RAW";
    DWORD error = WritePrinterRecord(key, record);
    RegKey data;
    if (error == ERROR_SUCCESS)
        error = RegKey::Create(location.root, location.DataKeyPath(), data);
    if (error != ERROR_SUCCESS)
        RegDeleteTreeA(location.root, location.keyPath.c_str());  // no half-made printer stays behind
    return error;
}

}  // namespace

MFPAPI HANDLE WINAPI AddPrinterA(LPSTR pName, DWORD Level, LPBYTE pPrinter)
{
    // Printers are added on this machine only; there are no remote print servers to add them to.
    if (pName != nullptr && *pName != '\0')
        return FailWith(ERROR_INVALID_NAME), nullptr;
    if (Level != 2)
        return FailWith(ERROR_INVALID_LEVEL), nullptr;
    if (pPrinter == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER), nullptr;
    const PrinterRecord record = RecordFromInfo2(*reinterpret_cast<const PRINTER_INFO_2A *>(pPrinter));
    if (!IsValidLocalPrinterName(record.printerName))
        return FailWith(ERROR_INVALID_PRINTER_NAME), nullptr;
    if (record.portName.empty())
        return FailWith(ERROR_UNKNOWN_PORT), nullptr;
    if (!IsDriverInstalled(record.driverName))
        return FailWith(ERROR_UNKNOWN_PRINTER_DRIVER), nullptr;
    const PrinterLocation location = *LocatePrinter(record.printerName);
    if (DWORD error = CreatePrinter(location, record); error != ERROR_SUCCESS)
        return FailWith(error), nullptr;
    return NewPrinterHandle(location);
}

MFPAPI BOOL WINAPI DeletePrinter(HANDLE hPrinter)
{
    const auto location = LookUpPrinterHandle(hPrinter);
    if (!location)
        return FALSE;
    if (RegDeleteTreeA(location->root, location->keyPath.c_str()) != ERROR_SUCCESS)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    return TRUE;
}

MFPAPI BOOL WINAPI DeletePrinterA(HANDLE hPrinter) { return DeletePrinter(hPrinter); }

MFPAPI BOOL WINAPI AddPrinterConnectionA(LPSTR pName)
{
    const auto location = LocatePrinter(pName ? pName : "");
    if (!location || !location->connection)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    RegKey key;
    bool created = false;
    if (LSTATUS status = RegKey::Create(location->root, location->keyPath, key, &created); status != ERROR_SUCCESS)
        return FailWith(status);
    if (!created)
        return TRUE;  // already connected
    const DWORD status[] = {
        static_cast<DWORD>(key.SetText("Server", "\\\\" + location->server)),
        static_cast<DWORD>(key.SetText("Provider", "win32spl.dll")),
        static_cast<DWORD>(key.SetDword("Attributes", PRINTER_ATTRIBUTE_NETWORK)),
    };
    for (DWORD error : status)
        if (error != ERROR_SUCCESS) {
            RegDeleteTreeA(location->root, location->keyPath.c_str());
            return FailWith(error);
        }
    return TRUE;
}

MFPAPI BOOL WINAPI DeletePrinterConnectionA(LPSTR pName)
{
    const auto location = LocatePrinter(pName ? pName : "");
    if (!location || !location->connection)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    if (RegDeleteTreeA(location->root, location->keyPath.c_str()) != ERROR_SUCCESS)
        return FailWith(ERROR_INVALID_PRINTER_NAME);
    return TRUE;
}
