// Name lookup of a host into the numeric text of its address.
#pragma once

namespace mfpaddress {

// getaddrinfo of the host (no hints); every answer in turn is rendered numerically into out
// (260 bytes), so the last one wins. On failure out is left as it was. Bracketed by the SNMP
// socket start-up and clean-up.
bool ResolveToNumericHost(const char *host, char *out);

}  // namespace mfpaddress
