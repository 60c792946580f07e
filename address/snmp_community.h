// The printer's SNMP read community.
#pragma once

#include "address/snmp_classes.h"
#include "mfpwin.h"

namespace mfpaddress {

// 1 when the printer data "SNMP Community" was read and set as the target's read community;
// 0 (the layer's default community stays) when the handle is null or the value is missing.
int ReadSnmpCommunity(CTarget &target, HANDLE printer);

}  // namespace mfpaddress
