// The two platform families that change the resolver's and the query frame's roads.
#pragma once

namespace mfpaddress {

// Windows 95, 98 or Me: platform 1, version 4.0, 4.10 or 4.90.
bool IsWindows9x();
// Windows NT 4.0 or earlier: platform 2, major version 4 or lower.
bool IsWindowsNt4OrEarlier();

}  // namespace mfpaddress
