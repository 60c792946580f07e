#include "snmpquery/transport_choice.h"

#include <gtest/gtest.h>

#include "snmpquery/frame_options.h"

using namespace mfpquery;

TEST(TransportChoice, ByLengthAndShape)
{
    const struct {
        const char *address;
        int ipxMode;
        bool ipv6;
    } cases[] = {
        {"0000000A-00C0A8010203", 1, false},  // an IPX address: 21 characters
        {"192.168.100.200", 0, false},        // 15 characters
        {"printer16chars.x", 1, false},       // 16 characters
        {"printer-22-characters.", 0, true},  // two hyphens: IPv6-like before any length test
        {"printer22characters.xy", 0, false},
        {"fe80::1%4", 0, true},
        {"fe80--1.ipv6-literal.net", 0, true},
        {"", 0, false},
        {nullptr, 0, false},
    };
    for (const auto &c : cases) {
        const TransportChoice choice = ChooseTransport(c.address);
        EXPECT_EQ(choice.ipxMode, c.ipxMode) << (c.address ? c.address : "(null)");
        EXPECT_EQ(choice.ipv6, c.ipv6) << (c.address ? c.address : "(null)");
    }
}

TEST(TransportChoice, BrandCodeText)
{
    const struct {
        const char *text;
        int brand;
    } cases[] = {{"3", 3}, {"0", 0}, {"03", 3}, {"3abc", 3}, {"abc", 0}, {"", 0},
                 {nullptr, 0}, {" 7", 7}, {"-2", -2}, {"99999999999999999999", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(ParseBrandCode(c.text), c.brand) << (c.text ? c.text : "(null)");
}

TEST(SessionRules, WhatUnusableSessionsMean)
{
    const struct {
        SessionFailure rule;
        bool udp, ipx;
        bool proceed, message;
    } cases[] = {
        {SessionFailure::Silent, false, false, false, false},
        {SessionFailure::Silent, false, true, true, false},
        {SessionFailure::Message, false, false, false, true},
        {SessionFailure::Message, true, false, true, false},
        {SessionFailure::QueryContinues, false, false, true, true},
        {SessionFailure::QueryContinues, true, false, true, false},
        {SessionFailure::UdpOnlySilent, false, true, false, false},
        {SessionFailure::UdpOnlySilent, true, false, true, false},
    };
    for (const auto &c : cases) {
        const SessionVerdict verdict = JudgeSessions(c.rule, c.udp, c.ipx);
        EXPECT_EQ(verdict.proceed, c.proceed) << static_cast<int>(c.rule) << c.udp << c.ipx;
        EXPECT_EQ(verdict.showMessage, c.message) << static_cast<int>(c.rule) << c.udp << c.ipx;
    }
}
