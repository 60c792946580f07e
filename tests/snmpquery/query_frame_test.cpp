// The query frame against the simulated device: the road to the first request, the send
// policies, the readers, and the release of every session, socket bracket and printer handle.
#include "snmpquery/query_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "address/printer_record.h"
#include "address/snmp_sessions.h"
#include "address/vendor_oid.h"
#include "devsim_fixture.h"
#include "printer_setup.h"
#include "snmpquery/ipx_mode.h"
#include "temp_root.h"

using namespace mfpquery;
using namespace spinetest;
using mfpaddress::VendorOid;

namespace {

const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

std::string DeviceProfile()
{
    const std::string column = VendorOid("2.3.50.1.3.9.1.2");
    return std::string(kSysObjectId) + "|6|" + VendorOid("2.3.16.1") + "\n" +  //
           VendorOid("2.3.50.1.2.4.1.11.1.1") + "|2|3\n" +                      //
           VendorOid("2.3.50.1.2.4.1.12.1.1") + "|4|" + std::string(300, 'x') + "\n" +
           column + ".1.1|4|box one\n" + column + ".1.2|4|box two\n" + column + ".1.3|4|box three\n" +
           VendorOid("2.3.50.1.3.9.1.20.1.1") + "|4|next column\n";
}

void ExpectAllReleased()
{
    EXPECT_EQ(mfpaddress::SessionPair::OpenCount(), 0);
    EXPECT_EQ(mfpaddress::SocketScope::OpenCount(), 0);
    EXPECT_EQ(mfpaddress::OpenedPrinterCount(), 0);
}

class QueryFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddLocalPrinter("Office", "IP_127.0.0.1");
        AddTcpIpPort("IP_127.0.0.1", "127.0.0.1");
        SetIpxModeFlag(0);
    }
    void TearDown() override
    {
        unsetenv("MFP_WINVER");
        ExpectAllReleased();
    }

    mfptest::TempRoot root;
};

TEST_F(QueryFrameTest, OneGetFromPrinterNameToValue)
{
    mfptest::DevSim device(DeviceProfile());
    {
        QueryFrame frame(FrameOptionsFor(FrameQuestion::GetMFPModel));
        ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
        EXPECT_STREQ(frame.Address(), "127.0.0.1");
        EXPECT_EQ(mfpaddress::SessionPair::OpenCount(), 1);
        EXPECT_EQ(mfpaddress::OpenedPrinterCount(), 1);  // opened by name, held for the community
        EXPECT_EQ(frame.Target()->get_timeout(), 300u);
        ASSERT_EQ(frame.Get(kSysObjectId), 0);
        char value[255];
        frame.ReadPrintable(value, sizeof value);
        EXPECT_EQ(std::string(value), VendorOid("2.3.16.1"));
    }
    const auto log = device.RequestLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], std::string("v1 public get ") + kSysObjectId);
}

TEST_F(QueryFrameTest, AsksWithThePrintersCommunity)
{
    mfptest::DevSimOptions options;
    options.communityProfiles["office-ro"] = DeviceProfile();
    mfptest::DevSim device(options);
    SetPrinterText("Office", "SNMP Community", "office-ro");
    QueryFrame frame(FrameOptionsFor(FrameQuestion::GetMFPModel));
    ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
    EXPECT_EQ(frame.Get(kSysObjectId), 0);
    ASSERT_EQ(device.RequestLog().size(), 1u);
    EXPECT_EQ(device.RequestLog()[0].rfind("v1 office-ro get", 0), 0u);
}

TEST_F(QueryFrameTest, FailuresBeforeTheFirstRequestReleaseEverything)
{
    AddLocalPrinter("Nowhere", "USB001");
    const struct {
        const char *printer;
        FrameStatus status;
    } cases[] = {
        {"No such printer", FrameStatus::PrinterUnavailable},
        {"Nowhere", FrameStatus::AddressUnresolved},
    };
    for (const auto &c : cases) {
        QueryFrame frame(FrameOptionsFor(FrameQuestion::IsConfirmDialogEnforced));
        EXPECT_EQ(frame.Open(c.printer, "0", nullptr), c.status) << c.printer;
        ExpectAllReleased();
        EXPECT_NE(frame.Get(kSysObjectId), 0);  // nothing to send with
    }
}

TEST_F(QueryFrameTest, ByLengthTargetNeedsAnAddress)
{
    SetPrinterText("Office", "SNMPIPAddress", "averylongprintername.example");
    QueryFrame frame(FrameOptionsFor(FrameQuestion::AbvPrinterCheck));
    EXPECT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::NoTargetAddress);
}

TEST_F(QueryFrameTest, TargetAddressForms)
{
    const struct {
        FrameQuestion question;
        const char *address;
        const char *target;
        bool ipv6;
    } cases[] = {
        {FrameQuestion::GetMFPModel, "fe80::1%4", "fe80::1", true},
        {FrameQuestion::GetBoxInfo, "fe80::1%4", "fe80::1", true},
        {FrameQuestion::GetBoxInfo9x, "fe80::1%4", "fe80::1%4", true},
        {FrameQuestion::IsConfirmDialogEnforced, "10.0.0.7", "10.0.0.7", false},
        {FrameQuestion::AbvPrinterCheck, "10.0.0.7", "10.0.0.7", false},
        {FrameQuestion::AbvPrinterCheck, "0000000A-00C0A8010203", "0000000A-00C0A8010203", false},
    };
    for (const auto &c : cases) {
        SetPrinterText("Office", "SNMPIPAddress", c.address);
        QueryFrame frame(FrameOptionsFor(c.question));
        ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready) << c.address;
        EXPECT_STREQ(frame.Target()->get_address().get_printable(), c.target) << c.address;
        EXPECT_EQ(frame.Ipv6(), c.ipv6) << c.address;
    }
}

TEST_F(QueryFrameTest, TimeoutOnlyWhereTheQuestionSetsOne)
{
    QueryFrame frame(FrameOptionsFor(FrameQuestion::CheckBoxPassword));
    ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
    EXPECT_EQ(frame.Target()->get_timeout(), SnmpTarget::kDefaultTimeout);
}

TEST_F(QueryFrameTest, TransportChosenFromTheAddress)
{
    const struct {
        const char *address;
        int ipxMode;
    } cases[] = {{"0000000A-00C0A8010203", 1}, {"printer16chars.x", 1}, {"127.0.0.1", 0}, {"fe80::1", 0}};
    for (const auto &c : cases) {
        SetPrinterText("Office", "SNMPIPAddress", c.address);
        SetIpxModeFlag(1 - c.ipxMode);
        QueryFrame frame(FrameOptionsFor(FrameQuestion::GetBoxInfo));
        frame.Open("Office", "0", nullptr);
        EXPECT_EQ(IpxModeFlag(), c.ipxMode) << c.address;
    }
}

// There is no IPX transport, so the IPX session is unusable: with the IPX mode flag set,
// "IPX first" falls back to UDP, "mode transport only" fails without reaching the device.
TEST_F(QueryFrameTest, SendPolicies)
{
    const struct {
        SendPolicy policy;
        int ipxMode;
        bool succeeds;
        size_t requests;
    } cases[] = {
        {SendPolicy::IpxThenUdp, 1, true, 1},
        {SendPolicy::IpxThenUdp, 0, true, 1},
        {SendPolicy::ModeTransportOnly, 1, false, 0},
        {SendPolicy::ModeTransportOnly, 0, true, 1},
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(DeviceProfile());
        QueryFrame frame(FrameOptionsFor(FrameQuestion::GetBoxInfo));
        ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
        SetIpxModeFlag(c.ipxMode);
        const int status = frame.Get(kSysObjectId, c.policy);
        EXPECT_EQ(status == 0, c.succeeds) << static_cast<int>(c.policy) << " " << c.ipxMode;
        EXPECT_EQ(device.RequestLog().size(), c.requests) << static_cast<int>(c.policy) << " " << c.ipxMode;
        if (!c.succeeds) {
            EXPECT_STREQ(frame.Answer().get_printable_value(), "");  // a failed request leaves no value
        }
    }
}

TEST_F(QueryFrameTest, OneRequestPerObjectAndTheReaders)
{
    mfptest::DevSim device(DeviceProfile());
    QueryFrame frame(FrameOptionsFor(FrameQuestion::AbvPrinterCheck));
    ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
    ASSERT_EQ(frame.Get(VendorOid("2.3.50.1.2.4.1.11.1.1").c_str()), 0);
    int number = 0;
    EXPECT_EQ(frame.ReadInt(number), 0);
    EXPECT_EQ(number, 3);
    long wide = 0;
    EXPECT_EQ(frame.ReadLong(wide), 0);
    EXPECT_EQ(wide, 3);

    ASSERT_EQ(frame.Get(VendorOid("2.3.50.1.2.4.1.12.1.1").c_str()), 0);
    EXPECT_EQ(frame.ReadInt(number), SNMP_CLASS_INVALID);
    char printable[255];
    frame.ReadPrintable(printable, sizeof printable);
    EXPECT_EQ(std::string(printable), std::string(254, 'x'));
    char text[260];
    EXPECT_EQ(frame.ReadText(text, sizeof text), 0);
    EXPECT_EQ(std::string(text), std::string(259, 'x'));
    unsigned char raw[32];
    unsigned long length = 0;
    EXPECT_EQ(frame.ReadOctets(raw, length, sizeof raw), 0);
    EXPECT_EQ(length, 32u);

    const auto log = device.RequestLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "v1 public get " + VendorOid("2.3.50.1.2.4.1.12.1.1"));
}

TEST_F(QueryFrameTest, WalkStaysInsideTheColumn)
{
    mfptest::DevSim device(DeviceProfile());
    QueryFrame frame(FrameOptionsFor(FrameQuestion::GetBoxInfo));
    ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
    std::vector<std::string> names;
    const int rows = frame.WalkColumn(VendorOid("2.3.50.1.3.9.1.2").c_str(), [&](const Vb &vb) {
        names.push_back(vb.get_printable_value());
        return true;
    });
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(names, (std::vector<std::string>{"box one", "box two", "box three"}));
    EXPECT_EQ(device.RequestLog().size(), 4u);  // the fourth answer belongs to the next column

    names.clear();
    frame.WalkColumn(VendorOid("2.3.50.1.3.9.1.2").c_str(), [&](const Vb &vb) {
        names.push_back(vb.get_printable_value());
        return names.size() < 2;
    });
    EXPECT_EQ(names.size(), 2u);
}

TEST_F(QueryFrameTest, SilentDeviceTimesOut)
{
    mfptest::DevSim device(DeviceProfile());
    device.Stop();
    QueryFrameOptions options = FrameOptionsFor(FrameQuestion::GetMFPModel);
    options.timeout = 20;
    QueryFrame frame(options);
    ASSERT_EQ(frame.Open("Office", "0", nullptr), FrameStatus::Ready);
    EXPECT_EQ(frame.Get(kSysObjectId), SNMP_CLASS_TIMEOUT);
}

TEST_F(QueryFrameTest, HandleRuleOnWindows9x)
{
    HANDLE caller = nullptr;
    ASSERT_TRUE(OpenPrinterA(const_cast<char *>("Office"), &caller, nullptr));
    const struct {
        const char *version;
        FrameQuestion question;
        bool usesCallerHandle;
    } cases[] = {
        {"9x:4.10", FrameQuestion::GetMFPModel, true},
        {"9x:4.10", FrameQuestion::IsDeptCodeEnforced, false},
        {"9x:4.0", FrameQuestion::IsDeptCodeEnforced, false},
        {"9x:4.90", FrameQuestion::IsDeptCodeEnforced, false},
        {"nt:4.0", FrameQuestion::IsDeptCodeEnforced, true},
        {"nt:10.0", FrameQuestion::IsDeptCodeEnforced, true},
        {"nt:10.0", FrameQuestion::GetBoxInfo9x, false},
    };
    for (const auto &c : cases) {
        setenv("MFP_WINVER", c.version, 1);
        {
            QueryFrame frame(FrameOptionsFor(c.question));
            ASSERT_EQ(frame.Open("Office", "0", caller), FrameStatus::Ready) << c.version;
            EXPECT_EQ(frame.PrinterHandle() == caller, c.usesCallerHandle) << c.version;
            EXPECT_EQ(mfpaddress::OpenedPrinterCount(), c.usesCallerHandle ? 0 : 1) << c.version;
        }
        EXPECT_EQ(mfpaddress::OpenedPrinterCount(), 0) << c.version;
    }
    // The caller's handle is still open and usable.
    DWORD needed = 0;
    GetPrinterA(caller, 2, nullptr, 0, &needed);
    EXPECT_GT(needed, 0u);
    ClosePrinter(caller);
}

// A question that goes on without an address keeps the IPX mode flag of the last query on
// its thread; queries on other threads neither see nor change it.
TEST_F(QueryFrameTest, IpxModeFlagIsPerThread)
{
    AddLocalPrinter("Nowhere", "USB001");
    SetPrinterText("Office", "SNMPIPAddress", "0000000A-00C0A8010203");
    AddLocalPrinter("Near", "IP_127.0.0.1");

    QueryFrame ipx(FrameOptionsFor(FrameQuestion::GetBoxInfo));
    ASSERT_EQ(ipx.Open("Office", "0", nullptr), FrameStatus::Ready);
    ASSERT_EQ(IpxModeFlag(), 1);

    int otherThreadFlag = -1;
    std::thread other([&] {
        QueryFrame udp(FrameOptionsFor(FrameQuestion::GetBoxInfo));
        udp.Open("Near", "0", nullptr);
        otherThreadFlag = IpxModeFlag();
    });
    other.join();
    EXPECT_EQ(otherThreadFlag, 0);
    EXPECT_EQ(IpxModeFlag(), 1);

    QueryFrame lost(FrameOptionsFor(FrameQuestion::IsUserAccountenforced));
    EXPECT_EQ(lost.Open("Nowhere", "0", nullptr), FrameStatus::Ready);
    EXPECT_NE(lost.ResolveResult(), 0);
    EXPECT_EQ(IpxModeFlag(), 1);
    EXPECT_STREQ(lost.Address(), "");
}

TEST_F(QueryFrameTest, ContinuingWithoutAPrinterStillReleasesEverything)
{
    {
        QueryFrame frame(FrameOptionsFor(FrameQuestion::IsUserAccountenforced));
        EXPECT_EQ(frame.Open("No such printer", "0", nullptr), FrameStatus::Ready);
        EXPECT_NE(frame.Get(kSysObjectId), 0);
        EXPECT_NE(frame.LastStatus(), SNMP_CLASS_TIMEOUT);  // nowhere to send: not a timeout
    }
    ExpectAllReleased();
}

}  // namespace
