// An octet string: the read community of a target and the raw form of string values.
#pragma once

#include "snmp/snmp_export.h"

#include <cstddef>
#include <string>
#include <vector>

class MFP_SNMP_API OctetStr {
public:
    OctetStr() = default;
    // Text up to its terminating zero; null gives the empty string.
    OctetStr(const char *text);
    OctetStr(const unsigned char *bytes, size_t length);

    OctetStr &operator=(const char *text);

    size_t len() const { return bytes_.size(); }
    const unsigned char *data() const { return bytes_.data(); }
    bool valid() const { return true; }
    // The bytes followed by a terminating zero (bytes after an embedded zero are not seen by
    // text functions). Valid until the string changes.
    const char *get_printable() const;

    bool operator==(const OctetStr &other) const { return bytes_ == other.bytes_; }

private:
    std::vector<unsigned char> bytes_;
    mutable std::string printable_;
};
