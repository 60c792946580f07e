#include "address/device_family.h"

#include <cstring>

#include "address/address_text.h"
#include "address/numeric_host.h"
#include "address/snmp_community.h"
#include "address/snmp_sessions.h"
#include "address/vendor_oid.h"

namespace mfpaddress {

static constexpr const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

const std::vector<std::string> &KnownFamilyTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> list;
        for (const char *family : {"14", "15", "16", "17", "18", "19", "20", "22", "25", "26", "27", "28", "29",
                                   "32", "33", "34"})
            list.push_back(VendorOid(std::string("2.3.") + family));
        return list;
    }();
    return texts;
}

bool IsKnownFamily(const char *sysObjectId)
{
    if (sysObjectId == nullptr)
        return false;
    for (const auto &family : KnownFamilyTexts())
        if (std::strstr(sysObjectId, family.c_str()) != nullptr)
            return true;
    return false;
}

static int Unreachable(int *latch)
{
    if (latch != nullptr)
        *latch = 1;
    return kFamilyOtherOrSilent;
}

int CheckDeviceFamily(HANDLE printer, const char *host, int familyCheck, int *unreachableLatch)
{
    if (host == nullptr || *host == '\0')
        return kFamilyOtherOrSilent;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    char numeric[kAddressSize] = {};
    const bool resolved = ResolveToNumericHost(host, numeric);
    const bool ipv6 = LooksLikeIPv6(numeric);

    SocketScope sockets;
    SessionPair sessions(ipv6);
    if (!sessions.UdpUsable())
        return sessions.IpxUsable() ? kFamilyOtherOrSilent : kFamilyNoSession;
    if (!resolved)
        return kFamilyOtherOrSilent;

    char withoutZone[kAddressSize];
    CopyBounded(withoutZone, sizeof withoutZone, numeric);
    if (char *zone = std::strchr(withoutZone, '%'))
        *zone = '\0';
    CTarget target{IpAddress(withoutZone)};
    target.set_timeout(300);
    ReadSnmpCommunity(target, printer);

    if (familyCheck != 1)
        return kFamilyKnown;
    if (unreachableLatch != nullptr && *unreachableLatch != 0)
        return kFamilyOtherOrSilent;

    Pdu pdu;
    pdu += Vb(Oid(kSysObjectId));
    if (sessions.Udp().get(pdu, target) != SNMP_CLASS_SUCCESS)
        return Unreachable(unreachableLatch);
    Vb answer;
    pdu.get_vb(answer, 0);
    const char *answeredOid = answer.get_printable_oid();
    if (answeredOid == nullptr || std::strstr(answeredOid, kSysObjectId) == nullptr)
        return Unreachable(unreachableLatch);
    if (!IsKnownFamily(answer.get_printable_value()))
        return Unreachable(unreachableLatch);
    return kFamilyKnown;
}

}  // namespace mfpaddress
