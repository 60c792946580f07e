// mfpctl resolve as a script calls it: output, JSON members and exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "printer_setup.h"
#include "temp_root.h"
#include "tool_run.h"

using namespace spinetest;

namespace {

mfptest::ToolRun Mfpctl(const std::string &arguments)
{
    return mfptest::RunCommandLine(mfptest::MfpctlCommand() + " " + arguments + " 2>/dev/null");
}

TEST(ResolveCommand, AddressResultAndExitCode)
{
    mfptest::TempRoot root;
    AddTcpIpPort("IP_10.1.2.3", "10.1.2.3");
    AddLocalPrinter("Office", "IP_10.1.2.3");
    AddLocalPrinter("Far", "IP_printer9");
    AddDiscoveryEntry(3, "IP_printer9", "10.0.0.93");
    const struct {
        const char *arguments;
        int exitCode;
        const char *output;
    } cases[] = {
        {"resolve Office", 0, "address 10.1.2.3\nresult 0\n"},
        {"resolve Office --json",
         0,
         "{\"printer\": \"Office\", \"address\": \"10.1.2.3\", \"result\": 0, \"steps\": [\"port kind: IP-prefixed port "
         "(local printer)\", \"registry key: IPAddress 10.1.2.3\"]}\n"},
        {"resolve Far", 1, "address (none)\nresult 50\n"},
        {"resolve Far --brand 3", 0, "address 10.0.0.93\nresult 0\n"},
        {"resolve Far --brand=3 -v", 0,
         "address 10.0.0.93\nresult 0\n  port kind: IP-prefixed port (local printer)\n"
         "  registry key: no local TCP/IP port key\n  discovery cache: 10.0.0.93\n"},
        {"resolve 'No such printer'", 1, ""},
        {"resolve Office --brand three", 2, ""},
        {"resolve", 2, ""},
        {"resolve Office Far", 2, ""},
        {"resolve Office --bogus", 2, ""},
    };
    for (const auto &c : cases) {
        const mfptest::ToolRun run = Mfpctl(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.output, c.output) << c.arguments;
    }
}

}  // namespace
