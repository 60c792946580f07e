#include "address/resolve_device_address.h"

#include <cstring>
#include <string>

#include "address/address_text.h"
#include "address/device_family.h"
#include "address/discovery_cache.h"
#include "address/numeric_host.h"
#include "address/port_handlers.h"
#include "address/port_kind.h"
#include "address/printer_record.h"

namespace mfpaddress {

namespace {

struct ResolveContext {
    HANDLE printer;
    int brandCode;
    int familyCheck;
    int *latch;
    int fresh;
    ResolveTrace *trace;
};

std::string FamilyCheckText(int check)
{
    switch (check) {
    case kFamilyKnown: return "known family";
    case kFamilyOtherOrSilent: return "other family or no answer";
    case kFamilyNoSession: return "no SNMP session";
    }
    return std::to_string(check);
}

// The discovery result that the configuration retrieval stored for the printer's current
// port; a pair stored for another port is stale and removed.
bool ReadDiscoveredPair(const char *portName, char *address, const ResolveContext &context)
{
    char originalPort[260];
    if (ReadPrinterText(context.printer, "Original Port", originalPort) && std::strcmp(originalPort, portName) == 0) {
        char discovered[260];
        if (ReadPrinterText(context.printer, "Discovered IP", discovered) && discovered[0] != '\0') {
            CopyBounded(address, kAddressSize, discovered);
            Note(context.trace, std::string("cached data: Discovered IP ") + discovered);
            return true;
        }
        return false;
    }
    // Deleting is a write to the printer's store; a value that is not there needs none.
    for (const char *name : {"Original Port", "Discovered IP"})
        if (HasPrinterData(context.printer, name))
            DeletePrinterDataA(context.printer, const_cast<char *>(name));
    return false;
}

int ResolveLocalPort(const char *portName, char *address, const ResolveContext &context)
{
    if (ReadDiscoveredPair(portName, address, context))
        return kResolved;
    const PortKind kind = ClassifyLocalPort(portName);
    Note(context.trace, std::string("port kind: ") + PortKindName(kind) + " (local printer)");
    switch (kind) {
    case PortKind::HttpUrl:
    case PortKind::HttpsUrl:
        ReadUrlHost(portName, address);
        return kResolved;
    case PortKind::IppUrl: {
        char novell[260];
        if (ReadPrinterText(context.printer, "NovellSNMPAddressAndPort", novell)) {
            const char *colon = std::strchr(novell, ':');
            if (colon != nullptr && colon > novell) {
                const std::string host(novell, static_cast<size_t>(colon - novell));
                CopyBounded(address, kAddressSize, host.c_str());
                Note(context.trace, "cached data: NovellSNMPAddressAndPort " + std::string(novell));
                return kResolved;
            }
        }
        Note(context.trace, "cached data: no usable NovellSNMPAddressAndPort");
        return kNoAddress;
    }
    case PortKind::IpPrefixed:
    case PortKind::TcpIp:
        return ReadTcpIpPortAddress(portName, address, context.brandCode, context.trace);
    case PortKind::Wsd:
        return ReadWsdDeviceAddress(context.printer, address, context.trace);
    case PortKind::Share: {
        ReadShareServer(portName, address);
        Note(context.trace, std::string("name lookup: share server -> ") + address);
        if (context.fresh == 1)
            return kResolved;
        const int check = CheckDeviceFamily(context.printer, address, context.familyCheck, context.latch);
        Note(context.trace, "family check: " + FamilyCheckText(check));
        return check == kFamilyKnown ? kResolved : check == kFamilyOtherOrSilent ? kNoAddress : kNoRecordOrKind;
    }
    case PortKind::HostWithColon:
        ReadColonHost(portName, address);
        Note(context.trace, std::string("name lookup: ") + address);
        return kResolved;
    case PortKind::HostOrAddress:
        CopyBounded(address, kAddressSize, portName);  // 259 characters
        return kResolved;
    default:
        return kNoRecordOrKind;
    }
}

int ResolveNetworkPort(const char *serverName, const char *portName, char *address, const ResolveContext &context)
{
    char numeric[kAddressSize] = {};
    const PortKind kind = ClassifyNetworkPort(portName, numeric);
    Note(context.trace, std::string("port kind: ") + PortKindName(kind) + " (connection)");
    switch (kind) {
    case PortKind::Wsd:
        return kNoAddress;
    case PortKind::IpPrefixed:
    case PortKind::TcpIp:
        return ReadNetworkTcpIpPort(portName, address, context.brandCode, context.trace);
    case PortKind::Share:
        ReadShareServer(portName, address);
        Note(context.trace, std::string("name lookup: share server -> ") + address);
        return kResolved;
    case PortKind::ResolvableHost:
        CopyBounded(address, kAddressSize, numeric);
        Note(context.trace, std::string("name lookup: ") + numeric);
        return kResolved;
    case PortKind::HostWithColon:
        ReadColonHost(portName, address);
        Note(context.trace, std::string("name lookup: ") + address);
        return kResolved;
    default: {
        const char *server = serverName != nullptr && strnlen(serverName, 2) == 2 ? serverName + 2 : "";
        const int check = CheckDeviceFamily(context.printer, server, context.familyCheck, nullptr);
        Note(context.trace, "family check of server " + std::string(server) + ": " + FamilyCheckText(check));
        if (check == kFamilyKnown) {
            char serverNumeric[kAddressSize] = {};
            if (ResolveToNumericHost(server, serverNumeric))
                CopyBounded(address, kAddressSize, serverNumeric);
            return kResolved;
        }
        if (check == kFamilyOtherOrSilent) {
            if (ReadDiscoveryCache(portName, address, context.brandCode)) {
                Note(context.trace, std::string("discovery cache: ") + address);
                return kResolved;
            }
            Note(context.trace, "discovery cache: no entry");
            return kNoAddress;
        }
        return kNoRecordOrKind;
    }
    }
}

}  // namespace

int ResolveDeviceAddress(const PRINTER_INFO_2A *record, char *address, int brandCode, HANDLE printer,
                         int familyCheck, int *unreachableLatch, int fresh, ResolveTrace *trace)
{
    if (record == nullptr || address == nullptr) {
        Note(trace, "no printer record");
        return kNoRecordOrKind;
    }
    if (fresh != 1) {
        char cached[260];
        if (ReadPrinterText(printer, "SNMPIPAddress", cached) && cached[0] != '\0') {
            CopyBounded(address, kAddressSize, cached);
            Note(trace, std::string("cached data: SNMPIPAddress ") + cached);
            return kResolved;
        }
    }
    const ResolveContext context{printer, brandCode, familyCheck, unreachableLatch, fresh, trace};
    const char *portName = record->pPortName != nullptr ? record->pPortName : "";
    int result;
    if (record->Attributes & PRINTER_ATTRIBUTE_LOCAL)
        result = ResolveLocalPort(portName, address, context);
    else if (record->Attributes & PRINTER_ATTRIBUTE_NETWORK)
        result = ResolveNetworkPort(record->pServerName, portName, address, context);
    else {
        Note(trace, "neither a local printer nor a connection");
        result = kNoRecordOrKind;
    }
    if (NeedsIPv6Repair(address)) {
        RestoreIPv6Literal(address);
        Note(trace, std::string("IPv6 literal restored: ") + address);
    }
    return result;
}

}  // namespace mfpaddress
