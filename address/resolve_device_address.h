// From a printer's spooler record to its device's address.
#pragma once

#include "mfpwin.h"
#include "address/resolve_trace.h"

namespace mfpaddress {

// Writes the device address of the printer into address (260 bytes) and returns 0 (found),
// 10 (no record, no usable attribute or port kind, no WSD device, no SNMP session for the
// family check) or 50 (known port kind without an address, or a host that is not one of the
// maker's devices).
//   brandCode     selects the discovery-cache key (3: partner brand)
//   printer       handle for the printer data values (may be null)
//   familyCheck   1: ask share and server hosts for their sysObjectID
//   unreachableLatch  carries a failed family check from one call to the next (may be null)
//   fresh         1: ignore "SNMPIPAddress" and skip the family check of local share ports
//   trace         receives which sources were consulted and which one decided (may be null)
int ResolveDeviceAddress(const PRINTER_INFO_2A *record, char *address, int brandCode, HANDLE printer,
                         int familyCheck, int *unreachableLatch, int fresh, ResolveTrace *trace = nullptr);

}  // namespace mfpaddress
