#include "address/printer_record.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace mfpaddress {

static std::atomic<int> openedPrinters{0};

void PrinterRecordFree::operator()(PRINTER_INFO_2A *record) const { std::free(record); }

int OpenedPrinterCount() { return openedPrinters.load(); }

void CloseOpenedPrinter(HANDLE handle)
{
    if (handle == nullptr)
        return;
    ClosePrinter(handle);
    --openedPrinters;
}

PrinterRecord GetPrinterInfo2(const char *printerName, HANDLE *handle)
{
    HANDLE inUse = *handle;
    const bool openedHere = inUse == nullptr;
    if (openedHere) {
        if (printerName == nullptr || !OpenPrinterA(const_cast<char *>(printerName), &inUse, nullptr))
            return nullptr;
        ++openedPrinters;
    }
    DWORD needed = 0;
    GetPrinterA(inUse, 2, nullptr, 0, &needed);
    PrinterRecord record;
    if (needed >= sizeof(PRINTER_INFO_2A)) {
        record.reset(static_cast<PRINTER_INFO_2A *>(std::calloc(1, needed)));
        if (record && !GetPrinterA(inUse, 2, reinterpret_cast<LPBYTE>(record.get()), needed, &needed))
            record.reset();
    }
    if (!record) {
        if (openedHere)
            CloseOpenedPrinter(inUse);
        return nullptr;
    }
    *handle = inUse;
    return record;
}

bool ReadPrinterText(HANDLE printer, const char *valueName, char (&buffer)[260])
{
    std::memset(buffer, 0, sizeof buffer);
    if (printer == nullptr)
        return false;
    DWORD type = REG_NONE;
    DWORD needed = 0;
    const DWORD status = GetPrinterDataA(printer, const_cast<char *>(valueName), &type,
                                         reinterpret_cast<LPBYTE>(buffer), sizeof buffer - 1, &needed);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        std::memset(buffer, 0, sizeof buffer);
        return false;
    }
    return true;
}

bool HasPrinterData(HANDLE printer, const char *valueName)
{
    if (printer == nullptr)
        return false;
    DWORD type = REG_NONE;
    DWORD needed = 0;
    return GetPrinterDataA(printer, const_cast<char *>(valueName), &type, nullptr, 0, &needed) != ERROR_FILE_NOT_FOUND;
}

}  // namespace mfpaddress
