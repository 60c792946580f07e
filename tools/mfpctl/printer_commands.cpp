// mfpctl printer: add, list, show and delete printers and printer connections; printer data.
#include <iostream>

#include "printer_access.h"
#include "printer_data_format.h"
#include "printer_subcommands.h"

using namespace mfpctl;

namespace {

const char *const kUsage =
    "usage:\n"
    "  mfpctl printer add NAME --port PORT --driver DRIVER [--share SHARE] [--attributes N]\n"
    "                     [--comment TEXT] [--location TEXT]\n"
    "      A local printer; a NAME of the form \\\\server\\share adds a printer connection.\n"
    "      The driver must be installed (mfpctl driver add). Attributes default to 0x40 (local),\n"
    "      0x48 (local, shared) with --share, and always include 0x10 (network) for connections.\n"
    "  mfpctl printer list [--json]\n"
    "      Local printers and the user's printer connections.\n"
    "  mfpctl printer show NAME [--json]\n"
    "      The printer's record, its driver's files and its printer data.\n"
    "  mfpctl printer delete NAME\n"
    "  mfpctl printer data get NAME VALUE [--json]\n"
    "  mfpctl printer data set NAME VALUE TYPE DATA...\n"
    "      TYPE: REG_SZ, REG_EXPAND_SZ, REG_DWORD (decimal or 0x..), REG_BINARY (hex digits),\n"
    "      REG_MULTI_SZ (one DATA word per entry).\n"
    "  mfpctl printer data delete NAME VALUE\n"
    "\n"
    "example:\n"
    "  mfpctl printer add Office --port IP_10.0.0.5 --driver \"Lumora Driver\"\n"
    "  mfpctl printer data set Office \"SNMP Community\" REG_SZ private\n";

int Run(const Arguments &args);

const CommandGroup kGroup{"printer", "printers, printer connections and printer data", kUsage, Run};
MFPCTL_COMMAND_GROUP(kGroup);

struct AddOptions {
    std::string name, port, driver, share, comment, location, attributes;
};

int AddConnection(const AddOptions &options, DWORD attributes)
{
    std::string name = options.name;
    if (ScopedPrinter(name).IsOpen())
        return Failure("cannot add the connection " + name + ": " + DescribeError(ERROR_PRINTER_ALREADY_EXISTS));
    if (!AddPrinterConnectionA(name.data()))
        return Failure("cannot add the connection " + name + ": " + DescribeError(GetLastError()));
    ScopedPrinter printer(name);
    std::string share = options.share, port = options.port, driver = options.driver, comment = options.comment,
                location = options.location;
    PRINTER_INFO_2A info{};
    info.pShareName = share.data();
    info.pPortName = port.data();
    info.pDriverName = driver.data();
    info.pComment = comment.data();
    info.pLocation = location.data();
    info.Attributes = attributes | PRINTER_ATTRIBUTE_NETWORK;
    if (!printer.IsOpen() || !SetPrinterA(printer.Handle(), 2, reinterpret_cast<LPBYTE>(&info), 0)) {
        const DWORD error = GetLastError();
        DeletePrinterConnectionA(name.data());
        return Failure("cannot set up the connection " + name + ": " + DescribeError(error));
    }
    std::cout << "added printer connection " << name << "\n";
    return kExitOk;
}

int AddLocal(const AddOptions &options, DWORD attributes)
{
    std::string name = options.name, share = options.share, port = options.port, driver = options.driver,
                comment = options.comment, location = options.location;
    PRINTER_INFO_2A info{};
    info.pPrinterName = name.data();
    info.pShareName = share.data();
    info.pPortName = port.data();
    info.pDriverName = driver.data();
    info.pComment = comment.data();
    info.pLocation = location.data();
    info.Attributes = attributes;
    info.Priority = 1;
    info.DefaultPriority = 1;
    HANDLE handle = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (!handle)
        return Failure("cannot add the printer " + name + ": " + DescribeError(GetLastError()));
    ClosePrinter(handle);
    std::cout << "added printer " << name << "\n";
    return kExitOk;
}

int Add(Arguments args)
{
    AddOptions options;
    TakeOption(args, "--port", options.port);
    TakeOption(args, "--driver", options.driver);
    TakeOption(args, "--share", options.share);
    TakeOption(args, "--comment", options.comment);
    TakeOption(args, "--location", options.location);
    const bool attributesGiven = TakeOption(args, "--attributes", options.attributes);
    if (args.size() != 1)
        return UsageError(kGroup, args.empty() ? "printer add needs a NAME" : "unexpected argument '" + args[1] + "'");
    options.name = args[0];
    if (options.port.empty() || options.driver.empty())
        return UsageError(kGroup, "printer add needs --port and --driver");
    DWORD attributes = options.share.empty() ? PRINTER_ATTRIBUTE_LOCAL
                                             : PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_SHARED;
    if (attributesGiven && !ParseDword(options.attributes, attributes))
        return UsageError(kGroup, "--attributes takes a number, e.g. 0x40");
    const bool connection = options.name.rfind("\\\\", 0) == 0;
    if (connection && !attributesGiven)
        attributes = PRINTER_ATTRIBUTE_NETWORK;
    return connection ? AddConnection(options, attributes) : AddLocal(options, attributes);
}

int Delete(Arguments args)
{
    if (args.size() != 1)
        return UsageError(kGroup, "printer delete takes one NAME");
    std::string name = args[0];
    if (name.rfind("\\\\", 0) == 0) {
        if (!DeletePrinterConnectionA(name.data()))
            return Failure("cannot delete the connection " + name + ": " + DescribeError(GetLastError()));
    } else {
        ScopedPrinter printer(name);
        if (!printer.IsOpen() || !DeletePrinter(printer.Handle()))
            return Failure("cannot delete the printer " + name + ": " + DescribeError(GetLastError()));
    }
    std::cout << "deleted " << name << "\n";
    return kExitOk;
}

int Run(const Arguments &args)
{
    if (args.empty())
        return UsageError(kGroup, "printer needs a subcommand");
    const std::string verb = args[0];
    Arguments rest(args.begin() + 1, args.end());
    if (verb == "add")
        return Add(rest);
    if (verb == "list")
        return PrinterList(kGroup, rest);
    if (verb == "show")
        return PrinterShow(kGroup, rest);
    if (verb == "delete")
        return Delete(rest);
    if (verb == "data")
        return PrinterData(kGroup, rest);
    return UsageError(kGroup, "unknown printer subcommand '" + verb + "'");
}

}  // namespace
