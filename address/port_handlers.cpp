#include "address/port_handlers.h"

#include <cstring>
#include <string>
#include <vector>

#include "address/address_text.h"
#include "address/discovery_cache.h"
#include "address/numeric_host.h"
#include "address/printer_record.h"
#include "address/tcpip_port_key.h"

namespace mfpaddress {

static constexpr const char *kWsdDevices = "SYSTEM\\CurrentControlSet\\Enum\\IPBusEnumRoot\\UMB";

// Looks the host up into a zero-filled buffer and copies that to address, so a name that does
// not resolve leaves the address empty.
static void StoreLookedUp(const std::string &host, char *address)
{
    char numeric[kAddressSize] = {};
    ResolveToNumericHost(host.c_str(), numeric);
    CopyBounded(address, kAddressSize, numeric);
}

// The text between the first '[' and the following ']' (to the end when there is no ']').
static std::string Bracketed(const std::string &text)
{
    const size_t open = text.find('[');
    if (open == std::string::npos)
        return text;
    const size_t close = text.find(']', open + 1);
    return text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

// A registry text value of at most 260 bytes (terminator included); other types, longer
// values and missing values are "not read".
static bool QueryText(HKEY key, const char *name, char (&value)[kAddressSize])
{
    std::memset(value, 0, sizeof value);
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(value), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || value[sizeof value - 1] != '\0') {
        std::memset(value, 0, sizeof value);
        return false;
    }
    return true;
}

// A registry text value of any length (size first, then the value).
static bool QueryLongText(HKEY key, const char *name, std::string &text)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    text = buffer.data();
    return true;
}

void ReadShareServer(const char *portName, char *address)
{
    char copy[kAddressSize] = {};
    CopyBounded(copy, kAddressSize, portName);  // 259 characters
    if (char *last = std::strrchr(copy, '\\'))
        *last = '\0';
    const std::string server = std::strlen(copy) > 2 ? copy + 2 : "";
    StoreLookedUp(server, address);
}

int ReadTcpIpPortAddress(const char *portName, char *address, int brandCode, ResolveTrace *trace)
{
    const std::string path = std::string(kLocalTcpIpPorts) + portName;
    int readResult = kNoRecordOrKind;
    HKEY key = nullptr;
    if (path.size() <= kMaxKeyPath &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        char value[kAddressSize];
        DWORD size = 0;
        if (RegQueryValueExA(key, "IPAddress", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size >= 7 &&
            QueryText(key, "IPAddress", value)) {
            CopyBounded(address, kAddressSize, value);
            readResult = kResolved;
            Note(trace, std::string("registry key: IPAddress ") + value);
        } else if (QueryText(key, "HostName", value)) {
            std::string host = value;
            if ((IsDottedQuadShape(value) || LooksLikeIPv6(value)) && host.find('[') != std::string::npos)
                host = Bracketed(host);
            CopyBounded(address, kAddressSize, host.c_str());
            readResult = 5;
            Note(trace, "registry key: HostName " + host);
        }
        RegCloseKey(key);
    } else {
        Note(trace, "registry key: no local TCP/IP port key");
    }

    if (readResult == 5) {
        char numeric[kAddressSize] = {};
        if (ResolveToNumericHost(address, numeric)) {
            CopyBounded(address, kAddressSize, numeric);
            Note(trace, std::string("name lookup: ") + numeric);
            return kResolved;
        }
        Note(trace, "name lookup: failed");
        return kNoAddress;
    }
    if (IsDottedQuad(address) || LooksLikeIPv6(address))
        return kResolved;
    if (ReadDiscoveryCache(portName, address, brandCode)) {
        Note(trace, std::string("discovery cache: ") + address);
        return kResolved;
    }
    Note(trace, "discovery cache: no entry");
    return kNoAddress;
}

void ReadUrlHost(const char *url, char *address)
{
    const char *slash = std::strchr(url, '/');
    std::string text;
    if (slash == nullptr)
        text = url;
    else if (slash[1] != '\0')
        text = slash + 2;
    const size_t firstColon = text.find(':');
    const bool twoColons = firstColon != std::string::npos && text.find(':', firstColon + 1) != std::string::npos;
    std::string host;
    if (twoColons || text.find(".ipv6-literal.net") != std::string::npos) {
        const size_t dot = text.find('.');
        const size_t open = text.find('[');
        // A bracketed literal wins over a dot that only belongs to the path behind it.
        if (open != std::string::npos && (dot == std::string::npos || open < dot))
            host = Bracketed(text);
        else if (dot != std::string::npos)
            host = text.substr(0, dot);
        else
            host = text;
        for (char &c : host)
            if (c == '-')
                c = ':';
    } else {
        host = text.substr(0, text.find('/'));
        host = host.substr(0, host.find(':'));
    }
    StoreLookedUp(host, address);
}

void ReadColonHost(const char *portName, char *address)
{
    const std::string port = portName;
    std::string host;
    if (port.find(']') != std::string::npos)
        host = port.find('[') != std::string::npos ? Bracketed(port) : std::string();
    else
        host = port.substr(0, port.rfind(':'));
    StoreLookedUp(host, address);
}

static std::string TrimBlanks(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int ReadWsdDeviceAddress(HANDLE printer, char *address, ResolveTrace *trace)
{
    HKEY devices = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWsdDevices, 0, KEY_READ, &devices) != ERROR_SUCCESS) {
        Note(trace, "WSD devices: no device registry");
        return kNoRecordOrKind;
    }
    char defName[260];
    ReadPrinterText(printer, "DefName", defName);
    int result = kNoRecordOrKind;
    for (DWORD index = 0;; ++index) {
        char name[1025] = {};
        DWORD length = 1024;
        const LSTATUS status = RegEnumKeyExA(devices, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            continue;
        HKEY device = nullptr;
        if (RegOpenKeyExA(devices, name, 0, KEY_READ, &device) != ERROR_SUCCESS)
            continue;
        std::string friendly;
        std::string location;
        // An empty friendly name would be "part of" every DefName.
        const bool matches = QueryLongText(device, "FriendlyName", friendly) &&
                             !(friendly = TrimBlanks(friendly)).empty() &&
                             std::strstr(defName, friendly.c_str()) != nullptr;
        const bool located = matches && QueryLongText(device, "LocationInformation", location);
        RegCloseKey(device);
        if (located) {
            ReadUrlHost(location.c_str(), address);
            Note(trace, "WSD device " + std::string(name) + " (" + friendly + ") at " + location);
            result = kResolved;
            break;
        }
    }
    RegCloseKey(devices);
    if (result != kResolved)
        Note(trace, "WSD devices: no device matches DefName");
    return result;
}

int ReadNetworkTcpIpPort(const char *portName, char *address, int brandCode, ResolveTrace *trace)
{
    const char *candidate = IsDottedQuadShape(portName) ? portName : portName + strnlen(portName, 3);
    char candidateCopy[kAddressSize] = {};
    CopyBounded(candidateCopy, kAddressSize, candidate);  // 259 characters
    CopyBounded(address, kAddressSize, candidateCopy);

    std::string path;
    HKEY key = nullptr;
    if (TcpIpPortKeyPath(portName, path) && RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &key) == ERROR_SUCCESS) {
        char value[kAddressSize];
        if (QueryText(key, "IP_Address", value)) {
            CopyBounded(address, kAddressSize, value);
            Note(trace, std::string("registry key: IP_Address ") + value);
        }
        RegCloseKey(key);
    }
    if (IsDottedQuad(address))
        return kResolved;
    if (ReadDiscoveryCache(portName, address, brandCode)) {
        Note(trace, std::string("discovery cache: ") + address);
        return kResolved;
    }
    return IsDottedQuad(candidateCopy) ? kNoAddress : kResolved;
}

}  // namespace mfpaddress
