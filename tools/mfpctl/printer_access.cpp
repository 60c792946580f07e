#include "printer_access.h"

namespace mfpctl {

ScopedPrinter::ScopedPrinter(const std::string &name)
{
    std::string writable = name;
    if (!OpenPrinterA(writable.data(), &handle_, nullptr))
        handle_ = nullptr;
}

ScopedPrinter::~ScopedPrinter()
{
    if (handle_)
        ClosePrinter(handle_);
}

std::string DescribeError(DWORD error)
{
    struct Entry {
        DWORD code;
        const char *text;
    };
    static const Entry kTexts[] = {
        {ERROR_FILE_NOT_FOUND, "no such value"},
        {ERROR_ACCESS_DENIED, "access denied"},
        {ERROR_INVALID_DATA, "the stored record has a value of the wrong type"},
        {ERROR_INVALID_PARAMETER, "invalid parameter"},
        {ERROR_INVALID_NAME, "invalid name"},
        {ERROR_INVALID_PRINTER_NAME, "no such printer, or not a valid printer name"},
        {ERROR_PRINTER_ALREADY_EXISTS, "the printer already exists"},
        {ERROR_UNKNOWN_PRINTER_DRIVER, "the printer driver is not installed"},
        {ERROR_UNKNOWN_PORT, "no port given"},
        {ERROR_INVALID_ENVIRONMENT, "unknown driver environment"},
        {ERROR_CANTWRITE, "cannot write a file"},
    };
    for (const auto &entry : kTexts)
        if (entry.code == error)
            return std::string(entry.text) + " (error " + std::to_string(error) + ")";
    return "error " + std::to_string(error);
}

}  // namespace mfpctl
