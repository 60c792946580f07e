#include "address/numeric_host.h"

#include <netdb.h>
#include <sys/socket.h>

#include "address/address_text.h"
#include "address/snmp_sessions.h"

namespace mfpaddress {

bool ResolveToNumericHost(const char *host, char *out)
{
    if (host == nullptr || out == nullptr)
        return false;
    SocketScope sockets;
    addrinfo hints{};
    addrinfo *answers = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &answers) != 0)
        return false;
    for (const addrinfo *answer = answers; answer != nullptr; answer = answer->ai_next) {
        char numeric[kAddressSize] = {};
        if (getnameinfo(answer->ai_addr, answer->ai_addrlen, numeric, sizeof numeric, nullptr, 0,
                        NI_NUMERICHOST) == 0)
            CopyBounded(out, kAddressSize, numeric);
    }
    freeaddrinfo(answers);
    return true;
}

}  // namespace mfpaddress
