#include "address/port_kind.h"

#include <cstring>

#include "address/address_text.h"
#include "address/numeric_host.h"
#include "address/tcpip_port_key.h"

namespace mfpaddress {

static bool Contains(const char *text, const char *part) { return std::strstr(text, part) != nullptr; }

const char *PortKindName(PortKind kind)
{
    switch (kind) {
    case PortKind::HttpUrl: return "HTTP URL";
    case PortKind::HttpsUrl: return "HTTPS URL";
    case PortKind::IppUrl: return "IPP URL";
    case PortKind::IpPrefixed: return "IP-prefixed port";
    case PortKind::Wsd: return "WSD port";
    case PortKind::TcpIp: return "standard TCP/IP port";
    case PortKind::Share: return "share name";
    case PortKind::HostWithColon: return "host with colon";
    case PortKind::HostOrAddress: return "host or address";
    case PortKind::ResolvableHost: return "resolvable host";
    case PortKind::ServerCheck: return "print server check";
    case PortKind::Unrecognized: return "unrecognized";
    }
    return "unrecognized";
}

PortKind ClassifyLocalPort(const char *portName)
{
    if (Contains(portName, "http://"))
        return PortKind::HttpUrl;
    if (Contains(portName, "https://"))
        return PortKind::HttpsUrl;
    if (Contains(portName, "ipp://") || Contains(portName, "/ipps/"))
        return PortKind::IppUrl;
    if (Contains(portName, "IP_"))
        return PortKind::IpPrefixed;
    if (Contains(portName, "WSD-"))
        return PortKind::Wsd;
    if (TcpIpPortKeyExists(portName))
        return PortKind::TcpIp;
    if (Contains(portName, "\\\\"))
        return PortKind::Share;
    if (Contains(portName, ":"))
        return PortKind::HostWithColon;
    char numeric[kAddressSize] = {};
    if (IsDottedQuad(portName) || ResolveToNumericHost(portName, numeric))
        return PortKind::HostOrAddress;
    return PortKind::Unrecognized;
}

PortKind ClassifyNetworkPort(const char *portName, char *numeric)
{
    if (Contains(portName, "WSD-"))
        return PortKind::Wsd;
    if (Contains(portName, "IP_") || IsDottedQuadShape(portName))
        return PortKind::IpPrefixed;
    if (TcpIpPortKeyExists(portName))
        return PortKind::TcpIp;
    if (Contains(portName, "\\\\"))
        return PortKind::Share;
    if (ResolveToNumericHost(portName, numeric))
        return PortKind::ResolvableHost;
    if (Contains(portName, ":"))
        return PortKind::HostWithColon;
    return PortKind::ServerCheck;
}

}  // namespace mfpaddress
