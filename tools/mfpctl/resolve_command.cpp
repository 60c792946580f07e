// mfpctl resolve: the device address of a printer, as the driver libraries resolve it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "command.h"
#include "json.h"

using namespace mfpctl;

namespace {

int RunResolve(const Arguments &arguments);

const CommandGroup kResolveGroup{
    "resolve", "the device address of a printer",
    "usage: mfpctl resolve PRINTER [--brand N] [--fresh] [--no-family-check] [--json] [-v]\n"
    "\n"
    "Resolves the printer's device address the way the driver libraries do and prints it with\n"
    "the result code: 0 address found, 10 no usable record or port kind, 50 known port kind\n"
    "but no address.\n"
    "\n"
    "  --brand N          brand code (3: the partner brand's discovery cache; default 0)\n"
    "  --fresh            ignore the printer's \"SNMPIPAddress\" data and skip the family check\n"
    "                     of local share ports\n"
    "  --no-family-check  do not ask share and server hosts for their sysObjectID\n"
    "  --json             one JSON object: printer, address, result, steps\n"
    "  -v                 also show which sources were consulted and which one decided\n"
    "\n"
    "exit: 0 address found, 1 printer not found or no address, 2 wrong usage.\n",
    RunResolve};

MFPCTL_COMMAND_GROUP(kResolveGroup);

bool ParseBrand(const std::string &text, int &brand)
{
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < -2147483647L || value > 2147483647L)
        return false;
    brand = static_cast<int>(value);
    return true;
}

void PrintJson(const std::string &printer, const char *address, int result, const mfpaddress::ResolveTrace &trace)
{
    std::cout << "{\"printer\": " << JsonQuote(printer) << ", \"address\": " << JsonQuote(address)
              << ", \"result\": " << result << ", \"steps\": [";
    for (size_t i = 0; i < trace.steps.size(); ++i)
        std::cout << (i ? ", " : "") << JsonQuote(trace.steps[i]);
    std::cout << "]}\n";
}

int RunResolve(const Arguments &arguments)
{
    Arguments args = arguments;
    const bool json = TakeFlag(args, "--json");
    const bool verbose = TakeFlag(args, "-v") || TakeFlag(args, "--verbose");
    const bool fresh = TakeFlag(args, "--fresh");
    const bool noFamilyCheck = TakeFlag(args, "--no-family-check");
    std::string brandText;
    int brand = 0;
    if (TakeOption(args, "--brand", brandText) && !ParseBrand(brandText, brand))
        return UsageError(kResolveGroup, "--brand needs a decimal number, not '" + brandText + "'");
    if (args.size() != 1)
        return UsageError(kResolveGroup, args.empty() ? "which printer?" : "one printer name only");
    if (!args[0].empty() && args[0][0] == '-')
        return UsageError(kResolveGroup, "unknown option '" + args[0] + "'");
    const std::string &printer = args[0];

    HANDLE handle = nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2(printer.c_str(), &handle);
    if (!record)
        return Failure("no printer named '" + printer + "'");
    char address[260] = {};
    mfpaddress::ResolveTrace trace;
    const int result = mfpaddress::ResolveDeviceAddress(record.get(), address, brand, handle, noFamilyCheck ? 0 : 1,
                                                        nullptr, fresh ? 1 : 0, &trace);
    record.reset();
    mfpaddress::CloseOpenedPrinter(handle);

    if (json) {
        PrintJson(printer, address, result, trace);
    } else {
        std::cout << "address " << (address[0] ? address : "(none)") << "\nresult " << result << "\n";
        if (verbose)
            for (const auto &step : trace.steps)
                std::cout << "  " << step << "\n";
    }
    return result == 0 ? kExitOk : kExitFailure;
}

}  // namespace
