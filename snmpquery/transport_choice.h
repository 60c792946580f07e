// Which transport a device address asks for: IPv6-like texts bind the UDP session to IPv6,
// texts of 16 to 21 characters (an IPX address is 21) select IPX, everything else UDP over IPv4.
#pragma once

namespace mfpquery {

struct TransportChoice {
    int ipxMode;  // the value for the IPX mode flag
    bool ipv6;    // bind the UDP session to IPv6
};

TransportChoice ChooseTransport(const char *address);

// The decimal brand code of a query's text argument; text that is not a number, or a number
// out of int range, gives 0.
int ParseBrandCode(const char *text);

}  // namespace mfpquery
