// The pair of SNMP sessions every device question opens (UDP first, then IPX), and the
// socket start-up bracket around them. Both count their live instances, so callers and tests
// can prove that nothing stays open.
#pragma once

#include <memory>

#include "address/snmp_classes.h"

namespace mfpaddress {

// Snmp::socket_startup on construction, Snmp::socket_cleanup on destruction.
class SocketScope {
public:
    SocketScope();
    ~SocketScope();
    SocketScope(const SocketScope &) = delete;
    SocketScope &operator=(const SocketScope &) = delete;

    // Scopes not yet closed, across all threads.
    static int OpenCount();
};

class SessionPair {
public:
    // ipv6: bind the UDP session to IPv6.
    explicit SessionPair(bool ipv6);
    ~SessionPair();
    SessionPair(const SessionPair &) = delete;
    SessionPair &operator=(const SessionPair &) = delete;

    bool UdpUsable() const { return udpStatus_ == SNMP_CLASS_SUCCESS; }
    bool IpxUsable() const { return ipxStatus_ == SNMP_CLASS_SUCCESS; }
    Snmp &Udp() { return *udp_; }
    Snmp &Ipx() { return *ipx_; }

    // Pairs not yet closed, across all threads.
    static int OpenCount();

private:
    int udpStatus_ = SNMP_CLASS_ERROR;
    int ipxStatus_ = SNMP_CLASS_ERROR;
    std::unique_ptr<Snmp> udp_;
    std::unique_ptr<Snmp> ipx_;
};

}  // namespace mfpaddress
