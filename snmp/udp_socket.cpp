#include "snmp/udp_socket.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace mfpsnmp {

// The wildcard address of the family with the given port.
static sockaddr_storage AnyLocalAddress(int family, unsigned short port, socklen_t &length)
{
    sockaddr_storage local{};
    if (family == AF_INET6) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&local);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        in6->sin6_addr = in6addr_any;
        length = sizeof *in6;
    } else {
        auto *in4 = reinterpret_cast<sockaddr_in *>(&local);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(port);
        in4->sin_addr.s_addr = htonl(INADDR_ANY);
        length = sizeof *in4;
    }
    return local;
}

bool CanOpenUdpSocket(bool ipv6, unsigned short port)
{
    int family = ipv6 ? AF_INET6 : AF_INET;
    int fd = socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    socklen_t length = 0;
    sockaddr_storage local = AnyLocalAddress(family, port, length);
    bool ok = port == 0 || bind(fd, reinterpret_cast<sockaddr *>(&local), length) == 0;
    close(fd);
    return ok;
}

bool AgentSocketAddress(const SnmpTarget &target, sockaddr_storage &agent, socklen_t &length)
{
    const GenAddress &address = target.get_address();
    agent = {};
    if (address.get_ip_version() == Address::version_ipv4) {
        auto *in4 = reinterpret_cast<sockaddr_in *>(&agent);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(target.Port());
        length = sizeof *in4;
        return inet_pton(AF_INET, address.get_printable(), &in4->sin_addr) == 1;
    }
    if (address.get_ip_version() == Address::version_ipv6) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&agent);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(target.Port());
        length = sizeof *in6;
        std::string text = address.get_printable();
        text = text.substr(0, text.find('%'));
        const std::string &zone = address.get_zone();
        if (!zone.empty()) {
            unsigned index = if_nametoindex(zone.c_str());
            in6->sin6_scope_id = index != 0 ? index : static_cast<unsigned>(std::strtoul(zone.c_str(), nullptr, 10));
        }
        return inet_pton(AF_INET6, text.c_str(), &in6->sin6_addr) == 1;
    }
    return false;
}

bool ReplaceSessionSocket(int sessionFd, const sockaddr_storage &agent, socklen_t agentLength, unsigned short localPort)
{
    int fd = socket(agent.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    socklen_t localLength = 0;
    sockaddr_storage local = AnyLocalAddress(agent.ss_family, localPort, localLength);
    bool ok = (localPort == 0 || bind(fd, reinterpret_cast<sockaddr *>(&local), localLength) == 0) &&
              connect(fd, reinterpret_cast<const sockaddr *>(&agent), agentLength) == 0 && dup2(fd, sessionFd) >= 0;
    close(fd);
    return ok;
}

}  // namespace mfpsnmp
