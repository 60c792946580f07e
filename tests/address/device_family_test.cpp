// The family check: which hosts count as the maker's devices, and the unreachable latch.
#include <gtest/gtest.h>

#include "address/device_family.h"
#include "address/snmp_sessions.h"
#include "address/vendor_oid.h"
#include "devsim_fixture.h"
#include "printer_setup.h"
#include "temp_root.h"

using namespace spinetest;
using mfpaddress::CheckDeviceFamily;
using mfpaddress::VendorOid;

namespace {

std::string SysObjectIdProfile(const std::string &value) { return "1.3.6.1.2.1.1.2.0|6|" + value + "\n"; }

TEST(DeviceFamily, KnownFamiliesAreSubstringsOfTheValue)
{
    const struct {
        std::string value;
        bool known;
    } cases[] = {
        {VendorOid("2.3.14"), true},       {VendorOid("2.3.16.1"), true},  {VendorOid("2.3.34.7.2"), true},
        {VendorOid("2.3.21"), false},      {VendorOid("2.3.23"), false},   {VendorOid("2.3.3"), false},
        {VendorOid("2.3.1"), false},       {"1.3.6.1.4.1.11.2.3.16", false}, {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mfpaddress::IsKnownFamily(c.value.c_str()), c.known) << c.value;
    EXPECT_EQ(mfpaddress::KnownFamilyTexts().size(), 16u);
}

TEST(DeviceFamily, AnswersAndTheLatch)
{
    mfptest::TempRoot root;
    const struct {
        const char *what;
        std::string profile;
        int familyCheck;
        int latchIn;
        int expected;
        int latchOut;
        size_t requests;
    } cases[] = {
        {"known family", SysObjectIdProfile(VendorOid("2.3.16.1")), 1, 0, 3, 0, 1},
        {"other family", SysObjectIdProfile(VendorOid("2.3.99")), 1, 0, 4, 1, 1},
        {"not an SNMP answer for sysObjectID", "1.3.6.1.2.1.1.1.0|4|x\n", 1, 0, 4, 1, 1},
        {"latch already set", SysObjectIdProfile(VendorOid("2.3.16.1")), 1, 1, 4, 1, 0},
        {"no family check", SysObjectIdProfile(VendorOid("2.3.99")), 0, 0, 3, 0, 0},
        {"family check 2 is no check", SysObjectIdProfile(VendorOid("2.3.99")), 2, 0, 3, 0, 0},
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(c.profile);
        int latch = c.latchIn;
        EXPECT_EQ(CheckDeviceFamily(nullptr, "localhost", c.familyCheck, &latch), c.expected) << c.what;
        EXPECT_EQ(latch, c.latchOut) << c.what;
        EXPECT_EQ(device.RequestLog().size(), c.requests) << c.what;
    }
    EXPECT_EQ(mfpaddress::SessionPair::OpenCount(), 0);
    EXPECT_EQ(mfpaddress::SocketScope::OpenCount(), 0);
}

TEST(DeviceFamily, AsksWithThePrintersCommunity)
{
    mfptest::TempRoot root;
    mfptest::DevSimOptions options;
    options.communityProfiles["office-ro"] = SysObjectIdProfile(VendorOid("2.3.15"));
    mfptest::DevSim device(options);
    AddLocalPrinter("Office", "\\\\localhost\\office");
    SetPrinterText("Office", "SNMP Community", "office-ro");
    HANDLE handle = nullptr;
    ASSERT_TRUE(OpenPrinterA(const_cast<char *>("Office"), &handle, nullptr));
    EXPECT_EQ(CheckDeviceFamily(handle, "localhost", 1, nullptr), 3);
    ClosePrinter(handle);
    ASSERT_EQ(device.RequestLog().size(), 1u);
    EXPECT_NE(device.RequestLog()[0].find("office-ro"), std::string::npos);
}

TEST(DeviceFamily, SilentDeviceSetsTheLatch)
{
    mfptest::TempRoot root;
    mfptest::DevSim device(SysObjectIdProfile(VendorOid("2.3.16")));
    device.Stop();
    int latch = 0;
    EXPECT_EQ(CheckDeviceFamily(nullptr, "127.0.0.1", 1, &latch), 4);
    EXPECT_EQ(latch, 1);
}

TEST(DeviceFamily, NothingToAsk)
{
    mfptest::TempRoot root;
    int latch = 0;
    EXPECT_EQ(CheckDeviceFamily(nullptr, "", 1, &latch), 4);
    EXPECT_EQ(CheckDeviceFamily(nullptr, nullptr, 1, &latch), 4);
    EXPECT_EQ(CheckDeviceFamily(nullptr, "no-such-host.invalid", 1, &latch), 4);
    EXPECT_EQ(latch, 0);  // nothing was asked, so nothing is latched
}

// Local printers on share ports: the server must answer as one of the maker's devices.
TEST(DeviceFamily, SharePortsOfLocalPrinters)
{
    const struct {
        const char *what;
        std::string profile;
        bool answering;
        int fresh;
        int result;
        int latchOut;
    } cases[] = {
        {"known family", SysObjectIdProfile(VendorOid("2.3.16.1")), true, 0, 0, 0},
        {"other family", SysObjectIdProfile(VendorOid("2.3.99")), true, 0, 50, 1},
        {"no answer", SysObjectIdProfile(VendorOid("2.3.16.1")), false, 0, 50, 1},
        {"fresh skips the check", SysObjectIdProfile(VendorOid("2.3.99")), true, 1, 0, 0},
    };
    for (const auto &c : cases) {
        mfptest::TempRoot root;
        mfptest::DevSim device(c.profile);
        if (!c.answering)
            device.Stop();
        AddLocalPrinter("Office", "\\\\localhost\\office");
        int latch = 0;
        const Resolution resolution = Resolve("Office", 0, 1, &latch, c.fresh);
        EXPECT_EQ(resolution.result, c.result) << c.what;
        EXPECT_EQ(resolution.address, "127.0.0.1") << c.what;
        EXPECT_EQ(latch, c.latchOut) << c.what;
    }
}

TEST(DeviceFamily, ShareOfAnUnresolvableServerIsNotAsked)
{
    mfptest::TempRoot root;
    AddLocalPrinter("Office", "\\\\no-such-host.invalid\\office");
    int latch = 0;
    const Resolution resolution = Resolve("Office", 0, 1, &latch);
    EXPECT_EQ(resolution.result, 50);
    EXPECT_EQ(resolution.address, "");
    EXPECT_EQ(latch, 0);
}

}  // namespace
