#include "snmp/target.h"

#include <cstdlib>
#include <string>

// The agent port a new target uses: MFP_SNMP_PORT when it holds a port number, else 161.
static unsigned short DefaultAgentPort()
{
    const char *text = std::getenv("MFP_SNMP_PORT");
    if (text == nullptr || *text == '\0')
        return SnmpTarget::kDefaultPort;
    char *end = nullptr;
    long port = std::strtol(text, &end, 10);
    if (*end != '\0' || port < 1 || port > 65535)
        return SnmpTarget::kDefaultPort;
    return static_cast<unsigned short>(port);
}

SnmpTarget::SnmpTarget() : port_(DefaultAgentPort()) {}

bool SnmpTarget::set_address(const Address &address)
{
    Address::addr_type type = address.get_type();
    if (type != Address::type_ip && type != Address::type_ipx && type != Address::type_ipxsock)
        return false;
    address_ = address;
    return true;
}

bool SnmpTarget::get_address(GenAddress &address) const
{
    address = address_;
    return address_.valid();
}

CTarget::CTarget() = default;

CTarget::CTarget(const Address &address)
{
    set_address(address);
}
