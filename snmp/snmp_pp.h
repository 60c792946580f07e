// The whole SNMP class layer in one include.
#pragma once

#include "snmp/address.h"
#include "snmp/octet_str.h"
#include "snmp/oid.h"
#include "snmp/pdu.h"
#include "snmp/snmp.h"
#include "snmp/snmp_status.h"
#include "snmp/target.h"
#include "snmp/vb.h"
