// An SNMP session: sends get and get-next requests of one binding to a target and writes the
// answered binding back into the request.
//
// net-snmp does the encoding, transport, timeouts and retries; it is initialised once per
// process (never reading MIB files or the host's snmp.conf). Sessions are independent and may be
// used from different threads; one session serialises its own requests.
#pragma once

#include "snmp/address.h"
#include "snmp/pdu.h"
#include "snmp/snmp_export.h"
#include "snmp/snmp_status.h"
#include "snmp/target.h"

#include <memory>

class MFP_SNMP_API Snmp {
public:
    // Reference-counted bracket around SNMP use; safe from many threads. Returns 0.
    static int socket_startup();
    static int socket_cleanup();

    // A UDP session, IPv4 or IPv6, bound to the local port (0: any). status is 0 when the session
    // is usable, SNMP_CLASS_SESSION_UNUSABLE otherwise.
    Snmp(int &status, unsigned short port = 0, bool ipv6 = false);
    // An IPX session. There is no IPX transport: status is SNMP_CLASS_UNSUPPORTED and every
    // request on the session returns SNMP_CLASS_SESSION_UNUSABLE.
    Snmp(int &status, const IpxSockAddress &address);
    ~Snmp();
    Snmp(const Snmp &) = delete;
    Snmp &operator=(const Snmp &) = delete;

    // One binding per request. Results: 0 and the answered binding written into pdu (index 0);
    // SNMP_CLASS_TIMEOUT; the agent's error status (> 0); an SNMPv2c exception
    // (SNMP_CLASS_NO_SUCH_OBJECT, _NO_SUCH_INSTANCE, _END_OF_MIB_VIEW, binding written back);
    // SNMP_CLASS_SESSION_UNUSABLE, SNMP_CLASS_TL_FAILED, SNMP_CLASS_INVALID_PDU,
    // SNMP_CLASS_INVALID_TARGET, SNMP_CLASS_BAD_RESPONSE.
    int get(Pdu &pdu, const SnmpTarget &target);
    int get_next(Pdu &pdu, const SnmpTarget &target);

    // A short English description of a result code.
    static const char *error_msg(int status);

private:
    struct Session;
    int Request(int command, Pdu &pdu, const SnmpTarget &target);
    std::unique_ptr<Session> session_;
};
