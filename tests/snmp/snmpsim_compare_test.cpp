// The same profile served by snmpsim and by devsim gives the same answers through the layer.
#include "snmp/snmp_pp.h"
#include "snmpsim_agent.h"
#include "tests/support/devsim_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char *const kProfile = "1.3.6.1.2.1.1.1.0|4|Lumora 940 print controller\n"
                             "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.59123.2.3.26\n"
                             "1.3.6.1.2.1.1.3.0|67|8640000\n"
                             "1.3.6.1.2.1.2.2.1.10.1|65|4294967295\n"
                             "1.3.6.1.2.1.2.2.1.5.1|66|100000000\n"
                             "1.3.6.1.2.1.4.20.1.1.192.0.2.7|64|192.0.2.7\n"
                             "1.3.6.1.2.1.25.2.2.0|2|-1\n"
                             "1.3.6.1.2.1.31.1.1.1.6.1|70|18446744073709551615\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.1|2|1\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.2|2|2\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1|4x|42006F0078003100\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.2|4|Box 2\n";

struct Query {
    const char *oid;
    bool next;
    snmp_version version;
};

struct Result {
    int status;
    std::string oid;
    std::string value;
    bool operator==(const Result &other) const = default;
};

std::ostream &operator<<(std::ostream &out, const Result &r)
{
    return out << "{" << r.status << ", " << r.oid << ", '" << r.value << "'}";
}

Result Ask(const Query &query, unsigned short port, const char *community = "public", unsigned long timeout = 100)
{
    int status = 0;
    Snmp session(status);
    CTarget target(IpAddress("127.0.0.1"));
    target.SetPort(port);
    target.set_version(query.version);
    target.set_timeout(timeout);
    target.set_readcommunity(OctetStr(community));
    Pdu pdu;
    pdu += Vb(Oid(query.oid));
    int result = query.next ? session.get_next(pdu, target) : session.get(pdu, target);
    Vb vb;
    pdu.get_vb(vb, 0);
    return {result, vb.get_printable_oid(), vb.get_printable_value()};
}

class AgainstSnmpSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SnmpSimAgent::Installed())
            GTEST_SKIP() << "snmpsim is not installed (scripts/setup installs it)";
    }
};

TEST_F(AgainstSnmpSim, SameAnswersAsDevSim)
{
    SnmpSimAgent snmpsim(std::map<std::string, std::string>{{"public", kProfile}});
    ASSERT_TRUE(snmpsim.Ready()) << "snmpsimd did not answer";
    mfptest::DevSim devsim(kProfile);

    struct Case {
        Query query;
        Result expected;
    } cases[] = {
        {{"1.3.6.1.2.1.1.2.0", false, version1}, {0, "1.3.6.1.2.1.1.2.0", "1.3.6.1.4.1.59123.2.3.26"}},
        {{"1.3.6.1.2.1.1.1.0", false, version2c}, {0, "1.3.6.1.2.1.1.1.0", "Lumora 940 print controller"}},
        {{"1.3.6.1.2.1.1.3.0", false, version1}, {0, "1.3.6.1.2.1.1.3.0", "8640000"}},
        {{"1.3.6.1.2.1.2.2.1.10.1", false, version1}, {0, "1.3.6.1.2.1.2.2.1.10.1", "4294967295"}},
        {{"1.3.6.1.2.1.2.2.1.5.1", false, version1}, {0, "1.3.6.1.2.1.2.2.1.5.1", "100000000"}},
        {{"1.3.6.1.2.1.4.20.1.1.192.0.2.7", false, version1}, {0, "1.3.6.1.2.1.4.20.1.1.192.0.2.7", "192.0.2.7"}},
        {{"1.3.6.1.2.1.25.2.2.0", false, version1}, {0, "1.3.6.1.2.1.25.2.2.0", "-1"}},
        {{"1.3.6.1.2.1.31.1.1.1.6.1", false, version2c}, {0, "1.3.6.1.2.1.31.1.1.1.6.1", "18446744073709551615"}},
        {{"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2", true, version1},
         {0, "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.1", "1"}},
        {{"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.2", true, version1},
         {0, "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1", "42 00 6F 00 78 00 31 00"}},
        // End of the table and of the profile.
        {{"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.2", true, version1},
         {SNMP_ERROR_NO_SUCH_NAME, "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.2", ""}},
        {{"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.2", true, version2c},
         {SNMP_CLASS_END_OF_MIB_VIEW, "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.2", ""}},
        // Missing objects.
        {{"1.3.6.1.2.1.1.4.0", false, version1}, {SNMP_ERROR_NO_SUCH_NAME, "1.3.6.1.2.1.1.4.0", ""}},
        {{"1.3.6.1.2.1.1.1.7", false, version2c}, {SNMP_CLASS_NO_SUCH_INSTANCE, "1.3.6.1.2.1.1.1.7", ""}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Ask(c.query, snmpsim.Port()), c.expected) << "snmpsim " << c.query.oid << " v" << c.query.version;
        EXPECT_EQ(Ask(c.query, devsim.Port()), c.expected) << "devsim " << c.query.oid << " v" << c.query.version;
    }
}

TEST_F(AgainstSnmpSim, WalkOfAColumnMatchesDevSim)
{
    SnmpSimAgent snmpsim(std::map<std::string, std::string>{{"public", kProfile}});
    ASSERT_TRUE(snmpsim.Ready());
    mfptest::DevSim devsim(kProfile);
    auto walk = [](unsigned short port) {
        const std::string column = "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3";
        std::vector<std::string> values;
        std::string at = column;
        for (int guard = 0; guard < 100; ++guard) {
            Result r = Ask({at.c_str(), true, version2c}, port);
            if (r.status != SNMP_CLASS_SUCCESS || r.oid.find(column) != 0)
                break;
            values.push_back(r.value);
            at = r.oid;
        }
        return values;
    };
    std::vector<std::string> expected = {"42 00 6F 00 78 00 31 00", "Box 2"};
    EXPECT_EQ(walk(snmpsim.Port()), expected);
    EXPECT_EQ(walk(devsim.Port()), expected);
}

TEST_F(AgainstSnmpSim, UnansweredRequestTimesOutLikeDevSim)
{
    SnmpSimAgent snmpsim(std::map<std::string, std::string>{{"public", kProfile}});
    ASSERT_TRUE(snmpsim.Ready());
    mfptest::DevSim devsim(kProfile, "stop-after 0\n");
    for (unsigned short port : {snmpsim.Port(), devsim.Port()}) {
        // snmpsim has no profile for this community and stays silent; devsim answers nothing.
        auto started = std::chrono::steady_clock::now();
        Result r = Ask({"1.3.6.1.2.1.1.2.0", false, version1}, port, "unknown-community", 20);
        auto elapsed = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(r.status, SNMP_CLASS_TIMEOUT) << port;
        EXPECT_LT(elapsed, std::chrono::milliseconds(1500)) << "two attempts of 0.2 s";
    }
}

}  // namespace
