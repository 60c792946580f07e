// A printer's level-2 record as the spooler keeps it in the registry.
#pragma once

#include <string>

#include "mfpwin/spooler.h"
#include "printer_location.h"
#include "reg_key.h"

namespace mfpwin::spooler {

struct PrinterRecord {
    bool hasServer = false;  // connections carry their server name; local printers none
    std::string serverName, printerName, shareName, portName, driverName, comment, location, sepFile,
        printProcessor, datatype, parameters;
    DWORD attributes = 0, priority = 0, defaultPriority = 0, startTime = 0, untilTime = 0, status = 0;
};

// Reads the record at the location. ERROR_INVALID_PRINTER_NAME when there is no such printer,
// ERROR_INVALID_DATA when a value has the wrong type. Missing values read as empty or 0.
// A connection always has the network attribute and never the local one.
DWORD ReadPrinterRecord(const PrinterLocation &where, PrinterRecord &record);

// Writes every field of the record into an open printer key.
DWORD WritePrinterRecord(const RegKey &key, const PrinterRecord &record);

// The record's fields taken from a caller's PRINTER_INFO_2A (null texts become empty).
PrinterRecord RecordFromInfo2(const PRINTER_INFO_2A &info);

}  // namespace mfpwin::spooler
