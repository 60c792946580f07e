// Tests and repairs of device address texts: dotted quads, IPv6-like texts and the
// "ipv6-literal.net" names that Windows gives IPv6 hosts in UNC paths.
#pragma once

#include <cstddef>

namespace mfpaddress {

// Size of every address buffer of the resolver and the query frame.
inline constexpr size_t kAddressSize = 260;

// True when the text holds two or more ':' or two or more '-' characters.
bool LooksLikeIPv6(const char *text);

// Up to 259 characters split at '.', empty groups skipped: 1 to 4 groups of 1 to 3 decimal
// digits, each 0..255. Accepts "10", "10.1" and "1..2"; an empty text is false.
bool IsDottedQuad(const char *text);

// Up to 254 characters: 6 to 15 characters of digits and dots, no run of more than 3 digits,
// every dot after a digit, exactly 3 dots ("1.2.3." with its trailing dot passes).
bool IsDottedQuadShape(const char *text);

// Keeps the text before its first '.' and turns every '-' into ':' ("fe80--1.ipv6-literal.net"
// becomes "fe80::1"). Works in place.
void RestoreIPv6Literal(char *text);

// True when RestoreIPv6Literal would turn the text into a valid IPv6 literal that it is not
// already. Host names with several hyphens and real IPv6 literals (also with an embedded
// dotted quad, "::ffff:10.0.0.1") fail this test and are left alone.
bool NeedsIPv6Repair(const char *text);

// Copies at most size-1 bytes of source and always terminates (size > 0).
void CopyBounded(char *destination, size_t size, const char *source);

}  // namespace mfpaddress
