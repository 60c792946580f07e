// Open printer handles. A handle is a number the spooler hands out and looks up again; it is
// never dereferenced, so a stale or made-up handle is reported, not followed.
#pragma once

#include <optional>

#include "printer_location.h"

namespace mfpwin::spooler {

HANDLE NewPrinterHandle(const PrinterLocation &location);
// The printer behind an open handle; nothing (and ERROR_INVALID_HANDLE as last error) otherwise.
std::optional<PrinterLocation> LookUpPrinterHandle(HANDLE handle);
bool ReleasePrinterHandle(HANDLE handle);

}  // namespace mfpwin::spooler
