// Conversion between net-snmp's structures and the layer's Vb and Pdu (internal).
#pragma once

#include "snmp/pdu.h"
#include "snmp/vb.h"

#include <cstddef>

struct variable_list;
struct snmp_pdu;

namespace mfpsnmp {

// Stores the value of an answered binding in vb (its object identifier too); unknown types
// become an empty value of that syntax.
void StoreVariable(const variable_list &variable, Vb &vb);

// Checks an answer to a one-binding request and writes it into pdu. command is SNMP_MSG_GET or
// SNMP_MSG_GETNEXT; requested is the object asked. Returns the layer's status for the request.
int ReadResponse(const snmp_pdu &response, int command, const Oid &requested, Pdu &pdu);

// Decodes one datagram as an SNMP v1/v2c response and reads it like ReadResponse; any datagram
// that does not decode gives SNMP_CLASS_BAD_RESPONSE. Used by the decode fuzz test.
int DecodeResponse(const unsigned char *datagram, size_t length, int command, const Oid &requested, Pdu &pdu);

}  // namespace mfpsnmp
