#include "printer_location.h"

namespace mfpwin::spooler {

bool IsValidLocalPrinterName(const std::string &name)
{
    return !name.empty() && name.size() <= kMaxPrinterName && name.find_first_of("\\,") == std::string::npos;
}

static bool IsValidNamePart(const std::string &part)
{
    return !part.empty() && part.find_first_of("\\,") == std::string::npos;
}

static std::optional<PrinterLocation> ConnectionLocation(const std::string &server, const std::string &share)
{
    if (!IsValidNamePart(server) || !IsValidNamePart(share))
        return std::nullopt;
    PrinterLocation location;
    location.root = HKEY_CURRENT_USER;
    location.keyPath = std::string(kConnectionsKey) + "\\,," + server + "," + share;
    location.name = "\\\\" + server + "\\" + share;
    location.connection = true;
    location.server = server;
    location.share = share;
    if (location.name.size() > kMaxPrinterName)
        return std::nullopt;
    return location;
}

std::optional<PrinterLocation> LocatePrinter(const std::string &name)
{
    if (name.rfind("\\\\", 0) == 0) {
        const size_t separator = name.find('\\', 2);
        if (separator == std::string::npos)
            return std::nullopt;
        return ConnectionLocation(name.substr(2, separator - 2), name.substr(separator + 1));
    }
    if (!IsValidLocalPrinterName(name))
        return std::nullopt;
    PrinterLocation location;
    location.root = HKEY_LOCAL_MACHINE;
    location.keyPath = std::string(kPrintersKey) + "\\" + name;
    location.name = name;
    return location;
}

std::optional<PrinterLocation> LocateConnectionKey(const std::string &keyName)
{
    if (keyName.rfind(",,", 0) != 0)
        return std::nullopt;
    const size_t separator = keyName.find(',', 2);
    if (separator == std::string::npos)
        return std::nullopt;
    return ConnectionLocation(keyName.substr(2, separator - 2), keyName.substr(separator + 1));
}

}  // namespace mfpwin::spooler
