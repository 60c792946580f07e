// Connections to shared printers: their port kinds and the print server check.
#include <gtest/gtest.h>

#include "address/tcpip_port_key.h"
#include "address/vendor_oid.h"
#include "devsim_fixture.h"
#include "printer_setup.h"
#include "temp_root.h"

using namespace spinetest;

namespace {

class ResolveNetworkPort : public ::testing::Test {
protected:
    mfptest::TempRoot root;
};

TEST_F(ResolveNetworkPort, EveryPortKindInItsTestOrder)
{
    AddTcpIpPort("IP_10.1.1.1", "10.1.1.1");
    SetText(HKEY_LOCAL_MACHINE, std::string(mfpaddress::kLocalTcpIpPorts) + "IP_10.2.2.2", "IP_Address", "10.2.2.20");
    SetText(HKEY_LOCAL_MACHINE, std::string(mfpaddress::kLocalTcpIpPorts) + "Office_TCP", "IP_Address", "10.3.3.3");
    SetText(HKEY_LOCAL_MACHINE, std::string(mfpaddress::kLocalTcpIpPorts) + "IP_10.4.4.4", "IP_Address", "printer4");
    const struct {
        const char *what;
        const char *port;
        int result;
        const char *address;
    } cases[] = {
        {"WSD port", "WSD-1c2b3a", 50, ""},
        {"IP_ port without IP_Address", "IP_10.1.1.1", 0, "10.1.1.1"},
        {"IP_ port with IP_Address", "IP_10.2.2.2", 0, "10.2.2.20"},
        {"dotted-quad shape", "10.5.5.5", 0, "10.5.5.5"},
        {"dotted-quad shape with trailing dot", "10.5.5.", 0, "10.5.5."},
        {"TCP/IP key", "Office_TCP", 0, "10.3.3.3"},
        {"IP_ host name without cache", "IP_printer9", 0, "printer9"},
        {"IP_ key holding a host name", "IP_10.4.4.4", 50, "printer4"},
        {"share", "\\\\localhost\\office", 0, "127.0.0.1"},
        {"share whose server does not resolve", "\\\\no-such-host.invalid\\office", 0, ""},
        {"resolvable host", "localhost", 0, "127.0.0.1"},
        {"host with colon", "no-such-host.invalid:9100", 0, ""},
        {"bracketed host with colon", "[::1]:9100", 0, "::1"},
    };
    for (const auto &c : cases) {
        const std::string printer = AddConnection("printserver", "office", c.port);
        const Resolution resolution = Resolve(printer);
        EXPECT_EQ(resolution.result, c.result) << c.what;
        EXPECT_EQ(resolution.address, c.address) << c.what;
    }
}

TEST_F(ResolveNetworkPort, IpPortFallsBackToTheDiscoveryCache)
{
    SetText(HKEY_LOCAL_MACHINE, std::string(mfpaddress::kLocalTcpIpPorts) + "IP_10.4.4.4", "IP_Address", "printer4");
    AddDiscoveryEntry(0, "IP_10.4.4.4", "10.0.0.44");
    const std::string printer = AddConnection("printserver", "office", "IP_10.4.4.4");
    EXPECT_EQ(Resolve(printer).address, "10.0.0.44");
    EXPECT_EQ(Resolve(printer, 3).result, 50);
}

std::string SysObjectIdProfile(const std::string &familySuffix)
{
    return "1.3.6.1.2.1.1.2.0|6|" + mfpaddress::VendorOid(familySuffix) + "\n";
}

TEST_F(ResolveNetworkPort, ServerCheckAsksThePrintServer)
{
    const struct {
        const char *what;
        std::string profile;
        bool cacheEntry;
        int result;
        const char *address;
    } cases[] = {
        {"known family", SysObjectIdProfile("2.3.16.1"), false, 0, "127.0.0.1"},
        {"other family", SysObjectIdProfile("2.3.99.1"), false, 50, ""},
        {"other family with a cache entry", SysObjectIdProfile("2.3.99.1"), true, 0, "10.0.0.61"},
        {"no answer", "1.3.6.1.2.1.1.1.0|4|something else\n", false, 50, ""},
    };
    for (const auto &c : cases) {
        mfptest::TempRoot fresh;
        mfptest::DevSim device(c.profile);
        const std::string printer = AddConnection("localhost", "office", "USB001");
        if (c.cacheEntry)
            AddDiscoveryEntry(0, "USB001", "10.0.0.61");
        const Resolution resolution = Resolve(printer);
        EXPECT_EQ(resolution.result, c.result) << c.what;
        EXPECT_EQ(resolution.address, c.address) << c.what;
    }
}

TEST_F(ResolveNetworkPort, ServerCheckWithoutFamilyCheckTrustsTheServer)
{
    mfptest::DevSim device(SysObjectIdProfile("2.3.99.1"));
    const std::string printer = AddConnection("localhost", "office", "USB001");
    const Resolution resolution = Resolve(printer, 0, 0);
    EXPECT_EQ(resolution.result, 0);
    EXPECT_EQ(resolution.address, "127.0.0.1");
    EXPECT_TRUE(device.RequestLog().empty());
}

}  // namespace
