// The printer's spooler record and its printer data, read the way the resolver and the query
// frame need them.
#pragma once

#include <memory>

#include "mfpwin.h"

namespace mfpaddress {

struct PrinterRecordFree {
    void operator()(PRINTER_INFO_2A *record) const;
};
using PrinterRecord = std::unique_ptr<PRINTER_INFO_2A, PrinterRecordFree>;

// The level-2 record of the printer. With a null *handle the printer is opened by name first;
// on success *handle is the handle in use, on failure a handle opened here is closed again and
// *handle is left as it came. Returns null on failure.
PrinterRecord GetPrinterInfo2(const char *printerName, HANDLE *handle);

// Printer handles that GetPrinterInfo2 opened by name and that are not closed yet.
int OpenedPrinterCount();
// Closes a handle that GetPrinterInfo2 opened by name.
void CloseOpenedPrinter(HANDLE handle);

// Reads the printer data value as text into a zero-filled 260-byte buffer with a 259-byte
// limit. Only text values (REG_SZ, REG_EXPAND_SZ) count; a missing value, a value of another
// type or one too long for the limit is "not read". A null handle reads nothing.
bool ReadPrinterText(HANDLE printer, const char *valueName, char (&buffer)[260]);

// True when the printer has a data value of that name, of whatever type and size.
bool HasPrinterData(HANDLE printer, const char *valueName);

}  // namespace mfpaddress
