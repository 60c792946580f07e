#include "snmpquery/ipx_mode.h"

namespace mfpquery {

static thread_local int ipxMode = 0;

int IpxModeFlag() { return ipxMode; }
void SetIpxModeFlag(int mode) { ipxMode = mode; }

}  // namespace mfpquery
