#include "snmp/fuzz/decode_fuzz_target.h"

#include "snmp/netsnmp_convert.h"
#include "snmp/snmp_pp.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace mfpsnmp {

namespace {

constexpr unsigned char kGuard = 0xA5;

void CheckGuard(const unsigned char *guard, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        if (guard[i] != kGuard)
            std::abort();
    }
}

void ReadEveryWay(const Vb &vb)
{
    int intValue = 0;
    long longValue = 0;
    vb.get_value(intValue);
    vb.get_value(longValue);
    if (std::strlen(vb.get_printable_value()) > 4 * Vb::kMaxOctets)
        std::abort();
    vb.get_printable_oid();

    unsigned char text[Vb::kTextBound + 16];
    std::memset(text, kGuard, sizeof text);
    vb.get_value(reinterpret_cast<char *>(text));
    CheckGuard(text + Vb::kTextBound, 16);

    unsigned char small[8 + 16];
    std::memset(small, kGuard, sizeof small);
    vb.get_value(reinterpret_cast<char *>(small), 8);
    CheckGuard(small + 8, 16);

    unsigned char raw[32 + 16];
    std::memset(raw, kGuard, sizeof raw);
    unsigned long length = 0;
    if (vb.get_value(raw, length, 32) == SNMP_CLASS_SUCCESS && length > 32)
        std::abort();
    CheckGuard(raw + 32, 16);

    char *partial = nullptr;
    vb.get_oid().get_printable(2, 3, partial);
    delete[] partial;
}

}  // namespace

void FuzzOneResponse(const uint8_t *data, size_t size)
{
    if (size == 0)
        return;
    // The first byte picks the request: get of the object below, or get-next from an earlier one.
    int command = (data[0] & 1) ? SNMP_MSG_GETNEXT : SNMP_MSG_GET;
    Oid requested(command == SNMP_MSG_GET ? "1.3.6.1.2.1.1.2.0" : "1.3");
    Pdu pdu;
    pdu += Vb(requested);
    int status = DecodeResponse(data + 1, size - 1, command, requested, pdu);
    Vb vb;
    if (pdu.get_vb_count() != 1 || !pdu.get_vb(vb, 0))
        std::abort();
    if (status == SNMP_CLASS_SUCCESS && vb.IsException())
        std::abort();
    ReadEveryWay(vb);

    // The same bytes as text for the parsers of object identifiers and IPX addresses.
    std::string text(reinterpret_cast<const char *>(data), size);
    Oid parsed(text.c_str());
    if (parsed.valid() && parsed.len() > Oid::kMaxLength)
        std::abort();
    IpxSockAddress ipx(text.c_str());
    GenAddress generic(text.c_str(), Address::type_ipx);
    (void)ipx.get_printable();
    (void)generic.get_printable();
}

}  // namespace mfpsnmp
