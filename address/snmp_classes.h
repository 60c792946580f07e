// The SNMP class layer, in one include for the resolver and the query frame.
#pragma once

#include "snmp/address.h"
#include "snmp/octet_str.h"
#include "snmp/oid.h"
#include "snmp/pdu.h"
#include "snmp/snmp.h"
#include "snmp/snmp_status.h"
#include "snmp/target.h"
#include "snmp/vb.h"
