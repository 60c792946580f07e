// Whether a host is one of the maker's devices: its sysObjectID against the known families.
#pragma once

#include <string>
#include <vector>

#include "mfpwin.h"

namespace mfpaddress {

inline constexpr int kFamilyKnown = 3;
inline constexpr int kFamilyOtherOrSilent = 4;
inline constexpr int kFamilyNoSession = -2;

// The sysObjectID value texts ("<prefix>.2.3.14", ...) of the known device families.
const std::vector<std::string> &KnownFamilyTexts();
// True when the printable sysObjectID value contains one of the known family texts.
bool IsKnownFamily(const char *sysObjectId);

// Asks the host's sysObjectID over UDP (3 s) with the printer's read community.
// 3: known family, or familyCheck is not 1 (nothing asked). 4: empty host, name lookup failed,
// no or a wrong answer, another family, or the latch already set (nothing asked); a failed or
// negative answer sets the latch. -2: neither session could be opened.
int CheckDeviceFamily(HANDLE printer, const char *host, int familyCheck, int *unreachableLatch);

}  // namespace mfpaddress
