// Over-long names and values, values of the wrong type and names with separators: every one
// gives a defined result and writes no more than the 260-byte address buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "address/tcpip_port_key.h"
#include "printer_setup.h"
#include "temp_root.h"

using namespace spinetest;

namespace {

// Resolves into a buffer guarded on both sides, and checks that nothing outside the 260 bytes
// was written and the address is terminated inside them.
Resolution ResolveGuarded(const std::string &printer, int fresh = 0)
{
    struct {
        char before[32];
        char address[260];
        char after[32];
    } guarded;
    std::memset(&guarded, 0x5A, sizeof guarded);
    std::memset(guarded.address, 0, sizeof guarded.address);
    HANDLE handle = nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2(printer.c_str(), &handle);
    EXPECT_TRUE(record);
    Resolution resolution;
    resolution.result =
        mfpaddress::ResolveDeviceAddress(record.get(), guarded.address, 0, handle, 0, nullptr, fresh);
    mfpaddress::CloseOpenedPrinter(handle);
    for (char c : guarded.before)
        EXPECT_EQ(c, 0x5A);
    for (char c : guarded.after)
        EXPECT_EQ(c, 0x5A);
    EXPECT_NE(std::memchr(guarded.address, 0, sizeof guarded.address), nullptr);
    resolution.address.assign(guarded.address, strnlen(guarded.address, sizeof guarded.address));
    return resolution;
}

class BadInput : public ::testing::Test {
protected:
    mfptest::TempRoot root;
};

TEST_F(BadInput, OverLongPortNamesOfEveryKind)
{
    const std::string longHost(400, 'h');
    const struct {
        const char *what;
        std::string port;
        int result;
    } cases[] = {
        {"IP_ port", "IP_" + std::string(400, '1'), 50},
        {"http URL", "http://" + longHost + "/ipp", 0},
        {"URL with long IPv6-like host", "http://" + std::string(300, ':') + "/", 0},
        {"share", "\\\\" + longHost + "\\q", 50},
        {"colon host", longHost + ":9100", 0},
        {"bracketed colon host", "[" + longHost + "]:9100", 0},
        {"unrecognized", longHost, 10},
        {"dotted quad beyond 259 characters", "1.2.3" + std::string(300, '.'), 0},
    };
    for (const auto &c : cases) {
        AddLocalPrinter("Office", c.port);
        const Resolution resolution = ResolveGuarded("Office");
        EXPECT_EQ(resolution.result, c.result) << c.what;
        EXPECT_LE(resolution.address.size(), 259u) << c.what;
    }
}

TEST_F(BadInput, PortNamesTakenAsTheAddressAreCutAt259Characters)
{
    const std::string port = "1.2.3" + std::string(300, '.');
    AddLocalPrinter("Office", port);
    EXPECT_EQ(ResolveGuarded("Office").address, port.substr(0, 259));
    const std::string connectionPort = "IP_" + std::string(300, 'p');
    EXPECT_EQ(ResolveGuarded(AddConnection("printserver", "office", connectionPort)).address,
              connectionPort.substr(3, 259));
}

TEST_F(BadInput, PortKeyPathBeyondItsLimitIsNoKey)
{
    const std::string port = "IP_" + std::string(mfpaddress::kMaxKeyPath, '7');
    std::string path;
    EXPECT_FALSE(mfpaddress::TcpIpPortKeyPath(port.c_str(), path));
    EXPECT_FALSE(mfpaddress::TcpIpPortKeyExists(port.c_str()));
    EXPECT_FALSE(mfpaddress::TcpIpPortKeyExists(""));
    EXPECT_TRUE(mfpaddress::TcpIpPortKeyPath("IP_10.0.0.1", path));
    EXPECT_EQ(path, std::string(mfpaddress::kLocalTcpIpPorts) + "IP_10.0.0.1");
}

TEST_F(BadInput, ClusterNodesUseTheClusterMonitorKey)
{
    SetText(HKEY_LOCAL_MACHINE, "Cluster\\Resources\\res-b\\Parameters", "Name", "b");
    SetText(HKEY_LOCAL_MACHINE, "Cluster\\Resources\\res-a\\Parameters", "Name", "a");
    std::string path;
    ASSERT_TRUE(mfpaddress::TcpIpPortKeyPath("IP_10.0.0.1", path));
    EXPECT_EQ(path, "Cluster\\Resources\\res-a\\Parameters\\Monitors\\Standard TCP/IP Port\\Ports\\IP_10.0.0.1");
}

TEST_F(BadInput, PrinterDataAtAndBeyondTheLimit)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    const struct {
        std::string cached;
        const char *expected;  // null: the cached value itself
    } cases[] = {
        {std::string(258, '9'), nullptr},     // 259 bytes with its terminator: fits
        {std::string(259, '9'), "10.1.2.3"},  // does not fit the 259-byte limit: not read
        {std::string(4000, '9'), "10.1.2.3"},
    };
    for (const auto &c : cases) {
        SetPrinterText("Office", "SNMPIPAddress", c.cached);
        const Resolution resolution = ResolveGuarded("Office");
        EXPECT_EQ(resolution.result, 0);
        EXPECT_EQ(resolution.address, c.expected ? std::string(c.expected) : c.cached) << c.cached.size();
    }
}

TEST_F(BadInput, PrinterDataOfTheWrongTypeIsAbsent)
{
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    SetPrinterDword("Office", "SNMPIPAddress", 0x0A000007);
    EXPECT_EQ(ResolveGuarded("Office").address, "10.1.2.3");

    AddLocalPrinter("Office", "ipp://printserver/office");
    SetPrinterDword("Office", "NovellSNMPAddressAndPort", 0x3A3A3A3A);
    EXPECT_EQ(ResolveGuarded("Office").result, 50);
}

TEST_F(BadInput, PortKeyValuesOfTheWrongTypeOrSize)
{
    const std::string keys = mfpaddress::kLocalTcpIpPorts;
    SetDword(HKEY_LOCAL_MACHINE, keys + "Dword_TCP", "IPAddress", 0x0A000007);
    SetText(HKEY_LOCAL_MACHINE, keys + "Dword_TCP", "HostName", "localhost");
    SetText(HKEY_LOCAL_MACHINE, keys + "Long_TCP", "IPAddress", std::string(300, '1'));
    SetText(HKEY_LOCAL_MACHINE, keys + "LongHost_TCP", "HostName", std::string(300, 'h'));
    SetDword(HKEY_LOCAL_MACHINE, keys + "IP_10.9.9.9", "IP_Address", 7);
    const struct {
        const char *port;
        DWORD attributes;
        int result;
        const char *address;
    } cases[] = {
        {"Dword_TCP", kLocal, 0, "127.0.0.1"},  // the number is skipped, the host name decides
        {"Long_TCP", kLocal, 50, ""},
        {"LongHost_TCP", kLocal, 50, ""},
        {"IP_10.9.9.9", kNetwork, 0, "10.9.9.9"},
    };
    for (const auto &c : cases) {
        std::string printer = "Office";
        if (c.attributes == kNetwork)
            printer = AddConnection("printserver", "office", c.port);
        else
            AddLocalPrinter("Office", c.port);
        const Resolution resolution = ResolveGuarded(printer);
        EXPECT_EQ(resolution.result, c.result) << c.port;
        EXPECT_EQ(resolution.address, c.address) << c.port;
    }
}

TEST_F(BadInput, NoRecord)
{
    char address[260] = "untouched";
    EXPECT_EQ(mfpaddress::ResolveDeviceAddress(nullptr, address, 0, nullptr, 1, nullptr, 0), 10);
    EXPECT_STREQ(address, "untouched");
    HANDLE handle = nullptr;
    EXPECT_FALSE(mfpaddress::GetPrinterInfo2("No such printer", &handle));
    EXPECT_FALSE(mfpaddress::GetPrinterInfo2(std::string(5000, 'p').c_str(), &handle));
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(mfpaddress::OpenedPrinterCount(), 0);
}

}  // namespace
