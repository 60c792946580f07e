// mfpctl printer list / show: the spooler's records, as a table, as key-value lines or as JSON.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <sstream>

#include "json.h"
#include "printer_access.h"
#include "printer_data_format.h"
#include "printer_subcommands.h"

namespace mfpctl {

namespace {

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

std::string Kind(const PRINTER_INFO_2A &info) { return info.pServerName ? "connection" : "local"; }

void PrintListJson(const PRINTER_INFO_2A *printers, DWORD count, std::ostream &out)
{
    out << "[";
    for (DWORD i = 0; i < count; ++i) {
        const auto &p = printers[i];
        out << (i ? ",\n " : "\n ") << "{\"name\": " << JsonQuote(Field(p.pPrinterName))
            << ", \"kind\": " << JsonQuote(Kind(p)) << ", \"port\": " << JsonQuote(Field(p.pPortName))
            << ", \"driver\": " << JsonQuote(Field(p.pDriverName)) << ", \"attributes\": " << p.Attributes << "}";
    }
    out << (count ? "\n]\n" : "]\n");
}

void PrintListTable(const PRINTER_INFO_2A *printers, DWORD count, std::ostream &out)
{
    size_t nameWidth = 4, portWidth = 4, driverWidth = 6;
    for (DWORD i = 0; i < count; ++i) {
        nameWidth = std::max(nameWidth, Field(printers[i].pPrinterName).size());
        portWidth = std::max(portWidth, Field(printers[i].pPortName).size());
        driverWidth = std::max(driverWidth, Field(printers[i].pDriverName).size());
    }
    auto pad = [](const std::string &text, size_t width) { return text + std::string(width + 2 - text.size(), ' '); };
    out << pad("NAME", nameWidth) << pad("PORT", portWidth) << pad("DRIVER", driverWidth) << "ATTRIBUTES  KIND\n";
    for (DWORD i = 0; i < count; ++i) {
        const auto &p = printers[i];
        out << pad(Field(p.pPrinterName), nameWidth) << pad(Field(p.pPortName), portWidth)
            << pad(Field(p.pDriverName), driverWidth) << Hex(p.Attributes) << "  " << Kind(p) << "\n";
    }
}

struct DataValue {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<DataValue> ReadAllPrinterData(HANDLE printer)
{
    std::vector<DataValue> values;
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = 0, dataSize = 0, type = 0;
        DWORD status = EnumPrinterDataA(printer, index, nullptr, 0, &nameSize, &type, nullptr, 0, &dataSize);
        if (status != ERROR_MORE_DATA && status != ERROR_SUCCESS)
            break;
        std::vector<char> name(nameSize);
        DataValue value{"", 0, std::vector<BYTE>(dataSize)};
        status = EnumPrinterDataA(printer, index, name.data(), nameSize, &nameSize, &value.type, value.data.data(),
                                  dataSize, &dataSize);
        if (status != ERROR_SUCCESS)
            break;
        value.name.assign(name.data(), strnlen(name.data(), name.size()));
        values.push_back(std::move(value));
    }
    return values;
}

// Field name and text of every text field of the record, in the record's order.
std::vector<std::pair<const char *, std::string>> TextFields(const PRINTER_INFO_2A &p)
{
    return {{"server", Field(p.pServerName)},   {"name", Field(p.pPrinterName)},
            {"share", Field(p.pShareName)},     {"port", Field(p.pPortName)},
            {"driver", Field(p.pDriverName)},   {"comment", Field(p.pComment)},
            {"location", Field(p.pLocation)},   {"separator_file", Field(p.pSepFile)},
            {"print_processor", Field(p.pPrintProcessor)}, {"datatype", Field(p.pDatatype)},
            {"parameters", Field(p.pParameters)}};
}

std::vector<std::pair<const char *, DWORD>> NumberFields(const PRINTER_INFO_2A &p)
{
    return {{"attributes", p.Attributes}, {"priority", p.Priority}, {"default_priority", p.DefaultPriority},
            {"start_time", p.StartTime},  {"until_time", p.UntilTime}, {"status", p.Status}};
}

std::vector<std::pair<const char *, std::string>> DriverFields(const DRIVER_INFO_3A &d)
{
    std::string dependents;
    for (LPCSTR file = d.pDependentFiles; file && *file; file += std::strlen(file) + 1)
        dependents += (dependents.empty() ? "" : ", ") + std::string(file);
    return {{"name", Field(d.pName)},           {"version", std::to_string(d.cVersion)},
            {"environment", Field(d.pEnvironment)}, {"driver_file", Field(d.pDriverPath)},
            {"data_file", Field(d.pDataFile)},  {"config_file", Field(d.pConfigFile)},
            {"help_file", Field(d.pHelpFile)},  {"dependent_files", dependents},
            {"monitor", Field(d.pMonitorName)}, {"datatype", Field(d.pDefaultDataType)}};
}

void PrintShowText(const PRINTER_INFO_2A &p, const DRIVER_INFO_3A *driver, const std::vector<DataValue> &data,
                   std::ostream &out)
{
    for (const auto &[name, text] : TextFields(p))
        if (std::strcmp(name, "server") != 0 || p.pServerName)  // local printers have no server
            out << name << ": " << text << "\n";
    for (const auto &[name, number] : NumberFields(p))
        out << name << ": " << (std::strcmp(name, "attributes") == 0 ? Hex(number) : std::to_string(number)) << "\n";
    out << "\ndriver:" << (driver ? "\n" : " not installed\n");
    if (driver)
        for (const auto &[name, text] : DriverFields(*driver))
            out << "  " << name << ": " << text << "\n";
    out << "\nprinter data:" << (data.empty() ? " none\n" : "\n");
    for (const auto &value : data)
        out << "  " << value.name << " (" << ValueTypeName(value.type) << "): " << FormatValue(value.type, value.data)
            << "\n";
}

void PrintShowJson(const PRINTER_INFO_2A &p, const DRIVER_INFO_3A *driver, const std::vector<DataValue> &data,
                   std::ostream &out)
{
    out << "{";
    const char *separator = "";
    for (const auto &[name, text] : TextFields(p))
        out << separator << "\"" << name << "\": " << JsonQuote(text), separator = ", ";
    for (const auto &[name, number] : NumberFields(p))
        out << ", \"" << name << "\": " << number;
    out << ",\n \"installed_driver\": ";
    if (driver) {
        separator = "{";
        for (const auto &[name, text] : DriverFields(*driver))
            out << separator << "\"" << name << "\": " << JsonQuote(text), separator = ", ";
        out << "}";
    } else {
        out << "null";
    }
    out << ",\n \"data\": [";
    separator = "";
    for (const auto &value : data)
        out << separator << "{\"name\": " << JsonQuote(value.name) << ", \"type\": "
            << JsonQuote(ValueTypeName(value.type)) << ", \"value\": " << JsonQuote(FormatValue(value.type, value.data))
            << "}",
            separator = ", ";
    out << "]}\n";
}

}  // namespace

int PrinterList(const CommandGroup &group, Arguments args)
{
    const bool json = TakeFlag(args, "--json");
    if (!args.empty())
        return UsageError(group, "printer list takes no NAME");
    std::vector<BYTE> buffer;
    DWORD count = 0;
    const bool read = ReadPacked(
        [&](LPBYTE data, DWORD size, LPDWORD needed) {
            return EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, data, size, needed, &count);
        },
        buffer);
    if (!read)
        return Failure("cannot list the printers: " + DescribeError(GetLastError()));
    const auto *printers = reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
    std::ostringstream out;  // one write: a large list leaves the process at once
    json ? PrintListJson(printers, count, out) : PrintListTable(printers, count, out);
    std::cout << out.str();
    return kExitOk;
}

int PrinterShow(const CommandGroup &group, Arguments args)
{
    const bool json = TakeFlag(args, "--json");
    if (args.size() != 1)
        return UsageError(group, "printer show takes one NAME");
    ScopedPrinter printer(args[0]);
    if (!printer.IsOpen())
        return Failure("cannot open the printer " + args[0] + ": " + DescribeError(GetLastError()));
    std::vector<BYTE> record, driver;
    if (!ReadPacked([&](LPBYTE d, DWORD s, LPDWORD n) { return GetPrinterA(printer.Handle(), 2, d, s, n); }, record))
        return Failure("cannot read the printer " + args[0] + ": " + DescribeError(GetLastError()));
    const bool hasDriver = ReadPacked(
        [&](LPBYTE d, DWORD s, LPDWORD n) { return GetPrinterDriverA(printer.Handle(), nullptr, 3, d, s, n); }, driver);
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(record.data());
    const auto *driverInfo = hasDriver ? reinterpret_cast<const DRIVER_INFO_3A *>(driver.data()) : nullptr;
    const auto data = ReadAllPrinterData(printer.Handle());
    json ? PrintShowJson(info, driverInfo, data, std::cout) : PrintShowText(info, driverInfo, data, std::cout);
    return kExitOk;
}

}  // namespace mfpctl
