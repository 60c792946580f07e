// The packed printer records (levels 1, 2 and 4) built from a printer's registry record.
#pragma once

#include <vector>

#include "printer_record.h"

namespace mfpwin::spooler {

bool IsSupportedPrinterLevel(DWORD level);

// Packs the records at the level into the caller's buffer (see PackRecords for the results).
DWORD PackPrinterInfo(DWORD level, const std::vector<PrinterRecord> &records, LPBYTE buffer, DWORD bufferSize,
                      DWORD &needed);

}  // namespace mfpwin::spooler
