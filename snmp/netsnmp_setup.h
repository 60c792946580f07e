// One-time, thread-safe initialisation of net-snmp for the whole process (internal).
#pragma once

namespace mfpsnmp {

// Initialises net-snmp on first use: no configuration files, no MIB files, no persistent state,
// no signals. Later calls return at once.
void EnsureNetSnmp();

}  // namespace mfpsnmp
