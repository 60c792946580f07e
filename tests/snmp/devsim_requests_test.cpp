// Requests through the layer against the simulated device.
#include "snmp/snmp_pp.h"
#include "tests/support/devsim_fixture.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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


TEST(DevSimRequests, BundledDemoDeviceLoads)
{
    std::ifstream file(MFP_DEVSIM_DEMO_PROFILE);
    std::string profile((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(profile.empty());
    mfptest::DevSim device(profile);
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.2.0").value, std::string(MFP_VENDOR_OID) + ".2.3.16.1");
    EXPECT_EQ(Ask(device, (std::string(MFP_VENDOR_OID) + ".2.3.50.1.3.4.1.1.4.1.3847.0").c_str()).value, "1");
}

TEST(DevSimRequests, GetNextWalksAColumnInOrderAndEndsByVersion)
{
    mfptest::DevSim device(kProfile);
    const std::string column = "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2";
    for (snmp_version version : {version1, version2c}) {
        std::vector<std::string> values;
        std::string at = column;
        Answer answer;
        while (true) {
            answer = Ask(device, at.c_str(), true, version);
            if (answer.status != SNMP_CLASS_SUCCESS || answer.oid.find(column) != 0)
                break;
            values.push_back(answer.value);
            at = answer.oid;
        }
        EXPECT_EQ(values, (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(answer.status, SNMP_CLASS_SUCCESS) << "the walk leaves the column before the end of the profile";

        Answer pastEnd = Ask(device, "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1", true, version);
        EXPECT_EQ(pastEnd.status, version == version1 ? SNMP_ERROR_NO_SUCH_NAME : SNMP_CLASS_END_OF_MIB_VIEW);
    }
    std::vector<std::string> log = device.RequestLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "v1 public getnext " + column);
    EXPECT_EQ(log[1], "v1 public getnext " + column + ".1.1");
    EXPECT_EQ(log[2], "v1 public getnext " + column + ".1.2");
    EXPECT_EQ(log[3], "v1 public getnext " + column + ".1.3");
}

TEST(DevSimRequests, MissingObjectsByVersion)
{
    mfptest::DevSim device(kProfile);
    struct Case {
        const char *oid;
        snmp_version version;
        int status;
    } cases[] = {
        {"1.3.6.1.2.1.1.9.0", version1, SNMP_ERROR_NO_SUCH_NAME},
        {"1.3.6.1.2.1.1.9.0", version2c, SNMP_CLASS_NO_SUCH_OBJECT},
        {"1.3.6.1.2.1.1.1.5", version2c, SNMP_CLASS_NO_SUCH_INSTANCE},
    };
    for (const Case &c : cases) {
        Answer answer = Ask(device, c.oid, false, c.version);
        EXPECT_EQ(answer.status, c.status) << c.oid << " v" << c.version;
        EXPECT_EQ(answer.value, "");
    }
}

TEST(DevSimRequests, CommunitySelectsTheProfile)
{
    mfptest::DevSimOptions options;
    options.communityProfiles["public"] = "1.3.6.1.2.1.1.5.0|4|front office\n";
    options.communityProfiles["lab"] = "1.3.6.1.2.1.1.5.0|4|lab bench\n";
    mfptest::DevSim device(options);
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.5.0").value, "front office");
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.5.0", false, version2c, "lab").value, "lab bench");
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.5.0", false, version1, "nobody", 20).status, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(device.RequestLog().back(), "v1 nobody get 1.3.6.1.2.1.1.5.0");
}

TEST(DevSimRequests, Ipv6Loopback)
{
    mfptest::DevSimOptions options;
    options.profile = kProfile;
    options.ipv6 = true;
    mfptest::DevSim device(options);
    EXPECT_EQ(device.Host(), "::1");
    Answer answer = Ask(device, "1.3.6.1.2.1.1.2.0");
    EXPECT_EQ(answer.status, SNMP_CLASS_SUCCESS);
    EXPECT_EQ(answer.value, "1.3.6.1.4.1.59123.2.3.16");

    // A zone on the address is carried to the socket.
    int status = 0;
    Snmp session(status, 0, true);
    CTarget target(GenAddress("::1%lo"));
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.2.0"));
    EXPECT_EQ(session.get(pdu, target), SNMP_CLASS_SUCCESS);
}

// Faulty answers are statuses or bounded values, never a crash.
TEST(DevSimRequests, FaultyAnswersBecomeStatuses)
{
    std::string longValue(3000, 'L');
    std::string profile = std::string(kProfile) + "1.3.6.1.2.1.1.4.0|4|" + longValue + "\n";
    mfptest::DevSim device(profile, "1.3.6.1.2.1.1.1.0 error genErr\n"
                                    "1.3.6.1.2.1.1.2.0 garble\n"
                                    "1.3.6.1.2.1.1.3.0 drop\n"
                                    "1.3.6.1.2.1.25.2.2.0 reply-oid 1.3.6.1.2.1.25.2.2.1\n"
                                    "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.1 wrong-source\n"
                                    "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.2 value 4|two\n"
                                    "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.3 reply-oid 1.3.6.1.2\n");
    struct Case {
        const char *oid;
        bool next;
        int status;
    } cases[] = {
        {"1.3.6.1.2.1.1.1.0", false, SNMP_ERROR_GENERAL_VB_ERR},
        {"1.3.6.1.2.1.1.2.0", false, SNMP_CLASS_TIMEOUT},
        {"1.3.6.1.2.1.1.3.0", false, SNMP_CLASS_TIMEOUT},
        {"1.3.6.1.2.1.25.2.2.0", false, SNMP_CLASS_BAD_RESPONSE},
        {"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.1", false, SNMP_CLASS_TIMEOUT},
        {"1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.3", true, SNMP_CLASS_BAD_RESPONSE},  // a step backwards
    };
    for (const Case &c : cases)
        EXPECT_EQ(Ask(device, c.oid, c.next, version1, nullptr, 20).status, c.status) << c.oid;

    int status = -1;
    Snmp session(status);
    CTarget target(GenAddress(device.Host().c_str()));
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2.1.2"));
    ASSERT_EQ(session.get(pdu, target), SNMP_CLASS_SUCCESS);
    Vb vb;
    pdu.get_vb(vb, 0);
    int wrongType = 0;
    EXPECT_EQ(vb.get_value(wrongType), SNMP_CLASS_INVALID);
    EXPECT_EQ(wrongType, 0);

    pdu.set_vb(Vb(Oid("1.3.6.1.2.1.1.4.0")), 0);
    ASSERT_EQ(session.get(pdu, target), SNMP_CLASS_SUCCESS);
    pdu.get_vb(vb, 0);
    char text[Vb::kTextBound + 1] = {};
    text[Vb::kTextBound] = '#';
    EXPECT_EQ(vb.get_value(text), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(std::string(text), longValue.substr(0, Vb::kTextBound - 1));
    EXPECT_EQ(text[Vb::kTextBound], '#');
}

TEST(DevSimRequests, DelayWithinTheTimeoutIsAnsweredLongerTimesOut)
{
    mfptest::DevSim device(kProfile, "1.3.6.1.2.1.1.1.0 delay 150\n");
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.1.0", false, version1, nullptr, 100).status, SNMP_CLASS_SUCCESS);
    // 5 hundredths per attempt, two attempts: both expire before the answer comes.
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.1.0", false, version1, nullptr, 5).status, SNMP_CLASS_TIMEOUT);
}

TEST(DevSimRequests, UnansweredRequestTimesOutWithinTimeoutAndRetries)
{
    mfptest::DevSim device(kProfile, "stop-after 1\n");
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.1.0").status, SNMP_CLASS_SUCCESS);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.1.0", false, version1, nullptr, 30).status, SNMP_CLASS_TIMEOUT);
    auto elapsed = std::chrono::steady_clock::now() - started;
    // Default 1 retry: two attempts of 0.3 s.
    EXPECT_GE(elapsed, std::chrono::milliseconds(550));
    EXPECT_LT(elapsed, std::chrono::milliseconds(2500));
    EXPECT_EQ(device.RequestLog().size(), 3u) << "the first request, then the attempt and its retry";

    device.Stop();
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.1.0", false, version1, nullptr, 10).status, SNMP_CLASS_TIMEOUT);
}

TEST(SessionErrors, RequestsThatCannotBeSent)
{
    int status = 0;
    Snmp ipx(status, IpxSockAddress(nullptr));
    EXPECT_EQ(status, SNMP_CLASS_UNSUPPORTED);
    CTarget target(IpAddress("127.0.0.1"));
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.2.0"));
    EXPECT_EQ(ipx.get(pdu, target), SNMP_CLASS_SESSION_UNUSABLE);

    Snmp udp(status, 0, false);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    Pdu empty;
    EXPECT_EQ(udp.get(empty, target), SNMP_CLASS_INVALID_PDU);
    Pdu two = pdu;
    two += Vb(Oid("1.3.6.1.2.1.1.1.0"));
    EXPECT_EQ(udp.get(two, target), SNMP_CLASS_INVALID_PDU);
    Pdu badOid;
    badOid += Vb(Oid("not.an.oid"));
    EXPECT_EQ(udp.get(badOid, target), SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(udp.get(pdu, CTarget()), SNMP_CLASS_INVALID_TARGET);
    EXPECT_EQ(udp.get(pdu, CTarget(IpxAddress("0000000A-00C0A8010203"))), SNMP_CLASS_INVALID_TARGET);
}

// A session opened on a fixed local port sends from it, so the port is taken while it lives.
TEST(SessionErrors, FixedLocalPortIsUsedAndExclusive)
{
    mfptest::DevSim device(kProfile);
    int probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    socklen_t length = sizeof local;
    ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr *>(&local), length), 0);
    getsockname(probe, reinterpret_cast<sockaddr *>(&local), &length);
    unsigned short port = ntohs(local.sin_port);

    int status = 0;
    Snmp taken(status, port, false);
    EXPECT_EQ(status, SNMP_CLASS_SESSION_UNUSABLE) << "the port is held by another socket";
    close(probe);

    Snmp session(status, port, false);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    CTarget target(IpAddress("127.0.0.1"));
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.2.0"));
    EXPECT_EQ(session.get(pdu, target), SNMP_CLASS_SUCCESS);
    int again = socket(AF_INET, SOCK_DGRAM, 0);
    EXPECT_NE(bind(again, reinterpret_cast<sockaddr *>(&local), sizeof local), 0);
    close(again);
}

TEST(SessionErrors, StartupAndCleanupPairFromManyThreads)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 200; ++i) {
                Snmp::socket_startup();
                Snmp::socket_cleanup();
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    mfptest::DevSim device(kProfile);
    EXPECT_EQ(Ask(device, "1.3.6.1.2.1.1.2.0").status, SNMP_CLASS_SUCCESS);
}

TEST(SessionErrors, ConcurrentSessionsOnSeveralThreads)
{
    mfptest::DevSim device(kProfile);
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            int status = 0;
            Snmp session(status);
            CTarget target(IpAddress("127.0.0.1"));
            for (int i = 0; i < 25; ++i) {
                Pdu pdu;
                pdu += Vb(Oid("1.3.6.1.2.1.25.2.2.0"));
                Vb vb;
                long value = 0;
                if (session.get(pdu, target) != 0 || !pdu.get_vb(vb, 0) || vb.get_value(value) != 0 || value != 524288)
                    ++failures[t];
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
