// GetMFPModel and AbvPrinterCheck through libmirvale.so against the simulated device: the
// family tests on sysObjectID, every feature group with the objects it asks (and those it must
// not), and the answers when the device cannot be asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device_fixture.h"
#include "printer_setup.h"

using namespace libstest;
using Objects = std::vector<std::string>;

namespace {

class ModelIdentificationTest : public DeviceTest {};

const std::string kF = "2.3.50.1.2.4.1.11.1.1";
const std::string kGateF = "2.3.50.1.2.4.1.30.1.1";
const std::string kCountF = "2.3.50.1.2.4.1.33.1.1";
const std::string kM = "2.3.50.1.2.4.1.12.1.1";
const std::string kCountM = "2.3.50.1.2.4.1.34.1.1";

TEST_F(ModelIdentificationTest, ModelFromSysObjectIdFamilies)
{
    const struct {
        std::string profile;
        int model;
    } cases[] = {
        {SysObjectIdLine("2.3.14.1"), 1},
        {SysObjectIdLine("2.3.15"), 1},
        {SysObjectIdLine("2.3.16.1"), 1},
        {SysObjectIdLine("2.3.17"), 0},
        {SysObjectIdLine("2.3.18.2"), 0},
        {std::string(kSysObjectId) + "|6|1.3.6.1.4.1.11.2.3.9.1\n", 0},
        {VendorLine("2.3.50.1.2.4.1.11.1.1", "2", "3"), 0},  // no sysObjectID at all
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(c.profile);
        EXPECT_EQ(mirvale_.Ask("GetMFPModel", "Office"), c.model) << c.profile;
        EXPECT_EQ(AskedObjects(device), Objects{"sysObjectID"}) << c.profile;
    }
}

TEST_F(ModelIdentificationTest, FeatureGroupsAskOnlyWhatTheyNeed)
{
    const struct {
        const char *name;
        std::string profile;
        const char *code;
        Objects asked;
    } cases[] = {
        {"single object, F on", SysObjectIdLine("2.3.14.1") + VendorLine(kF, "2", "3"), "ftmt", {"sysObjectID", kF}},
        {"single object, F off", SysObjectIdLine("2.3.14.1") + VendorLine(kF, "2", "1"), "ffmt", {"sysObjectID", kF}},
        {"single object, F unreadable", SysObjectIdLine("2.3.22.4"), "ftmt", {"sysObjectID", kF}},
        {"two-feature, both counts 0",
         SysObjectIdLine("2.3.15.1") + VendorLine(kGateF, "2", "0") + VendorLine(kCountF, "2", "0") +
             VendorLine(kF, "2", "3") + VendorLine(kM, "2", "3"),
         "ffmf", {"sysObjectID", kGateF, kCountF}},
        {"two-feature, F gate 3",
         SysObjectIdLine("2.3.15.1") + VendorLine(kGateF, "2", "3") + VendorLine(kM, "2", "1") +
             VendorLine(kCountM, "2", "2") + VendorLine(kF, "2", "3"),
         "ftmt", {"sysObjectID", kGateF, kM, kCountM, kF}},
        {"two-feature, F counted, M from 12",
         SysObjectIdLine("2.3.26.1") + VendorLine(kGateF, "2", "1") + VendorLine(kCountF, "2", "2") +
             VendorLine(kM, "2", "3") + VendorLine(kF, "2", "1"),
         "ffmt", {"sysObjectID", kGateF, kCountF, kM, kF}},
        {"two-feature, M count 0",
         SysObjectIdLine("2.3.19") + VendorLine(kGateF, "2", "1") + VendorLine(kCountF, "2", "1") +
             VendorLine(kM, "2", "0") + VendorLine(kCountM, "2", "0") + VendorLine(kF, "2", "3"),
         "ftmf", {"sysObjectID", kGateF, kCountF, kM, kCountM, kF}},
        {"two-feature, F gate unreadable", SysObjectIdLine("2.3.16.1"), "ftmt", {"sysObjectID", kGateF}},
        {"two-feature, F count unreadable", SysObjectIdLine("2.3.20") + VendorLine(kGateF, "2", "0"), "ftmt",
         {"sysObjectID", kGateF, kCountF}},
        {"two-feature, count not an integer",
         SysObjectIdLine("2.3.33") + VendorLine(kGateF, "2", "0") + VendorLine(kCountF, "4", "many"), "ffmf",
         {"sysObjectID", kGateF, kCountF}},
        {"M always asked, F off",
         SysObjectIdLine("2.3.17") + VendorLine(kGateF, "2", "0") + VendorLine(kCountF, "2", "0") +
             VendorLine(kM, "2", "1") + VendorLine(kCountM, "2", "2"),
         "ffmt", {"sysObjectID", kGateF, kCountF, kM, kCountM}},
        {"M always asked, gate unreadable", SysObjectIdLine("2.3.17.5"), "ftmt", {"sysObjectID", kGateF, kM}},
        {"unknown family", SysObjectIdLine("2.3.99") + VendorLine(kF, "2", "1"), "ftmt", {"sysObjectID"}},
        {"no sysObjectID", VendorLine(kF, "2", "1"), "ftmt", {"sysObjectID"}},
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(c.profile);
        EXPECT_EQ(mirvale_.Features("Office"), c.code) << c.name;
        EXPECT_EQ(AskedObjects(device), c.asked) << c.name;
    }
}

TEST_F(ModelIdentificationTest, DeviceThatCannotBeAskedGivesDefaults)
{
    spinetest::AddLocalPrinter("Usb", "USB001");
    spinetest::AddLocalPrinter("Far", "IP_127.0.0.1");
    spinetest::SetPrinterText("Far", "SNMPIPAddress", "averylongprintername.example");
    mfptest::DevSim device(SysObjectIdLine("2.3.14.1") + VendorLine(kF, "2", "1"));
    for (const char *printer : {"No such printer", "Usb"})
        EXPECT_EQ(mirvale_.Ask("GetMFPModel", printer), 0) << printer;
    // "Far" has an address, but one too long for the feature query's target.
    for (const char *printer : {"No such printer", "Usb", "Far"})
        EXPECT_EQ(mirvale_.Features(printer), "ftmt") << printer;
    EXPECT_TRUE(device.RequestLog().empty());
}

}  // namespace
