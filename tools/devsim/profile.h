// A device profile: the objects a simulated device holds, read from .snmprec text
// ("OID|type|value" per line, sorted by object identifier on load).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace devsim {

using OidValue = std::vector<unsigned long>;

// One object's value as the wire carries it: the ASN.1 tag and the decoded content.
struct ObjectValue {
    unsigned char tag = 0;
    long integer = 0;                 // integer, counter32, gauge32, timeticks
    unsigned long long counter64 = 0;
    std::vector<unsigned char> bytes; // octet string, IP address, opaque
    OidValue oid;                     // object identifier
};

using Profile = std::map<OidValue, ObjectValue>;

// Dotted text to sub-identifiers; false for anything else.
bool ParseOid(const std::string &text, OidValue &oid);
std::string FormatOid(const OidValue &oid);

// Parses "type|value" (type as in .snmprec: 2, 4, 4x, 5, 6, 64, 64x, 65, 66, 67, 68x, 70).
bool ParseTypedValue(const std::string &typedValue, ObjectValue &value, std::string &error);

// Loads a .snmprec file; blank lines and lines starting with '#' are skipped. On a bad line,
// error names the file and line and the result is false.
bool LoadProfile(const std::string &path, Profile &profile, std::string &error);

}  // namespace devsim
