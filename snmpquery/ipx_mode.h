// The IPX mode flag: whether the device of the current query is reached over IPX. Every query
// sets it from its address before opening its sessions and reads it before each send. It is
// kept per thread, so queries on several threads at once do not disturb each other; a query
// that cannot resolve its address and goes on anyway reads it as the previous query on its
// thread left it.
#pragma once

namespace mfpquery {

int IpxModeFlag();
void SetIpxModeFlag(int mode);

}  // namespace mfpquery
