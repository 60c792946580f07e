// mfpctl model, features and policies as a script calls them, against the simulated device:
// output, JSON members and exit codes that tell a "no" from a failure.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "device_fixture.h"
#include "printer_setup.h"
#include "tool_run.h"

using namespace libstest;

namespace {

mfptest::ToolRun Mfpctl(const std::string &arguments)
{
    return mfptest::RunCommandLine(mfptest::MfpctlCommand() + " " + arguments + " 2>&1");
}

const std::string kDevice = SysObjectIdLine("2.3.14.1") + VendorLine("2.3.50.1.2.4.1.11.1.1", "2", "1") +
                            VendorLine("2.3.50.1.3.21.3.1.10.1.1", "2", "3") +
                            VendorLine("2.3.50.1.3.21.3.1.9.1.1", "2", "3") +
                            VendorLine("2.3.50.1.3.4.1.1.4.1.9124.0", "4", "1") +
                            VendorLine("2.3.50.1.3.21.7.1.2.1.1", "2", "2") +
                            VendorLine("2.3.50.1.3.4.1.1.4.1.3847.0", "4", "0") +
                            VendorLine("2.3.50.1.2.4.1.39.1.1", "2", "3") + VendorLine("2.3.50.1.2.4.1.49.1.1", "2", "3");

class QuestionCommandsTest : public DeviceTest {};

TEST_F(QuestionCommandsTest, AnswersOutputAndExitCodes)
{
    spinetest::AddLocalPrinter("Usb", "USB001");
    mfptest::DevSim device(kDevice);
    const struct {
        const char *arguments;
        int exitCode;
        const char *output;
    } cases[] = {
        {"model Office", 0, "model 1 (listed device family)\n"},
        {"model Office --brand 3 --json", 0,
         "{\"printer\": \"Office\", \"model\": 1, \"listedFamily\": true, \"messages\": []}\n"},
        {"features Office", 0, "features ffmt\nF no\nM yes\n"},
        {"features Office --json", 0,
         "{\"printer\": \"Office\", \"code\": \"ffmt\", \"F\": false, \"M\": true, \"messages\": []}\n"},
        {"policies Office", 0,
         "dept-code        on         department codes enforced\n"
         "user-account     off        user accounts enforced\n"
         "confirm-dialog   off        confirmation dialog enforced\n"
         "black-free       on         black-free mode\n"
         "private-password off        private-print password encryption\n"},
        {"policies Office --policy dept-code", 0, "dept-code        on         department codes enforced\n"},
        {"policies Office --policy private-password --json", 3,
         "{\"printer\": \"Office\", \"policies\": [{\"name\": \"private-password\", \"export\": "
         "\"IsPrivPasswordEncryptEnabled\", \"value\": 0, \"state\": \"off\"}], \"messages\": []}\n"},
        {"model 'No such printer'", 1, "mfpctl: no printer named 'No such printer'\n"},
        {"features Usb", 1, "mfpctl: no device address for printer 'Usb' (result 10; see mfpctl resolve)\n"},
        {"policies Usb --json", 1, "mfpctl: no device address for printer 'Usb' (result 10; see mfpctl resolve)\n"},
    };
    for (const auto &c : cases) {
        const mfptest::ToolRun run = Mfpctl(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.output, c.output) << c.arguments;
    }
}

TEST_F(QuestionCommandsTest, NoAndWrongUsage)
{
    mfptest::DevSim device(SysObjectIdLine("2.3.17"));
    const struct {
        const char *arguments;
        int exitCode;
    } cases[] = {
        {"model Office", 3},
        {"model", 2},
        {"model Office --brand three", 2},
        {"features Office Other", 2},
        {"policies Office --policy colour", 2},
        {"policies --json", 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Mfpctl(c.arguments).exitCode, c.exitCode) << c.arguments;
}

}  // namespace
