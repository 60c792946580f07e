// mfpctl printer data get|set|delete: one printer data value.
#include <iostream>

#include "json.h"
#include "printer_access.h"
#include "printer_data_format.h"
#include "printer_subcommands.h"

namespace mfpctl {

namespace {

int Get(const CommandGroup &group, Arguments args)
{
    const bool json = TakeFlag(args, "--json");
    if (args.size() != 2)
        return UsageError(group, "printer data get takes NAME VALUE");
    ScopedPrinter printer(args[0]);
    if (!printer.IsOpen())
        return Failure("cannot open the printer " + args[0] + ": " + DescribeError(GetLastError()));
    std::string valueName = args[1];
    DWORD type = 0, needed = 0;
    DWORD status = GetPrinterDataA(printer.Handle(), valueName.data(), &type, nullptr, 0, &needed);
    std::vector<BYTE> data(needed);
    if (status == ERROR_MORE_DATA || status == ERROR_SUCCESS)
        status = GetPrinterDataA(printer.Handle(), valueName.data(), &type, data.data(), needed, &needed);
    if (status != ERROR_SUCCESS)
        return Failure("cannot read \"" + valueName + "\" of " + args[0] + ": " + DescribeError(status));
    if (json)
        std::cout << "{\"name\": " << JsonQuote(valueName) << ", \"type\": " << JsonQuote(ValueTypeName(type))
                  << ", \"value\": " << JsonQuote(FormatValue(type, data)) << "}\n";
    else
        std::cout << FormatValue(type, data) << "\n";
    return kExitOk;
}

int Set(const CommandGroup &group, Arguments args)
{
    if (args.size() < 3)
        return UsageError(group, "printer data set takes NAME VALUE TYPE DATA...");
    DWORD type = 0;
    std::vector<BYTE> data;
    std::string error;
    if (!ParseTypedValue(args[2], Arguments(args.begin() + 3, args.end()), type, data, error))
        return UsageError(group, error);
    ScopedPrinter printer(args[0]);
    if (!printer.IsOpen())
        return Failure("cannot open the printer " + args[0] + ": " + DescribeError(GetLastError()));
    const DWORD status = SetPrinterDataA(printer.Handle(), args[1].data(), type, data.data(),
                                         static_cast<DWORD>(data.size()));
    if (status != ERROR_SUCCESS)
        return Failure("cannot write \"" + args[1] + "\" of " + args[0] + ": " + DescribeError(status));
    return kExitOk;
}

int Delete(const CommandGroup &group, Arguments args)
{
    if (args.size() != 2)
        return UsageError(group, "printer data delete takes NAME VALUE");
    ScopedPrinter printer(args[0]);
    if (!printer.IsOpen())
        return Failure("cannot open the printer " + args[0] + ": " + DescribeError(GetLastError()));
    const DWORD status = DeletePrinterDataA(printer.Handle(), args[1].data());
    if (status != ERROR_SUCCESS)
        return Failure("cannot delete \"" + args[1] + "\" of " + args[0] + ": " + DescribeError(status));
    return kExitOk;
}

}  // namespace

int PrinterData(const CommandGroup &group, Arguments args)
{
    if (args.empty())
        return UsageError(group, "printer data needs get, set or delete");
    const std::string verb = args[0];
    args.erase(args.begin());
    if (verb == "get")
        return Get(group, args);
    if (verb == "set")
        return Set(group, args);
    if (verb == "delete")
        return Delete(group, args);
    return UsageError(group, "unknown printer data subcommand '" + verb + "'");
}

}  // namespace mfpctl
