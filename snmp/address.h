// Network addresses of SNMP agents: IPv4 and IPv6 (IpAddress), IPX network/node (IpxAddress),
// IPX network/node/socket (IpxSockAddress), and GenAddress, which detects the kind from text.
//
// Text forms accepted:
//   IPv4     dotted quad "192.0.2.10"
//   IPv6     any inet_pton form, optionally with a zone "fe80::1%eth0" or "fe80::1%2"
//   IPX      8 hex digits, ':' or '-', 12 hex digits: "0000000A-00C0A8010203"
//   IPX sock the IPX form, '/', 1 to 4 hex digits: "0000000A:00C0A8010203/1A0B"
//   host     any other text is looked up as a host name (IpAddress, GenAddress); the first IPv4
//            answer is taken, else the first IPv6 answer
// An address that cannot be parsed is invalid (valid() is false, printable form empty).
#pragma once

#include "snmp/snmp_export.h"

#include <array>
#include <cstdint>
#include <string>

class MFP_SNMP_API Address {
public:
    enum addr_type {
        type_ip = 0,
        type_ipx = 1,
        type_udp = 2,
        type_ipxsock = 3,
        type_mac = 4,
        type_auto = 5,     // GenAddress: detect the kind from the text
        type_invalid = 5,  // get_type() of an address that holds nothing valid
    };
    enum version_type { version_ipv4 = 4, version_ipv6 = 6 };

    virtual ~Address() = default;

    bool valid() const { return valid_; }
    addr_type get_type() const { return valid_ ? type_ : type_invalid; }
    // Printable form: IPv4 dotted quad; IPv6 in compressed form with "%zone" when it has one;
    // IPX as 8 upper-case hex digits, '-', 12 upper-case hex digits; an IPX socket address adds
    // '/' and 4 hex digits. Empty for an invalid address. Valid while the address lives.
    const char *get_printable() const { return printable_.c_str(); }
    operator const char *() const { return get_printable(); }

    // IP addresses: 4 or 6; other kinds: 0.
    int get_ip_version() const;
    // The zone ("eth0", "2") of a scoped IPv6 address; empty otherwise.
    const std::string &get_zone() const { return zone_; }

    bool operator==(const Address &other) const;

protected:
    Address() = default;
    // Parsers; each leaves the address invalid when the text does not fit.
    bool ParseIp(const char *text, bool allowLookup);
    bool ParseIpx(const char *text);
    bool ParseIpxSock(const char *text);
    void Invalidate();
    void MakePrintable();

    bool valid_ = false;
    addr_type type_ = type_invalid;
    int ipVersion_ = 0;
    std::array<unsigned char, 16> ip_{};        // IPv4 uses the first 4 bytes
    std::string zone_;
    std::array<unsigned char, 4> ipxNet_{};
    std::array<unsigned char, 6> ipxNode_{};
    uint16_t ipxSocket_ = 0;
    std::string printable_;
};

class MFP_SNMP_API IpAddress : public Address {
public:
    IpAddress() = default;
    explicit IpAddress(const char *text);
    // Only an IP address (or an IP GenAddress) keeps its value; anything else gives an invalid one.
    explicit IpAddress(const Address &other);
};

class MFP_SNMP_API IpxAddress : public Address {
public:
    IpxAddress() = default;
    explicit IpxAddress(const char *text);
};

class MFP_SNMP_API IpxSockAddress : public Address {
public:
    IpxSockAddress() = default;
    // Null text gives the all-zero address with socket 0: "any local IPX address". Without a
    // "/socket" part the socket is 0.
    explicit IpxSockAddress(const char *text);
    uint16_t get_socket() const { return ipxSocket_; }
};

class MFP_SNMP_API GenAddress : public Address {
public:
    GenAddress() = default;
    // type_auto detects the kind: IPv4, IPv6 (with or without zone), IPX socket, IPX, and last a
    // host-name lookup. type_ip, type_ipx, type_ipxsock accept only that kind.
    explicit GenAddress(const char *text, addr_type useType = type_auto);
    GenAddress(const Address &other);
    GenAddress &operator=(const Address &other);
};
