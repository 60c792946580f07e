// net-snmp's own command-line client against devsim: the answers are the profile's.
#include "tests/support/devsim_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const char *const kProfile = "1.3.6.1.2.1.1.1.0|4|Lumora 720\n"
                             "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.59123.2.3.14\n"
                             "1.3.6.1.2.1.1.3.0|67|4200\n"
                             "1.3.6.1.2.1.4.20.1.1.192.0.2.7|64|192.0.2.7\n"
                             "1.3.6.1.2.1.25.2.2.0|2|262144\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1|4x|0001FF\n";

// Runs a net-snmp tool with numeric output and no MIB loading; returns its standard output.
std::string RunTool(const std::string &arguments)
{
    std::string command = "MIBS= /usr/bin/" + arguments + " -On -t 1 -r 1 2>&1";
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    pclose(pipe);
    return output;
}

TEST(DevSimWithNetSnmpTools, SnmpgetReadsTheProfile)
{
    mfptest::DevSim device(kProfile);
    std::string agent = " 127.0.0.1:" + std::to_string(device.Port());
    struct Case {
        const char *version;
        const char *oid;
        const char *line;
    } cases[] = {
        {"1", "1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.1.1.0 = STRING: \"Lumora 720\"\n"},
        {"1", "1.3.6.1.2.1.1.2.0", ".1.3.6.1.2.1.1.2.0 = OID: .1.3.6.1.4.1.59123.2.3.14\n"},
        {"2c", "1.3.6.1.2.1.25.2.2.0", ".1.3.6.1.2.1.25.2.2.0 = INTEGER: 262144\n"},
        {"2c", "1.3.6.1.2.1.4.20.1.1.192.0.2.7", ".1.3.6.1.2.1.4.20.1.1.192.0.2.7 = IpAddress: 192.0.2.7\n"},
        {"2c", "1.3.6.1.2.1.1.9.0", ".1.3.6.1.2.1.1.9.0 = No Such Object available on this agent at this OID\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RunTool(std::string("snmpget -v") + c.version + " -c public" + agent + " " + c.oid), c.line);
    EXPECT_NE(RunTool("snmpget -v1 -c public" + agent + " 1.3.6.1.2.1.1.9.0").find("noSuchName"), std::string::npos);
}

TEST(DevSimWithNetSnmpTools, SnmpwalkListsEveryObjectInOrder)
{
    mfptest::DevSim device(kProfile);
    std::string agent = " 127.0.0.1:" + std::to_string(device.Port());
    std::string expected = ".1.3.6.1.2.1.1.1.0 = STRING: \"Lumora 720\"\n"
                           ".1.3.6.1.2.1.1.2.0 = OID: .1.3.6.1.4.1.59123.2.3.14\n"
                           ".1.3.6.1.2.1.1.3.0 = Timeticks: (4200) 0:00:42.00\n"
                           ".1.3.6.1.2.1.4.20.1.1.192.0.2.7 = IpAddress: 192.0.2.7\n"
                           ".1.3.6.1.2.1.25.2.2.0 = INTEGER: 262144\n"
                           ".1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1 = Hex-STRING: 00 01 FF \n";
    EXPECT_EQ(RunTool("snmpwalk -v1 -c public" + agent + " 1.3.6.1"), expected + "End of MIB\n");
    std::string bulk = RunTool("snmpbulkwalk -v2c -c public" + agent + " 1.3.6.1");
    EXPECT_EQ(bulk.substr(0, expected.size()), expected);
}

}  // namespace
