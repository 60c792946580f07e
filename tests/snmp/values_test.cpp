// Object identifiers, bindings, requests and octet strings, without a network.
#include "snmp/snmp_pp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(OidText, ParsesDottedTextAndRejectsEverythingElse)
{
    struct Case {
        const char *text;
        bool valid;
        const char *printable;
    } cases[] = {
        {"1.3.6.1.2.1.1.2.0", true, "1.3.6.1.2.1.1.2.0"},
        {".1.3.6.1", true, "1.3.6.1"},
        {"1.3.6.1.4.1.4294967295", true, "1.3.6.1.4.1.4294967295"},
        {"1.3.6.1.4.1.4294967296", false, ""},
        {"1.3..6", false, ""},
        {"1.3.6.", false, ""},
        {"", false, ""},
        {"sysObjectID.0", false, ""},
        {"1.3.-6", false, ""},
        {"1.3.6 ", false, ""},
    };
    for (const Case &c : cases) {
        Oid oid(c.text);
        EXPECT_EQ(oid.valid(), c.valid) << c.text;
        EXPECT_STREQ(oid.get_printable(), c.printable) << c.text;
    }
    EXPECT_FALSE(Oid(nullptr).valid());
    std::string tooLong = "1";
    for (int i = 0; i < 128; ++i)
        tooLong += ".1";
    EXPECT_FALSE(Oid(tooLong.c_str()).valid());
}

TEST(OidText, PartialPrintableIsOneBasedAndOwnedByTheCaller)
{
    Oid oid("1.3.6.1.4.1.59123.2.3.16");
    struct Case {
        unsigned long start, count;
        const char *text;
    } cases[] = {
        {1, 4, "1.3.6.1"}, {7, 1, "59123"}, {8, 100, "2.3.16"}, {0, 2, "1.3"}, {11, 3, ""}, {99, 1, ""},
    };
    char *buffer = nullptr;
    for (const Case &c : cases) {
        const char *text = oid.get_printable(c.start, c.count, buffer);
        EXPECT_EQ(text, buffer);
        EXPECT_STREQ(text, c.text) << c.start << "+" << c.count;
    }
    delete[] buffer;
}

TEST(VbValues, PrintableValueByKind)
{
    Vb vb(Oid("1.3.6.1.2.1.1.1.0"));
    const unsigned char binary[] = {0x00, 0x1A, 0xFF};
    const unsigned char textWithZeros[] = {'A', 'B', 0, 0};
    const unsigned char boxName[] = {'B', 0, 'o', 0, 'x', 0};
    struct Case {
        const char *what;
        void (*set)(Vb &);
        const char *printable;
    };
    static const unsigned char *binaryBytes = binary;
    static const unsigned char *zeroBytes = textWithZeros;
    static const unsigned char *boxBytes = boxName;
    Case cases[] = {
        {"integer", [](Vb &v) { v.set_value(-42); }, "-42"},
        {"counter32", [](Vb &v) { v.SetUnsigned32(sNMP_SYNTAX_CNTR32, 4294967295UL); }, "4294967295"},
        {"timeticks", [](Vb &v) { v.SetUnsigned32(sNMP_SYNTAX_TIMETICKS, 12345); }, "12345"},
        {"counter64", [](Vb &v) { v.SetCounter64(18446744073709551615ULL); }, "18446744073709551615"},
        {"oid", [](Vb &v) { v.set_value(Oid("1.3.6.1.4.1.59123.2.3.16")); }, "1.3.6.1.4.1.59123.2.3.16"},
        {"ip", [](Vb &v) { v.set_value(IpAddress("192.0.2.7")); }, "192.0.2.7"},
        {"text", [](Vb &v) { v.set_value("Lumora 720\tA"); }, "Lumora 720\tA"},
        {"binary", [](Vb &v) { v.SetOctets(sNMP_SYNTAX_OCTETS, binaryBytes, 3); }, "00 1A FF"},
        {"text with trailing zeros", [](Vb &v) { v.SetOctets(sNMP_SYNTAX_OCTETS, zeroBytes, 4); }, "AB"},
        {"utf-16 name", [](Vb &v) { v.SetOctets(sNMP_SYNTAX_OCTETS, boxBytes, 6); }, "42 00 6F 00 78 00"},
        {"empty string", [](Vb &v) { v.set_value(""); }, ""},
        {"null", [](Vb &v) { v.set_null(); }, ""},
        {"exception", [](Vb &v) { v.SetException(sNMP_SYNTAX_NOSUCHOBJECT); }, ""},
    };
    for (const Case &c : cases) {
        c.set(vb);
        EXPECT_STREQ(vb.get_printable_value(), c.printable) << c.what;
    }
}

TEST(VbValues, IntegerReadsAcceptOnlyNumbersThatFit)
{
    Vb vb;
    int i = 7;
    long l = 7;
    vb.set_value(-5);
    EXPECT_EQ(vb.get_value(i), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(i, -5);
    vb.SetUnsigned32(sNMP_SYNTAX_GAUGE32, 3000000000UL);  // beyond int, within long
    i = 7;
    EXPECT_EQ(vb.get_value(i), SNMP_CLASS_INVALID);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(vb.get_value(l), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(l, 3000000000L);
    vb.SetCounter64(ULLONG_MAX);
    l = 7;
    EXPECT_EQ(vb.get_value(l), SNMP_CLASS_INVALID);
    EXPECT_EQ(l, 7);
    for (auto set : {+[](Vb &v) { v.set_value("12"); }, +[](Vb &v) { v.set_null(); },
                     +[](Vb &v) { v.SetException(sNMP_SYNTAX_NOSUCHINSTANCE); }}) {
        set(vb);
        EXPECT_EQ(vb.get_value(i), SNMP_CLASS_INVALID);
        EXPECT_EQ(i, 7);
    }
}

TEST(VbValues, TextReadsAreBoundedByTheBuffer)
{
    Vb vb;
    std::string longText(1000, 'x');
    vb.set_value(longText.c_str());

    char guarded[Vb::kTextBound + 16];
    std::memset(guarded, '#', sizeof guarded);
    EXPECT_EQ(vb.get_value(guarded), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(std::strlen(guarded), Vb::kTextBound - 1);
    EXPECT_EQ(guarded[Vb::kTextBound], '#');

    char small[8];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(vb.get_value(small, 5), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(small, "xxxx");
    EXPECT_EQ(small[5], '#');

    unsigned char raw[40];
    std::memset(raw, '#', sizeof raw);
    unsigned long length = 99;
    EXPECT_EQ(vb.get_value(raw, length, 32), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(length, 32u);
    EXPECT_EQ(raw[32], '#');

    vb.set_value(3);
    length = 99;
    EXPECT_EQ(vb.get_value(raw, length, 32), SNMP_CLASS_INVALID);
    EXPECT_EQ(vb.get_value(small, sizeof small), SNMP_CLASS_INVALID);
    EXPECT_EQ(vb.get_value(small, 0), SNMP_CLASS_INVALID);
}

TEST(PduBindings, AddTrimGetAndSetStayInRange)
{
    Pdu pdu;
    Vb first(Oid("1.3.6.1.2.1.1.1.0"));
    Vb second(Oid("1.3.6.1.2.1.1.2.0"));
    pdu += first;
    pdu += second;
    EXPECT_EQ(pdu.get_vb_count(), 2);
    Vb read;
    EXPECT_TRUE(pdu.get_vb(read, 1));
    EXPECT_STREQ(read.get_printable_oid(), "1.3.6.1.2.1.1.2.0");
    EXPECT_FALSE(pdu.get_vb(read, 2));
    EXPECT_FALSE(pdu.get_vb(read, -1));
    EXPECT_FALSE(pdu.set_vb(first, 5));
    EXPECT_TRUE(pdu.trim(1));
    EXPECT_EQ(pdu.get_vb_count(), 1);
    EXPECT_TRUE(pdu.set_vb(second, 0));
    EXPECT_TRUE(pdu.get_vb(read, 0));
    EXPECT_STREQ(read.get_printable_oid(), "1.3.6.1.2.1.1.2.0");
    EXPECT_FALSE(pdu.trim(0));
    EXPECT_TRUE(pdu.trim(10));
    EXPECT_EQ(pdu.get_vb_count(), 0);
    for (int i = 0; i < Pdu::kMaxBindings + 5; ++i)
        pdu += first;
    EXPECT_EQ(pdu.get_vb_count(), Pdu::kMaxBindings);
}

TEST(OctetStrText, AssignmentFromTextAndNull)
{
    OctetStr community;
    community = "private";
    EXPECT_EQ(community.len(), 7u);
    EXPECT_STREQ(community.get_printable(), "private");
    community = nullptr;
    EXPECT_EQ(community.len(), 0u);
    EXPECT_STREQ(community.get_printable(), "");
}

}  // namespace
