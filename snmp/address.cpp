#include "snmp/address.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Reads count bytes written as 2*count hex digits; advances text.
bool ReadHexBytes(const char *&text, unsigned char *out, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        for (int half = 0; half < 2; ++half) {
            char c = *text;
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return false;
            value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                           ? c - '0'
                                                           : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
            ++text;
        }
        out[i] = static_cast<unsigned char>(value);
    }
    return true;
}

// Digits and dots only: a malformed dotted quad, never a host name to look up.
bool IsDigitsAndDots(const std::string &text)
{
    return text.find_first_not_of("0123456789.") == std::string::npos;
}

}  // namespace

int Address::get_ip_version() const
{
    return valid_ && type_ == type_ip ? ipVersion_ : 0;
}

bool Address::operator==(const Address &other) const
{
    return valid_ == other.valid_ && get_type() == other.get_type() && printable_ == other.printable_;
}

void Address::Invalidate()
{
    valid_ = false;
    type_ = type_invalid;
    ipVersion_ = 0;
    ip_.fill(0);
    zone_.clear();
    ipxNet_.fill(0);
    ipxNode_.fill(0);
    ipxSocket_ = 0;
    printable_.clear();
}

bool Address::ParseIp(const char *text, bool allowLookup)
{
    Invalidate();
    if (text == nullptr || *text == '\0')
        return false;
    std::string host(text);
    std::string zone;
    if (size_t percent = host.find('%'); percent != std::string::npos) {
        zone = host.substr(percent + 1);
        host.resize(percent);
    }
    if (zone.empty() && inet_pton(AF_INET, host.c_str(), ip_.data()) == 1) {
        ipVersion_ = version_ipv4;
    } else if (inet_pton(AF_INET6, host.c_str(), ip_.data()) == 1) {
        if (!zone.empty() && zone.size() >= IF_NAMESIZE)
            return false;
        ipVersion_ = version_ipv6;
        zone_ = zone;
    } else if (allowLookup && zone.empty() && !IsDigitsAndDots(host)) {
        addrinfo hints{};
        hints.ai_socktype = SOCK_DGRAM;
        addrinfo *result = nullptr;
        if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || result == nullptr)
            return false;
        const addrinfo *chosen = nullptr;
        for (const addrinfo *entry = result; entry != nullptr; entry = entry->ai_next) {
            if (entry->ai_family == AF_INET) {
                chosen = entry;
                break;
            }
            if (entry->ai_family == AF_INET6 && chosen == nullptr)
                chosen = entry;
        }
        if (chosen != nullptr && chosen->ai_family == AF_INET) {
            std::memcpy(ip_.data(), &reinterpret_cast<const sockaddr_in *>(chosen->ai_addr)->sin_addr, 4);
            ipVersion_ = version_ipv4;
        } else if (chosen != nullptr) {
            std::memcpy(ip_.data(), &reinterpret_cast<const sockaddr_in6 *>(chosen->ai_addr)->sin6_addr, 16);
            ipVersion_ = version_ipv6;
        }
        freeaddrinfo(result);
        if (chosen == nullptr)
            return false;
    } else {
        return false;
    }
    valid_ = true;
    type_ = type_ip;
    MakePrintable();
    return true;
}

bool Address::ParseIpx(const char *text)
{
    Invalidate();
    if (text == nullptr)
        return false;
    const char *p = text;
    bool parsed = ReadHexBytes(p, ipxNet_.data(), ipxNet_.size()) && (*p == ':' || *p == '-') &&
                  ReadHexBytes(++p, ipxNode_.data(), ipxNode_.size()) && *p == '\0';
    if (!parsed) {
        Invalidate();
        return false;
    }
    valid_ = true;
    type_ = type_ipx;
    MakePrintable();
    return true;
}

bool Address::ParseIpxSock(const char *text)
{
    Invalidate();
    if (text == nullptr)
        return false;
    const char *slash = std::strchr(text, '/');
    std::string ipxPart = slash ? std::string(text, slash) : std::string(text);
    unsigned socket = 0;
    if (slash != nullptr) {
        const char *digits = slash + 1;
        size_t count = std::strlen(digits);
        if (count == 0 || count > 4)
            return false;
        for (const char *d = digits; *d != '\0'; ++d) {
            if (!std::isxdigit(static_cast<unsigned char>(*d)))
                return false;
        }
        socket = static_cast<unsigned>(std::strtoul(digits, nullptr, 16));
    }
    if (!ParseIpx(ipxPart.c_str()))
        return false;
    ipxSocket_ = static_cast<uint16_t>(socket);
    type_ = type_ipxsock;
    MakePrintable();
    return true;
}

void Address::MakePrintable()
{
    char text[INET6_ADDRSTRLEN + IF_NAMESIZE + 2] = {};
    if (!valid_) {
        printable_.clear();
        return;
    }
    if (type_ == type_ip) {
        inet_ntop(ipVersion_ == version_ipv4 ? AF_INET : AF_INET6, ip_.data(), text, sizeof text);
        printable_ = text;
        if (!zone_.empty())
            printable_ += "%" + zone_;
        return;
    }
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X%02X%02X%02X%02X", ipxNet_[0], ipxNet_[1], ipxNet_[2],
                  ipxNet_[3], ipxNode_[0], ipxNode_[1], ipxNode_[2], ipxNode_[3], ipxNode_[4], ipxNode_[5]);
    printable_ = text;
    if (type_ == type_ipxsock) {
        std::snprintf(text, sizeof text, "/%04X", ipxSocket_);
        printable_ += text;
    }
}

IpAddress::IpAddress(const char *text)
{
    ParseIp(text, true);
}

IpAddress::IpAddress(const Address &other) : Address(other)
{
    if (other.get_type() != type_ip)
        Invalidate();
}

IpxAddress::IpxAddress(const char *text)
{
    ParseIpx(text);
}

IpxSockAddress::IpxSockAddress(const char *text)
{
    if (text == nullptr) {
        Invalidate();
        valid_ = true;
        type_ = type_ipxsock;
        MakePrintable();
        return;
    }
    ParseIpxSock(text);
}

GenAddress::GenAddress(const char *text, addr_type useType)
{
    switch (useType) {
    case type_ip:
        ParseIp(text, true);
        break;
    case type_ipx:
        ParseIpx(text);
        break;
    case type_ipxsock:
        ParseIpxSock(text);
        break;
    case type_auto:
        // Literals first, so that an IPX text is never sent to a name lookup.
        if (!ParseIp(text, false) && !ParseIpx(text) && !ParseIpxSock(text))
            ParseIp(text, true);
        break;
    default:
        Invalidate();
        break;
    }
}

GenAddress::GenAddress(const Address &other) : Address(other) {}

GenAddress &GenAddress::operator=(const Address &other)
{
    Address::operator=(other);
    return *this;
}
