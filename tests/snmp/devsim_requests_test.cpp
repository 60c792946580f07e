// Requests through the layer against the simulated device.
#include "snmp/snmp_pp.h"
#include "tests/support/devsim_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char *const kProfile = "1.3.6.1.2.1.1.1.0|4|Lumora test device\n"
                             "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.59123.2.3.16\n"
                             "1.3.6.1.2.1.25.2.2.0|2|524288\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.1|2|1\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.2|2|2\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.3|2|3\n"
                             "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1|4x|42006F007800\n";

struct Answer {
    int status;
    std::string oid;
    std::string value;
};

Answer Ask(const mfptest::DevSim &device, const char *oid, bool next = false, snmp_version version = version1,
           const char *community = nullptr, unsigned long timeout = 100)
{
    int status = -1;
    Snmp session(status, 0, device.Host() == "::1");
    EXPECT_EQ(status, SNMP_CLASS_SUCCESS);
    CTarget target(GenAddress(device.Host().c_str()));
    target.set_version(version);
    target.set_timeout(timeout);
    if (community != nullptr)
        target.set_readcommunity(OctetStr(community));
    Pdu pdu;
    pdu += Vb(Oid(oid));
    int result = next ? session.get_next(pdu, target) : session.get(pdu, target);
    Vb vb;
    pdu.get_vb(vb, 0);
    return {result, vb.get_printable_oid(), vb.get_printable_value()};
}

TEST(DevSimRequests, GetAnswersTheProfileValues)
{
    mfptest::DevSim device(kProfile);
    struct Case {
        const char *oid;
        const char *value;
    } cases[] = {
        {"1.3.6.1.2.1.1.2.0", "1.3.6.1.4.1.59123.2.3.16"},
        {"1.3.6.1.2.1.1.1.0", "Lumora test device"},
        {"1.3.6.1.2.1.25.2.2.0", "524288"},
        {"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1", "42 00 6F 00 78 00"},
    };
    for (const Case &c : cases) {
        Answer answer = Ask(device, c.oid);
        EXPECT_EQ(answer.status, SNMP_CLASS_SUCCESS) << c.oid;
        EXPECT_EQ(answer.oid, c.oid);
        EXPECT_EQ(answer.value, c.value);
    }
    ASSERT_EQ(device.RequestLog().size(), 4u);
    EXPECT_EQ(device.RequestLog()[0], "v1 public get 1.3.6.1.2.1.1.2.0");
}

}  // namespace
