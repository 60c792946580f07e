// mfpctl port add|list|delete: standard TCP/IP ports, kept where the port monitor keeps them.
#include <arpa/inet.h>

#include <cstring>

#include <iostream>

#include "json.h"
#include "printer_access.h"
#include "printer_data_format.h"

using namespace mfpctl;

namespace {

constexpr const char *kPortsKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports";
constexpr DWORD kProtocolRaw = 1;
constexpr DWORD kProtocolLpr = 2;

const char *const kUsage =
    "usage:\n"
    "  mfpctl port add NAME (--ip ADDRESS | --host HOSTNAME) [--port-number 9100]\n"
    "                       [--community public] [--lpr QUEUE]\n"
    "      A standard TCP/IP port (raw printing on the port number, or LPR to QUEUE).\n"
    "  mfpctl port list [--json]\n"
    "  mfpctl port delete NAME\n"
    "\n"
    "example:\n"
    "  mfpctl port add IP_10.0.0.5 --ip 10.0.0.5 --community private\n";

int Run(const Arguments &args);

const CommandGroup kGroup{"port", "standard TCP/IP printer ports", kUsage, Run};
MFPCTL_COMMAND_GROUP(kGroup);

bool IsNumericAddress(const std::string &text)
{
    unsigned char scratch[16];
    return inet_pton(AF_INET, text.c_str(), scratch) == 1 || inet_pton(AF_INET6, text.c_str(), scratch) == 1;
}

std::string PortKeyPath(const std::string &name) { return std::string(kPortsKey) + "\\" + name; }

LSTATUS SetText(HKEY key, const char *name, const std::string &text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LSTATUS SetDword(HKEY key, const char *name, DWORD value)
{
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
}

struct PortSettings {
    std::string ip, host, community = "public", queue;
    DWORD portNumber = 9100;
};

// The values the port monitor keeps for a port; the address that is not used stays empty.
LSTATUS WritePort(HKEY key, const PortSettings &port)
{
    const LSTATUS results[] = {
        SetDword(key, "Protocol", port.queue.empty() ? kProtocolRaw : kProtocolLpr),
        SetDword(key, "Version", 2),
        SetText(key, "HostName", port.host),
        SetText(key, "IPAddress", port.ip),
        SetText(key, "HWAddress", ""),
        SetDword(key, "PortNumber", port.portNumber),
        SetText(key, "Queue", port.queue),
        SetDword(key, "Double Spool", 0),
        SetText(key, "SNMP Community", port.community),
        SetDword(key, "SNMP Enabled", 1),
        SetDword(key, "SNMP Index", 1),
    };
    for (LSTATUS status : results)
        if (status != ERROR_SUCCESS)
            return status;
    return ERROR_SUCCESS;
}

int Add(Arguments args)
{
    PortSettings port;
    std::string portNumber;
    const bool hasIp = TakeOption(args, "--ip", port.ip);
    const bool hasHost = TakeOption(args, "--host", port.host);
    TakeOption(args, "--community", port.community);
    TakeOption(args, "--lpr", port.queue);
    if (TakeOption(args, "--port-number", portNumber) &&
        (!ParseDword(portNumber, port.portNumber) || port.portNumber == 0 || port.portNumber > 65535))
        return UsageError(kGroup, "--port-number takes a number from 1 to 65535");
    if (args.size() != 1)
        return UsageError(kGroup, args.empty() ? "port add needs a NAME" : "unexpected argument '" + args[1] + "'");
    const std::string name = args[0];
    if (name.empty() || name.size() > MFP_REG_MAX_KEY_NAME || name.find('\\') != std::string::npos)
        return UsageError(kGroup, "a port NAME is 1 to 255 characters without '\\'");
    if (hasIp == hasHost)
        return UsageError(kGroup, "port add needs exactly one of --ip and --host");
    if (hasIp && !IsNumericAddress(port.ip))
        return UsageError(kGroup, "'" + port.ip + "' is not an IPv4 or IPv6 address");
    if (hasHost && port.host.empty())
        return UsageError(kGroup, "--host needs a name");

    HKEY key = nullptr;
    DWORD disposition = 0;
    LSTATUS status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, PortKeyPath(name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, &disposition);
    if (status != ERROR_SUCCESS)
        return Failure("cannot create the port " + name + ": " + DescribeError(status));
    if (disposition != REG_CREATED_NEW_KEY) {
        RegCloseKey(key);
        return Failure("the port " + name + " already exists");
    }
    status = WritePort(key, port);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, PortKeyPath(name).c_str());
        return Failure("cannot write the port " + name + ": " + DescribeError(status));
    }
    std::cout << "added port " << name << "\n";
    return kExitOk;
}

std::string ReadText(HKEY key, const char *name)
{
    char text[1024] = {};
    DWORD size = sizeof text - 1, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(text), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return "";
    return std::string(text, strnlen(text, size));
}

int List(Arguments args)
{
    const bool json = TakeFlag(args, "--json");
    if (!args.empty())
        return UsageError(kGroup, "port list takes no arguments");
    HKEY ports = nullptr;
    std::vector<std::string> names;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPortsKey, 0, KEY_READ, &ports) == ERROR_SUCCESS) {
        char name[MFP_REG_MAX_KEY_NAME + 1];
        DWORD length = sizeof name;
        for (DWORD i = 0; RegEnumKeyExA(ports, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, length = sizeof name)
            names.emplace_back(name, length);
    }
    std::cout << (json ? "[" : "");
    for (size_t i = 0; i < names.size(); ++i) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(ports, names[i].c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        const std::string ip = ReadText(key, "IPAddress"), host = ReadText(key, "HostName");
        RegCloseKey(key);
        if (json)
            std::cout << (i ? ", " : "") << "{\"name\": " << JsonQuote(names[i]) << ", \"ip\": " << JsonQuote(ip)
                      << ", \"host\": " << JsonQuote(host) << "}";
        else
            std::cout << names[i] << "  " << (ip.empty() ? host : ip) << "\n";
    }
    std::cout << (json ? "]\n" : "");
    if (ports)
        RegCloseKey(ports);
    return kExitOk;
}

int Delete(const Arguments &args)
{
    if (args.size() != 1 || args[0].empty() || args[0].find('\\') != std::string::npos)
        return UsageError(kGroup, "port delete takes one NAME");
    if (LSTATUS status = RegDeleteTreeA(HKEY_LOCAL_MACHINE, PortKeyPath(args[0]).c_str()); status != ERROR_SUCCESS)
        return Failure("cannot delete the port " + args[0] + ": " +
                       (status == ERROR_FILE_NOT_FOUND ? "no such port" : DescribeError(status)));
    std::cout << "deleted port " << args[0] << "\n";
    return kExitOk;
}

int Run(const Arguments &args)
{
    if (args.empty())
        return UsageError(kGroup, "port needs a subcommand");
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "add")
        return Add(rest);
    if (args[0] == "list")
        return List(rest);
    if (args[0] == "delete")
        return Delete(rest);
    return UsageError(kGroup, "unknown port subcommand '" + args[0] + "'");
}

}  // namespace
