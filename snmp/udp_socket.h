// The UDP sockets of sessions (internal).
#pragma once

#include "snmp/target.h"

#include <sys/socket.h>

namespace mfpsnmp {

// Whether a UDP socket of the family can be opened (and bound to port when it is not 0).
bool CanOpenUdpSocket(bool ipv6, unsigned short port);

// The agent's socket address for target; false when the target holds no IP address.
bool AgentSocketAddress(const SnmpTarget &target, sockaddr_storage &agent, socklen_t &length);

// Puts a UDP socket bound to localPort (0: any) and connected to the agent in place of the
// socket net-snmp opened for a session (same descriptor number, so net-snmp keeps using it).
// Connected, it only receives datagrams from the agent itself: an answer from any other address
// or port never reaches the session.
bool ReplaceSessionSocket(int sessionFd, const sockaddr_storage &agent, socklen_t agentLength,
                          unsigned short localPort);

}  // namespace mfpsnmp
