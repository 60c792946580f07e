// Builds the answer to one SNMP request from a profile (the protocol rules of v1 and v2c).
#pragma once

#include "faults.h"
#include "profile.h"

struct snmp_pdu;

namespace devsim {

// The response PDU for request (get, get-next, get-bulk, set), with the object fault applied
// when one is given. The caller frees it with snmp_free_pdu. Null when the request cannot be
// answered (unknown command, no memory).
snmp_pdu *BuildAnswer(const snmp_pdu &request, const Profile &profile, const ObjectFault *fault);

}  // namespace devsim
