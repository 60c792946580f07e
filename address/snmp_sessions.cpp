#include "address/snmp_sessions.h"

#include <atomic>

namespace mfpaddress {

static std::atomic<int> openScopes{0};
static std::atomic<int> openPairs{0};

SocketScope::SocketScope()
{
    Snmp::socket_startup();
    ++openScopes;
}

SocketScope::~SocketScope()
{
    Snmp::socket_cleanup();
    --openScopes;
}

int SocketScope::OpenCount() { return openScopes.load(); }

SessionPair::SessionPair(bool ipv6)
{
    udp_ = std::make_unique<Snmp>(udpStatus_, static_cast<unsigned short>(0), ipv6);
    ipx_ = std::make_unique<Snmp>(ipxStatus_, IpxSockAddress(nullptr));
    ++openPairs;
}

SessionPair::~SessionPair() { --openPairs; }

int SessionPair::OpenCount() { return openPairs.load(); }

}  // namespace mfpaddress
