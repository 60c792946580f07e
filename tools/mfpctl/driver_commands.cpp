// mfpctl driver add: installs a printer driver record (and copies given driver files).
#include <iostream>

#include "printer_access.h"
#include "printer_data_format.h"

using namespace mfpctl;

namespace {

const char *const kUsage =
    "usage:\n"
    "  mfpctl driver add NAME [--driver-file FILE] [--data-file FILE] [--config-file FILE]\n"
    "                         [--help-file FILE] [--dependent FILE]... [--monitor NAME]\n"
    "                         [--datatype TYPE] [--version N]\n"
    "      Installs the driver for the environment \"Windows x64\". A FILE given with a directory\n"
    "      is copied into the driver directory; a bare name is recorded as it is.\n"
    "      Defaults: --driver-file UNIDRV.DLL, --config-file UNIDRVUI.DLL, --help-file UNIDRV.HLP,\n"
    "      --datatype RAW, --version 3.\n"
    "  mfpctl driver directory\n"
    "      Prints the driver directory.\n";

int Run(const Arguments &args);

const CommandGroup kGroup{"driver", "printer drivers", kUsage, Run};
MFPCTL_COMMAND_GROUP(kGroup);

int Add(Arguments args)
{
    std::string driverFile = "UNIDRV.DLL", dataFile, configFile = "UNIDRVUI.DLL", helpFile = "UNIDRV.HLP", monitor,
                datatype = "RAW", version = "3", dependent;
    TakeOption(args, "--driver-file", driverFile);
    TakeOption(args, "--data-file", dataFile);
    TakeOption(args, "--config-file", configFile);
    TakeOption(args, "--help-file", helpFile);
    TakeOption(args, "--monitor", monitor);
    TakeOption(args, "--datatype", datatype);
    TakeOption(args, "--version", version);
    std::string dependentFiles;
    while (TakeOption(args, "--dependent", dependent))
        dependentFiles.append(dependent).push_back('\0');
    dependentFiles.push_back('\0');
    if (args.size() != 1)
        return UsageError(kGroup, args.empty() ? "driver add needs a NAME" : "unexpected argument '" + args[1] + "'");
    std::string name = args[0];
    DRIVER_INFO_3A info{};
    if (!ParseDword(version, info.cVersion))
        return UsageError(kGroup, "--version takes a number");
    info.pName = name.data();
    info.pDriverPath = driverFile.data();
    info.pDataFile = dataFile.data();
    info.pConfigFile = configFile.data();
    info.pHelpFile = helpFile.data();
    info.pDependentFiles = dependentFiles.data();
    info.pMonitorName = monitor.data();
    info.pDefaultDataType = datatype.data();
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info)))
        return Failure("cannot add the driver " + name + ": " + DescribeError(GetLastError()));
    std::cout << "added driver " << name << "\n";
    return kExitOk;
}

int Directory(const Arguments &args)
{
    if (!args.empty())
        return UsageError(kGroup, "driver directory takes no arguments");
    std::vector<BYTE> buffer;
    if (!ReadPacked([](LPBYTE d, DWORD s, LPDWORD n) { return GetPrinterDriverDirectoryA(nullptr, nullptr, 1, d, s, n); },
                    buffer))
        return Failure("cannot find the driver directory: " + DescribeError(GetLastError()));
    std::cout << reinterpret_cast<const char *>(buffer.data()) << "\n";
    return kExitOk;
}

int Run(const Arguments &args)
{
    if (args.empty())
        return UsageError(kGroup, "driver needs a subcommand");
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "add")
        return Add(rest);
    if (args[0] == "directory")
        return Directory(rest);
    return UsageError(kGroup, "unknown driver subcommand '" + args[0] + "'");
}

}  // namespace
