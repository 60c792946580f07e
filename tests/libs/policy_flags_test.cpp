// The five policy flag exports through libmirvale.so against the simulated device: the gates of
// the department-code question, whole-string value tests, the failure values, the handle rule on
// Windows 9x and the caller's handle left open.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "device_fixture.h"
#include "printer_setup.h"

using namespace libstest;
using Objects = std::vector<std::string>;

namespace {

class PolicyFlagsTest : public DeviceTest {};

const std::string kDeptFirst = "2.3.50.1.3.21.3.1.10.1.1";
const std::string kDeptSecond = "2.3.50.1.3.21.3.1.9.1.1";
const std::string kDeptThird = "2.3.50.1.3.4.1.1.4.1.9124.0";
const std::string kUserAccount = "2.3.50.1.3.21.7.1.2.1.1";
const std::string kConfirm = "2.3.50.1.3.4.1.1.4.1.3847.0";
const std::string kBlackFree = "2.3.50.1.2.4.1.39.1.1";
const std::string kPrivPassword = "2.3.50.1.2.4.1.49.1.1";

const char *kFlagExports[] = {"IsDeptCodeEnforced", "IsUserAccountenforced", "IsConfirmDialogEnforced",
                              "IsBlackFreeModeEnabled", "IsPrivPasswordEncryptEnabled"};

TEST_F(PolicyFlagsTest, DepartmentCodeGates)
{
    const struct {
        std::string profile;
        int result;
        Objects asked;
    } cases[] = {
        {VendorLine(kDeptFirst, "2", "3") + VendorLine(kDeptSecond, "2", "3") + VendorLine(kDeptThird, "4", "1"), 1,
         {kDeptFirst, kDeptSecond, kDeptThird}},
        {VendorLine(kDeptFirst, "2", "3") + VendorLine(kDeptSecond, "2", "3") + VendorLine(kDeptThird, "4", "0"), 0,
         {kDeptFirst, kDeptSecond, kDeptThird}},
        {VendorLine(kDeptFirst, "2", "3") + VendorLine(kDeptSecond, "2", "2") + VendorLine(kDeptThird, "4", "1"), 0,
         {kDeptFirst, kDeptSecond}},
        {VendorLine(kDeptFirst, "2", "2") + VendorLine(kDeptSecond, "2", "3") + VendorLine(kDeptThird, "4", "1"), 0,
         {kDeptFirst}},
        {VendorLine(kDeptSecond, "2", "3") + VendorLine(kDeptThird, "4", "1"), 0, {kDeptFirst}},
        {VendorLine(kDeptFirst, "2", "3") + VendorLine(kDeptThird, "4", "1"), 0, {kDeptFirst, kDeptSecond}},
        {VendorLine(kDeptFirst, "2", "3") + VendorLine(kDeptSecond, "2", "3"), 0,
         {kDeptFirst, kDeptSecond, kDeptThird}},
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(c.profile);
        EXPECT_EQ(mirvale_.Ask("IsDeptCodeEnforced", "Office"), c.result) << c.profile;
        EXPECT_EQ(AskedObjects(device), c.asked) << c.profile;
    }
}

TEST_F(PolicyFlagsTest, OnlyTheWholeOnValueCounts)
{
    const struct {
        const char *exportName;
        std::string object;
        const char *type;
        const char *value;
        int result;
    } cases[] = {
        {"IsUserAccountenforced", kUserAccount, "2", "3", 1},
        {"IsUserAccountenforced", kUserAccount, "4", "3 ", 0},
        {"IsUserAccountenforced", kUserAccount, "2", "30", 0},
        {"IsUserAccountenforced", kUserAccount, "2", "2", 0},
        {"IsConfirmDialogEnforced", kConfirm, "4", "1", 1},
        {"IsConfirmDialogEnforced", kConfirm, "4", "01", 0},
        {"IsConfirmDialogEnforced", kConfirm, "4", "", 0},
        {"IsBlackFreeModeEnabled", kBlackFree, "2", "3", 1},
        {"IsBlackFreeModeEnabled", kBlackFree, "4", " 3", 0},
        {"IsBlackFreeModeEnabled", kBlackFree, "2", "2", 0},
        {"IsPrivPasswordEncryptEnabled", kPrivPassword, "2", "4", 1},
        {"IsPrivPasswordEncryptEnabled", kPrivPassword, "2", "3", 0},
        {"IsPrivPasswordEncryptEnabled", kPrivPassword, "2", "40", 0},
    };
    for (const auto &c : cases) {
        mfptest::DevSim device(VendorLine(c.object, c.type, c.value));
        EXPECT_EQ(mirvale_.Ask(c.exportName, "Office"), c.result) << c.exportName << " '" << c.value << "'";
        EXPECT_EQ(AskedObjects(device), Objects{c.object}) << c.exportName;
    }
}

TEST_F(PolicyFlagsTest, UnreadablePrinterOrAddressSendsNothing)
{
    spinetest::AddLocalPrinter("Usb", "USB001");
    mfptest::DevSim device(VendorLine(kConfirm, "4", "1"));
    const struct {
        const char *exportName;
        int result;
    } cases[] = {
        {"IsDeptCodeEnforced", -1},
        {"IsConfirmDialogEnforced", -1},
        {"IsBlackFreeModeEnabled", -1},
        {"IsPrivPasswordEncryptEnabled", -1},
        // Goes on with the empty address; that request cannot reach the device.
        {"IsUserAccountenforced", 0},
    };
    for (const auto &c : cases)
        for (const char *printer : {"No such printer", "Usb"})
            EXPECT_EQ(mirvale_.Ask(c.exportName, printer), c.result) << c.exportName << " " << printer;
    EXPECT_TRUE(device.RequestLog().empty());
}

TEST_F(PolicyFlagsTest, SilentDeviceIsOffButTimeoutIsReportedForUserAccounts)
{
    mfptest::DevSim device(VendorLine(kUserAccount, "2", "3") + VendorLine(kConfirm, "4", "1"),
                           DropLine(kUserAccount) + DropLine(kConfirm));
    EXPECT_EQ(mirvale_.Ask("IsConfirmDialogEnforced", "Office"), 0);
    EXPECT_EQ(mirvale_.Ask("IsUserAccountenforced", "Office"), -5);
}

// On the Windows 9x family the questions that drop the caller's handle open the printer by name;
// GetMFPModel keeps it. The handle given is another printer's, whose address cannot be resolved.
TEST_F(PolicyFlagsTest, WindowsNineXHandleRule)
{
    spinetest::AddLocalPrinter("Usb", "USB001");
    mfptest::DevSim device(SysObjectIdLine("2.3.16.1") + VendorLine(kConfirm, "4", "1"));
    const struct {
        const char *winver;
        const char *exportName;
        int result;
    } cases[] = {
        {"9x:4.10", "IsConfirmDialogEnforced", 1},
        {"9x:4.0", "IsConfirmDialogEnforced", 1},
        {"9x:4.90", "IsConfirmDialogEnforced", 1},
        {"nt:10.0", "IsConfirmDialogEnforced", -1},
        {"9x:4.10", "GetMFPModel", 0},
        {"nt:10.0", "GetMFPModel", 0},
    };
    for (const auto &c : cases) {
        setenv("MFP_WINVER", c.winver, 1);
        HANDLE other = nullptr;
        char name[] = "Usb";
        ASSERT_TRUE(OpenPrinterA(name, &other, nullptr));
        EXPECT_EQ(mirvale_.Ask(c.exportName, "Office", other), c.result) << c.winver << " " << c.exportName;
        // The caller's handle is left open.
        DWORD needed = 0;
        GetPrinterA(other, 2, nullptr, 0, &needed);
        EXPECT_GT(needed, 0u) << c.winver << " " << c.exportName;
        EXPECT_TRUE(ClosePrinter(other));
    }
    // Without the 9x rule, a caller's handle of the right printer is used.
    unsetenv("MFP_WINVER");
    HANDLE office = nullptr;
    char name[] = "Office";
    ASSERT_TRUE(OpenPrinterA(name, &office, nullptr));
    EXPECT_EQ(mirvale_.Ask("GetMFPModel", "Office", office), 1);
    for (const char *exportName : kFlagExports)
        EXPECT_GE(mirvale_.Ask(exportName, "Office", office), 0) << exportName;
    EXPECT_TRUE(ClosePrinter(office));
}

}  // namespace
