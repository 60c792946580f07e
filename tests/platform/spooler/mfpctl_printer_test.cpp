// mfpctl driver / port / printer as an administrator uses them: the real program, run as child
// processes, checked through the spooler's own calls.
#include <sys/wait.h>

#include <cstdio>

#include "spooler_fixture.h"
#include "tool_run.h"

using namespace spoolertest;

namespace {

mfptest::ToolRun Mfpctl(const std::vector<std::string> &args) { return mfptest::RunMfpctl(args); }

class MfpctlPrinterTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        for (const auto &args : std::vector<std::vector<std::string>>{
                 {"driver", "add", "Lumora 940 PCL", "--dependent", "QV1Disc.dll"},
                 {"port", "add", "IP_10.0.0.5", "--ip", "10.0.0.5", "--community", "private"},
                 {"printer", "add", "Office", "--port", "IP_10.0.0.5", "--driver", "Lumora 940 PCL", "--comment",
                  "2nd floor"},
                 {"printer", "add", "\\\\srv\\Queue", "--port", "IP_10.0.0.9", "--driver", "Lumora 940 PCL"},
                 {"printer", "data", "set", "Office", "SNMP Community", "REG_SZ", "private"}}) {
            const auto run = Mfpctl(args);
            ASSERT_EQ(run.exitCode, 0) << args[0] << " " << args[1] << ": " << run.output;
        }
    }
};

TEST_F(MfpctlPrinterTest, WhatTheCommandsSetUpIsWhatTheSpoolerReads)
{
    OpenedPrinter printer("Office");
    ASSERT_NE(printer.get(), nullptr);
    std::vector<BYTE> buffer(4096);
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterA(printer.get(), 2, buffer.data(), 4096, &needed));
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
    EXPECT_EQ(Text(info.pPortName), "IP_10.0.0.5");
    EXPECT_EQ(Text(info.pComment), "2nd floor");
    EXPECT_EQ(info.Attributes, DWORD{PRINTER_ATTRIBUTE_LOCAL});
    char name[] = "SNMP Community", community[260] = {};
    EXPECT_EQ(GetPrinterDataA(printer.get(), name, nullptr, reinterpret_cast<LPBYTE>(community), 259, &needed),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_STREQ(community, "private");

    HKEY port = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                            "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\IP_10.0.0.5",
                            0, KEY_READ, &port),
              ERROR_SUCCESS);
    char address[64] = {};
    DWORD size = sizeof address;
    EXPECT_EQ(RegQueryValueExA(port, "IPAddress", nullptr, nullptr, reinterpret_cast<LPBYTE>(address), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(address, "10.0.0.5");
    DWORD portNumber = 0;
    size = sizeof portNumber;
    EXPECT_EQ(RegQueryValueExA(port, "PortNumber", nullptr, nullptr, reinterpret_cast<LPBYTE>(&portNumber), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(portNumber, 9100u);
    RegCloseKey(port);
}

TEST_F(MfpctlPrinterTest, ListAndShowInTextAndJson)
{
    const auto list = Mfpctl({"printer", "list"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_NE(list.output.find("Office       IP_10.0.0.5  Lumora 940 PCL  0x00000040  local"), std::string::npos)
        << list.output;
    EXPECT_NE(list.output.find("\\\\srv\\Queue  IP_10.0.0.9  Lumora 940 PCL  0x00000010  connection"),
              std::string::npos)
        << list.output;

    const auto json = Mfpctl({"printer", "list", "--json"});
    EXPECT_NE(json.output.find("{\"name\": \"\\\\\\\\srv\\\\Queue\", \"kind\": \"connection\""), std::string::npos)
        << json.output;

    const auto show = Mfpctl({"printer", "show", "Office", "--json"});
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_NE(show.output.find("\"data\": [{\"name\": \"SNMP Community\", \"type\": \"REG_SZ\", \"value\": \"private\"}]"),
              std::string::npos)
        << show.output;
    EXPECT_NE(show.output.find("QV1Disc.dll"), std::string::npos) << show.output;
}

TEST_F(MfpctlPrinterTest, DataRoundTripsEveryTypeAndDeletes)
{
    const struct {
        const char *type;
        std::vector<std::string> data;
        const char *shown;
    } cases[] = {
        {"REG_SZ", {"10.0.0.7"}, "10.0.0.7"},
        {"REG_DWORD", {"0x10"}, "16"},
        {"REG_BINARY", {"0a0b"}, "0a0b"},
        {"REG_MULTI_SZ", {"one", "two"}, "one, two"},
    };
    for (const auto &c : cases) {
        std::vector<std::string> set{"printer", "data", "set", "Office", "Value", c.type};
        set.insert(set.end(), c.data.begin(), c.data.end());
        ASSERT_EQ(Mfpctl(set).exitCode, 0) << c.type;
        const auto get = Mfpctl({"printer", "data", "get", "Office", "Value"});
        EXPECT_EQ(get.output, std::string(c.shown) + "\n") << c.type;
    }
    EXPECT_EQ(Mfpctl({"printer", "data", "delete", "Office", "Value"}).exitCode, 0);
    EXPECT_EQ(Mfpctl({"printer", "data", "get", "Office", "Value"}).exitCode, 1);
}

TEST_F(MfpctlPrinterTest, MistakesGiveUsageOrFailureExitCodes)
{
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char *message;
    } cases[] = {
        {{"printer"}, 2, "needs a subcommand"},
        {{"printer", "add", "X", "--port", "P"}, 2, "--port and --driver"},
        {{"printer", "add", "X", "--port", "P", "--driver", "Missing"}, 1, "not installed"},
        {{"printer", "add", "Office", "--port", "P", "--driver", "Lumora 940 PCL"}, 1, "already exists"},
        {{"printer", "add", "\\\\SRV\\queue", "--port", "P", "--driver", "Lumora 940 PCL"}, 1, "already exists"},
        {{"printer", "add", "X", "--port", "P", "--driver", "Lumora 940 PCL", "--attributes", "lots"}, 2, "number"},
        {{"printer", "show", "Nowhere"}, 1, "no such printer"},
        {{"printer", "delete", "Nowhere"}, 1, "no such printer"},
        {{"printer", "data", "set", "Office", "V", "REG_DWORD", "-1"}, 2, "not a number"},
        {{"printer", "data", "set", "Office", "V", "REG_QWORD", "1"}, 2, "unknown value type"},
        {{"port", "add", "P2", "--ip", "10.0.0.300"}, 2, "not an IPv4 or IPv6 address"},
        {{"port", "add", "P2", "--ip", "10.0.0.3", "--host", "h"}, 2, "exactly one"},
        {{"port", "add", "P2", "--host", "h", "--port-number", "70000"}, 2, "1 to 65535"},
        {{"port", "add", "IP_10.0.0.5", "--ip", "10.0.0.5"}, 1, "already exists"},
        {{"driver", "add"}, 2, "needs a NAME"},
    };
    for (const auto &c : cases) {
        const auto run = Mfpctl(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

TEST_F(MfpctlPrinterTest, DeleteRemovesPrintersAndConnections)
{
    EXPECT_EQ(Mfpctl({"printer", "delete", "Office"}).exitCode, 0);
    EXPECT_EQ(Mfpctl({"printer", "delete", "\\\\srv\\Queue"}).exitCode, 0);
    DWORD needed = 0, count = 0;
    EXPECT_TRUE(EnumPrintersA(0x7E, nullptr, 2, nullptr, 0, &needed, &count));
    EXPECT_EQ(count, 0u);
}

}  // namespace
