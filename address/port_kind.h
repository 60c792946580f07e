// What a printer's port name says about where the device is, tested in a fixed order.
#pragma once

namespace mfpaddress {

enum class PortKind {
    HttpUrl,
    HttpsUrl,
    IppUrl,
    IpPrefixed,       // "IP_10.1.2.3", or a dotted-quad shape on a connection
    Wsd,
    TcpIp,            // has a standard TCP/IP port key
    Share,            // "\\server\queue"
    HostWithColon,    // "host:port", "[fe80::1]:9100"
    HostOrAddress,    // local printers: a dotted quad or a name that resolves
    ResolvableHost,   // connections: a name that resolves
    ServerCheck,      // connections: none of the above; the print server is asked
    Unrecognized,
};

const char *PortKindName(PortKind kind);

// Local printers: URL kinds, IP_, WSD-, TCP/IP key, share, colon, host or address.
PortKind ClassifyLocalPort(const char *portName);

// Connections: WSD-, IP_ or dotted-quad shape, TCP/IP key, share, resolvable host (numeric
// gets its numeric text), colon, else the server check.
PortKind ClassifyNetworkPort(const char *portName, char *numeric);

}  // namespace mfpaddress
