// Deterministic randomized inputs over the answer-decoding and value-reading paths: valid
// answers encoded by net-snmp, then cut, extended and bit-flipped. Every input must give a
// status or a bounded value (the fuzz target aborts on any overrun; the sanitizer build checks
// memory).
#include "snmp/fuzz/decode_fuzz_target.h"
#include "snmp/netsnmp_convert.h"
#include "snmp/netsnmp_setup.h"
#include "snmp/snmp_pp.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Seed {
    long version;
    unsigned char type;
    Bytes value;
    long errorStatus;
};

// A response to a get of sysObjectID, encoded by net-snmp.
Bytes EncodeResponse(const Seed &seed)
{
    mfpsnmp::EnsureNetSnmp();
    netsnmp_session session;
    snmp_sess_init(&session);
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_RESPONSE);
    pdu->version = seed.version;
    pdu->community = static_cast<u_char *>(netsnmp_memdup("public", 6));
    pdu->community_len = 6;
    pdu->reqid = 1234;
    pdu->errstat = seed.errorStatus;
    oid name[] = {1, 3, 6, 1, 2, 1, 1, 2, 0};
    snmp_pdu_add_variable(pdu, name, 9, seed.type, seed.value.empty() ? nullptr : seed.value.data(), seed.value.size());
    size_t length = 4096;
    auto *buffer = static_cast<u_char *>(malloc(length));
    size_t offset = 0;
    int built = snmp_build(&buffer, &length, &offset, &session, pdu);
    snmp_free_pdu(pdu);
    Bytes message;
    if (built == SNMPERR_SUCCESS)
        message.assign(buffer + length - offset, buffer + length);
    free(buffer);
    return message;
}

template <typename T> Bytes Raw(const T &value)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    return Bytes(bytes, bytes + sizeof value);
}

std::vector<Bytes> Seeds()
{
    long number = 524288;
    counter64 big{0xFFFFFFFFUL, 0xFFFFFFFFUL};
    oid family[] = {1, 3, 6, 1, 4, 1, 59123, 2, 3, 16};
    std::string longText(2000, 'x');
    std::vector<Seed> seeds = {
        {SNMP_VERSION_1, ASN_INTEGER, Raw(number), 0},
        {SNMP_VERSION_2c, ASN_COUNTER64, Raw(big), 0},
        {SNMP_VERSION_1, ASN_OBJECT_ID, Bytes(reinterpret_cast<unsigned char *>(family),
                                              reinterpret_cast<unsigned char *>(family) + sizeof family), 0},
        {SNMP_VERSION_1, ASN_OCTET_STR, Bytes(longText.begin(), longText.end()), 0},
        {SNMP_VERSION_1, ASN_IPADDRESS, Bytes{192, 0, 2, 7}, 0},
        {SNMP_VERSION_1, ASN_TIMETICKS, Raw(number), 0},
        {SNMP_VERSION_2c, SNMP_NOSUCHINSTANCE, Bytes{}, 0},
        {SNMP_VERSION_1, ASN_NULL, Bytes{}, SNMP_ERR_NOSUCHNAME},
    };
    std::vector<Bytes> encoded;
    for (const Seed &seed : seeds)
        encoded.push_back(EncodeResponse(seed));
    return encoded;
}

TEST(DecodeResponses, ValidAnswersReadBack)
{
    std::vector<Bytes> seeds = Seeds();
    struct Case {
        size_t seed;
        int status;
        const char *printable;
    } cases[] = {
        {0, SNMP_CLASS_SUCCESS, "524288"},
        {1, SNMP_CLASS_SUCCESS, "18446744073709551615"},
        {2, SNMP_CLASS_SUCCESS, "1.3.6.1.4.1.59123.2.3.16"},
        {4, SNMP_CLASS_SUCCESS, "192.0.2.7"},
        {6, SNMP_CLASS_NO_SUCH_INSTANCE, ""},
        {7, SNMP_ERROR_NO_SUCH_NAME, ""},
    };
    Oid requested("1.3.6.1.2.1.1.2.0");
    for (const Case &c : cases) {
        ASSERT_FALSE(seeds[c.seed].empty());
        Pdu pdu;
        pdu += Vb(requested);
        EXPECT_EQ(mfpsnmp::DecodeResponse(seeds[c.seed].data(), seeds[c.seed].size(), SNMP_MSG_GET, requested, pdu),
                  c.status)
            << c.seed;
        Vb vb;
        pdu.get_vb(vb, 0);
        EXPECT_STREQ(vb.get_printable_value(), c.printable) << c.seed;
    }
    // Any cut of a valid answer is refused as a whole.
    const Bytes &answer = seeds[0];
    for (size_t length = 0; length < answer.size(); ++length) {
        Pdu pdu;
        pdu += Vb(requested);
        EXPECT_NE(mfpsnmp::DecodeResponse(answer.data(), length, SNMP_MSG_GET, requested, pdu), SNMP_CLASS_SUCCESS)
            << length;
    }
}

TEST(DecodeResponses, MutatedAnswersNeverOverrun)
{
    std::vector<Bytes> seeds = Seeds();
    std::mt19937 random(20261211);
    const unsigned char interesting[] = {0x00, 0x01, 0x7F, 0x80, 0x81, 0x82, 0x84, 0xFF};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    long iterations = 0;
    for (; iterations < 200000 && std::chrono::steady_clock::now() < deadline; ++iterations) {
        Bytes input = seeds[random() % seeds.size()];
        int mutations = 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations && !input.empty(); ++m) {
            size_t at = random() % input.size();
            switch (random() % 5) {
            case 0:
                input[at] ^= static_cast<unsigned char>(1u << (random() % 8));
                break;
            case 1:
                input[at] = interesting[random() % sizeof interesting];
                break;
            case 2:
                input.resize(at);
                break;
            case 3:
                input.insert(input.begin() + static_cast<long>(at), static_cast<unsigned char>(random()));
                break;
            default:
                input.erase(input.begin() + static_cast<long>(at));
                break;
            }
        }
        input.insert(input.begin(), static_cast<unsigned char>(random()));  // request selector
        mfpsnmp::FuzzOneResponse(input.data(), input.size());
    }
    EXPECT_GT(iterations, 1000);
}

}  // namespace
