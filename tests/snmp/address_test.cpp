// Address detection and the defaults of a target.
#include "snmp/snmp_pp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(GenAddressDetection, KindAndPrintableFormFromText)
{
    struct Case {
        const char *text;
        Address::addr_type type;
        const char *printable;
    } cases[] = {
        {"192.0.2.10", Address::type_ip, "192.0.2.10"},
        {"::1", Address::type_ip, "::1"},
        {"fe80:0:0::1%3", Address::type_ip, "fe80::1%3"},
        {"0000000a:00c0a8010203", Address::type_ipx, "0000000A-00C0A8010203"},
        {"0000000A-00C0A8010203", Address::type_ipx, "0000000A-00C0A8010203"},
        {"0000000A:00C0A8010203/1a0b", Address::type_ipxsock, "0000000A-00C0A8010203/1A0B"},
        {"localhost", Address::type_ip, "127.0.0.1"},
        {"1.2.3", Address::type_invalid, ""},
        {"192.0.2.300", Address::type_invalid, ""},
        {"0000000A-00C0A80102", Address::type_invalid, ""},
        {"no-such-host.invalid", Address::type_invalid, ""},
        {"", Address::type_invalid, ""},
    };
    for (const Case &c : cases) {
        GenAddress address(c.text, Address::type_auto);
        EXPECT_EQ(address.valid(), c.type != Address::type_invalid) << c.text;
        EXPECT_EQ(address.get_type(), c.type) << c.text;
        EXPECT_STREQ(address.get_printable(), c.printable) << c.text;
    }
    EXPECT_FALSE(GenAddress(nullptr).valid());
}

TEST(GenAddressDetection, TypedConstructorsAcceptOnlyTheirKind)
{
    EXPECT_TRUE(IpAddress("192.0.2.1").valid());
    EXPECT_FALSE(IpAddress("0000000A-00C0A8010203").valid());
    EXPECT_TRUE(IpxAddress("0000000A-00C0A8010203").valid());
    EXPECT_FALSE(IpxAddress("192.0.2.1").valid());
    EXPECT_FALSE(GenAddress("192.0.2.1", Address::type_ipx).valid());
    EXPECT_EQ(IpAddress("fe80::1%eth0").get_ip_version(), 6);
    EXPECT_EQ(IpAddress("fe80::1%eth0").get_zone(), "eth0");
    IpxSockAddress any(nullptr);
    EXPECT_TRUE(any.valid());
    EXPECT_STREQ(any.get_printable(), "00000000-000000000000/0000");
}

TEST(TargetDefaults, CommunityVersionRetriesTimeoutAndPort)
{
    unsetenv("MFP_SNMP_PORT");
    CTarget target(IpAddress("192.0.2.1"));
    EXPECT_STREQ(target.get_readcommunity().get_printable(), "public");
    EXPECT_EQ(target.get_version(), version1);
    EXPECT_EQ(target.get_retry(), 1);
    EXPECT_EQ(target.get_timeout(), 100u);
    EXPECT_EQ(target.Port(), 161);
    GenAddress address;
    EXPECT_TRUE(target.get_address(address));
    EXPECT_STREQ(address.get_printable(), "192.0.2.1");

    struct Case {
        const char *value;
        unsigned short port;
    } ports[] = {{"16161", 16161}, {"0", 161}, {"70000", 161}, {"12x", 161}, {"", 161}};
    for (const Case &c : ports) {
        setenv("MFP_SNMP_PORT", c.value, 1);
        EXPECT_EQ(CTarget().Port(), c.port) << c.value;
    }
    unsetenv("MFP_SNMP_PORT");
}

TEST(TargetDefaults, AddressMustBeValid)
{
    CTarget target;
    EXPECT_FALSE(target.valid());
    GenAddress address;
    EXPECT_FALSE(target.get_address(address));
    EXPECT_STREQ(address.get_printable(), "");
    EXPECT_FALSE(target.set_address(IpAddress("not an address at all")));
    EXPECT_TRUE(target.set_address(IpxAddress("0000000A-00C0A8010203")));
    EXPECT_STREQ(target.get_address().get_printable(), "0000000A-00C0A8010203");
}

}  // namespace
