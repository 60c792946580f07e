// Local printers: every port kind, the printer's own stored data and the discovery cache.
#include <gtest/gtest.h>

#include "printer_setup.h"
#include "temp_root.h"

using namespace spinetest;

namespace {

struct LocalCase {
    const char *what;
    std::string port;
    int expectedResult;
    std::string expectedAddress;
};

class ResolveLocalPort : public ::testing::Test {
protected:
    mfptest::TempRoot root;
};

TEST_F(ResolveLocalPort, EveryPortKindInItsTestOrder)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddTcpIpPort("Office_TCP", "", "localhost");
    AddTcpIpPort("Lost_TCP", "", "no-such-host.invalid");
    AddTcpIpPort("Short_TCP", "1.2.3", "localhost");          // IPAddress under 7 bytes: HostName decides
    AddTcpIpPort("Bracket_TCP", "", "[fe80::1]");
    const LocalCase cases[] = {
        {"IP_ port with its key", "IP_10.1.2.3", 0, "10.1.2.3"},
        {"TCP/IP key with HostName", "Office_TCP", 0, "127.0.0.1"},
        {"TCP/IP key with a HostName that does not resolve", "Lost_TCP", 50, "no-such-host.invalid"},
        {"IPAddress too short", "Short_TCP", 0, "127.0.0.1"},
        {"bracketed IPv6 HostName", "Bracket_TCP", 0, "fe80::1"},
        {"IP_ port without key or cache", "IP_10.7.7.7", 50, ""},
        {"http URL", "http://localhost:631/ipp", 0, "127.0.0.1"},
        {"http URL with bracketed literal", "http://[fe80::1]:80/ipp", 0, "fe80::1"},
        {"http URL with literal and a dotted path", "http://[fe80::1]/printer.html", 0, "fe80::1"},
        {"https URL", "https://localhost/printers/office", 0, "127.0.0.1"},
        {"URL before IP_", "IP_http://10.9.9.9/", 0, "10.9.9.9"},
        {"URL with ipv6-literal.net host", "http://fe80--1.ipv6-literal.net:80/", 0, "fe80::1"},
        {"URL whose host does not resolve", "http://no-such-host.invalid/", 0, ""},
        {"host with colon", "localhost:9100", 0, "127.0.0.1"},
        {"bracketed host with colon", "[::1]:9100", 0, "::1"},
        {"device port with colon", "LPT1:", 0, ""},
        {"dotted quad without key", "1.2.3.4", 0, "1.2.3.4"},
        {"short dotted number", "10", 0, "10"},
        {"resolvable host name", "localhost", 0, "localhost"},
        {"unrecognized", "USB001", 10, ""},
        {"empty port", "", 10, ""},
    };
    for (const auto &c : cases) {
        AddLocalPrinter("Office", c.port);
        const Resolution resolution = Resolve("Office");
        EXPECT_EQ(resolution.result, c.expectedResult) << c.what;
        EXPECT_EQ(resolution.address, c.expectedAddress) << c.what;
    }
}

TEST_F(ResolveLocalPort, CachedAddressWinsUnlessFresh)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    SetPrinterText("Office", "SNMPIPAddress", "10.0.0.7");
    EXPECT_EQ(Resolve("Office").address, "10.0.0.7");
    EXPECT_EQ(Resolve("Office", 0, 1, nullptr, 1).address, "10.1.2.3");

    SetPrinterText("Office", "SNMPIPAddress", "");  // empty counts as absent
    EXPECT_EQ(Resolve("Office").address, "10.1.2.3");
    // Taken as it is: no IPv6 repair of a cached address.
    SetPrinterText("Office", "SNMPIPAddress", "fe80--1.ipv6-literal.net");
    EXPECT_EQ(Resolve("Office").address, "fe80--1.ipv6-literal.net");
}

TEST_F(ResolveLocalPort, IppPortNeedsTheNovellAddress)
{
    const struct {
        const char *novell;  // null: not set
        int result;
        const char *address;
    } cases[] = {
        {nullptr, 50, ""},
        {"10.0.0.9:161", 0, "10.0.0.9"},
        {"10.0.0.9", 50, ""},
        {":161", 50, ""},
        {"", 50, ""},
        {"printer.example:161:2", 0, "printer.example"},
    };
    for (const char *port : {"ipp://printserver/printers/office", "printserver/ipps/office"}) {
        for (const auto &c : cases) {
            mfptest::TempRoot fresh;
            AddLocalPrinter("Office", port);
            if (c.novell)
                SetPrinterText("Office", "NovellSNMPAddressAndPort", c.novell);
            const Resolution resolution = Resolve("Office");
            EXPECT_EQ(resolution.result, c.result) << port << " " << (c.novell ? c.novell : "(none)");
            EXPECT_EQ(resolution.address, c.address) << port << " " << (c.novell ? c.novell : "(none)");
        }
    }
}

TEST_F(ResolveLocalPort, DiscoveredAddressServesOnlyItsOriginalPort)
{
    AddLocalPrinter("Office", "IP_10.7.7.7");
    SetPrinterText("Office", "Original Port", "IP_10.7.7.7");
    SetPrinterText("Office", "Discovered IP", "10.0.0.8");
    EXPECT_EQ(Resolve("Office").address, "10.0.0.8");
    EXPECT_TRUE(HasPrinterData("Office", "Discovered IP"));

    AddLocalPrinter("Office", "IP_10.1.2.3");  // the printer moved to another port
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    EXPECT_EQ(Resolve("Office").address, "10.1.2.3");
    EXPECT_FALSE(HasPrinterData("Office", "Original Port"));
    EXPECT_FALSE(HasPrinterData("Office", "Discovered IP"));
}

TEST_F(ResolveLocalPort, DiscoveredPairComparesThePortCaseSensitively)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    SetPrinterText("Office", "Original Port", "ip_10.1.2.3");
    SetPrinterText("Office", "Discovered IP", "10.0.0.8");
    EXPECT_EQ(Resolve("Office").address, "10.1.2.3");
    EXPECT_FALSE(HasPrinterData("Office", "Discovered IP"));
}

TEST_F(ResolveLocalPort, EmptyDiscoveredAddressFallsThroughAndIsKept)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    SetPrinterText("Office", "Original Port", "IP_10.1.2.3");
    SetPrinterText("Office", "Discovered IP", "");
    EXPECT_EQ(Resolve("Office").address, "10.1.2.3");
    EXPECT_TRUE(HasPrinterData("Office", "Original Port"));
}

TEST_F(ResolveLocalPort, DiscoveryCacheByBrand)
{
    AddLocalPrinter("Office", "IP_printer7");
    AddDiscoveryEntry(0, "IP_printer7", "10.0.0.70");
    AddDiscoveryEntry(3, "IP_printer7", "10.0.0.73");
    const struct {
        int brand;
        const char *address;
    } cases[] = {{0, "10.0.0.70"}, {1, "10.0.0.70"}, {3, "10.0.0.73"}, {-3, "10.0.0.70"}};
    for (const auto &c : cases) {
        const Resolution resolution = Resolve("Office", c.brand);
        EXPECT_EQ(resolution.result, 0) << c.brand;
        EXPECT_EQ(resolution.address, c.address) << c.brand;
    }
}

TEST_F(ResolveLocalPort, DiscoveryCacheOfOneBrandOnly)
{
    AddLocalPrinter("Office", "IP_printer7");
    AddDiscoveryEntry(3, "IP_printer7", "10.0.0.73");
    EXPECT_EQ(Resolve("Office", 0).result, 50);
    EXPECT_EQ(Resolve("Office", 3).address, "10.0.0.73");
}

TEST_F(ResolveLocalPort, IPv6LiteralNamesAreRepairedWhateverTheSource)
{
    AddLocalPrinter("Office", "IP_printer7");
    AddDiscoveryEntry(0, "IP_printer7", "fe80--1.ipv6-literal.net");
    EXPECT_EQ(Resolve("Office").address, "fe80::1");
    // A host name with hyphens and a mapped IPv4 literal are left as they are.
    AddDiscoveryEntry(0, "IP_printer7", "::ffff:10.0.0.1");
    EXPECT_EQ(Resolve("Office").address, "::ffff:10.0.0.1");
    AddLocalPrinter("Office", "my-print-server");
    SetPrinterText("Office", "Original Port", "my-print-server");
    SetPrinterText("Office", "Discovered IP", "my-print-server.example");
    EXPECT_EQ(Resolve("Office").address, "my-print-server.example");
}

TEST_F(ResolveLocalPort, PrinterWithoutLocalOrNetworkBit)
{
    AddLocalPrinter("Office", "IP_10.1.2.3", 0);
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    EXPECT_EQ(Resolve("Office").result, 10);
}

TEST_F(ResolveLocalPort, WsdDeviceByFriendlyName)
{
    AddLocalPrinter("Office", "WSD-1c2b3a");
    EXPECT_EQ(Resolve("Office").result, 10);  // no device registry at all

    AddWsdDevice("dev1", "", "http://10.0.0.1:5357/");  // empty names match nothing
    AddWsdDevice("dev2", "  Lumora 940\t", "http://localhost:5357/abc");
    AddWsdDevice("dev3", "Other", "http://10.0.0.3:5357/");
    EXPECT_EQ(Resolve("Office").result, 10);  // no DefName: nothing matches

    SetPrinterText("Office", "DefName", "VARNAK Lumora 940 (Office)");
    const Resolution resolution = Resolve("Office");
    EXPECT_EQ(resolution.result, 0);
    EXPECT_EQ(resolution.address, "127.0.0.1");
}

}  // namespace
