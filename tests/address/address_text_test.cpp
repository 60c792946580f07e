#include "address/address_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace mfpaddress;

struct TextCase {
    const char *text;
    bool expected;
};

TEST(AddressText, LooksLikeIPv6CountsColonsAndHyphens)
{
    const TextCase cases[] = {
        {"fe80::1", true},       {"fe80--1.ipv6-literal.net", true}, {"::", true},
        {"host:161", false},     {"a-b", false},                     {"a-b:c", false},
        {"10.0.0.1", false},     {"", false},                        {"a-b-c", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LooksLikeIPv6(c.text), c.expected) << c.text;
    EXPECT_FALSE(LooksLikeIPv6(nullptr));
}

TEST(AddressText, IsDottedQuadSkipsEmptyGroupsAndChecksRanges)
{
    const TextCase cases[] = {
        {"10", true},          {"10.1", true},       {"1..2", true},        {"10.0.0.7", true},
        {"255.255.255.255", true}, {"256.1.1.1", false}, {"1.2.3.4.5", false}, {"", false},
        {".", false},          {"1.2.3.a", false},   {"1234", false},       {"0.0.0.0", true},
        {"host", false},       {"-1.2.3.4", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsDottedQuad(c.text), c.expected) << c.text;
    EXPECT_FALSE(IsDottedQuad(nullptr));
}

TEST(AddressText, IsDottedQuadLooksAtTheFirst259CharactersOnly)
{
    std::string text = "1.2.3";
    text.append(254, '.');  // 259 characters: still a dotted quad
    EXPECT_TRUE(IsDottedQuad(text.c_str()));
    text += "x";  // the 260th character is past the copy
    EXPECT_TRUE(IsDottedQuad(text.c_str()));
    text[258] = '9';
    EXPECT_TRUE(IsDottedQuad(text.c_str()));
    text[256] = '9';
    EXPECT_FALSE(IsDottedQuad(text.c_str()));  // "9" at 256 and 258: five groups
}

TEST(AddressText, IsDottedQuadShapeWantsThreeDotsAndShortDigitRuns)
{
    const TextCase cases[] = {
        {"1.2.3.", true},   {"1.2.3.4", true},      {"192.168.100.200", true}, {"1.2.3.4.5", false},
        {"1.2.3", false},   {"1.2.34", false},      {".1.2.3", false},         {"1..2.3", false},
        {"1.2.3.4567", false}, {"10.0.0.x", false}, {"1.2.3.4 ", false},       {"1000.2.3.4", false},
        {"", false},        {"192.168.100.2001", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsDottedQuadShape(c.text), c.expected) << c.text;
    EXPECT_FALSE(IsDottedQuadShape(nullptr));
}

TEST(AddressText, RestoreIPv6LiteralCutsAtTheFirstDotAndTurnsHyphensIntoColons)
{
    const struct {
        const char *text;
        const char *expected;
    } cases[] = {
        {"fe80--1.ipv6-literal.net", "fe80::1"},
        {"fe80--1s4.ipv6-literal.net", "fe80::1s4"},
        {"2001-db8--5", "2001:db8::5"},
        {"fe80::1%4", "fe80::1%4"},
        {"", ""},
    };
    for (const auto &c : cases) {
        char buffer[kAddressSize] = {};
        CopyBounded(buffer, sizeof buffer, c.text);
        RestoreIPv6Literal(buffer);
        EXPECT_STREQ(buffer, c.expected) << c.text;
    }
}

TEST(AddressText, RepairOnlyWhereItYieldsAnIPv6Literal)
{
    const TextCase cases[] = {
        {"fe80--1.ipv6-literal.net", true},
        {"2001-db8--5", true},
        {"fe80::1", false},            // already a literal
        {"fe80::1%4", false},
        {"::ffff:10.0.0.1", false},    // the cut at '.' would destroy it
        {"my-print-server.example.com", false},
        {"a-b-c", false},
        {"10.0.0.1", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NeedsIPv6Repair(c.text), c.expected) << c.text;
}

TEST(AddressText, CopyBoundedAlwaysTerminates)
{
    char small[4];
    std::memset(small, 'x', sizeof small);
    CopyBounded(small, sizeof small, "abcdef");
    EXPECT_STREQ(small, "abc");
    CopyBounded(small, sizeof small, nullptr);
    EXPECT_STREQ(small, "");
}
