// A variable binding: an object identifier and its value as an agent answered it.
//
// Reading rules (every copy into a caller's buffer is bounded by that buffer):
//   get_value(int &)   integer, counter32, gauge32, timeticks when the value fits an int
//   get_value(long &)  the same, plus counter64 when it fits a long
//   get_value(char *)  octet strings only: the bytes and a terminating zero, at most
//                      kTextBound bytes written in all (longer values are cut)
//   get_value(char *, size_t)           the same bounded by the given buffer size
//   get_value(unsigned char *, len, max) octet strings only: at most max bytes, len = count
// A value that cannot be read in the requested form returns SNMP_CLASS_INVALID and leaves the
// caller's variable or buffer untouched.
#pragma once

#include "snmp/oid.h"
#include "snmp/snmp_export.h"
#include "snmp/snmp_status.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class OctetStr;
class IpAddress;

class MFP_SNMP_API Vb {
public:
    // Bytes get_value(char *) writes at most, terminating zero included: fits the 255- and
    // 260-byte buffers callers pass.
    static constexpr size_t kTextBound = 255;
    // Longest octet string a binding keeps; longer values are cut when they are stored.
    static constexpr size_t kMaxOctets = 65535;

    Vb() = default;
    explicit Vb(const Oid &oid);

    void set_oid(const Oid &oid) { oid_ = oid; }
    void get_oid(Oid &oid) const { oid = oid_; }
    const Oid &get_oid() const { return oid_; }
    const char *get_printable_oid() const { return oid_.get_printable(); }

    unsigned char get_syntax() const { return syntax_; }
    // True when the binding holds one of the three v2c exceptions.
    bool IsException() const;

    // Setters: each replaces the value and its syntax.
    void set_null();
    void set_value(int value);
    void set_value(long value);
    void set_value(const OctetStr &value);
    void set_value(const char *text);
    void set_value(const Oid &value);
    void set_value(const IpAddress &value);
    // Counter32, gauge32 or timeticks (the value is kept modulo 2^32).
    void SetUnsigned32(unsigned char syntax, unsigned long value);
    void SetCounter64(uint64_t value);
    // Octet string or opaque from raw bytes (cut at kMaxOctets).
    void SetOctets(unsigned char syntax, const unsigned char *bytes, size_t length);
    // One of sNMP_SYNTAX_NOSUCHOBJECT, NOSUCHINSTANCE, ENDOFMIBVIEW.
    void SetException(unsigned char syntax);

    int get_value(int &value) const;
    int get_value(long &value) const;
    int get_value(char *buffer) const;
    int get_value(char *buffer, size_t bufferSize) const;
    int get_value(unsigned char *buffer, unsigned long &length, unsigned long maxLength) const;

    // The value as text (rule in docs/snmp.md): integers and the unsigned kinds in decimal,
    // object identifiers dotted, IP addresses dotted, octet strings as text when every byte
    // (before trailing zero bytes) is printable ASCII or tab/CR/LF, otherwise as upper-case hex
    // bytes separated by single spaces; null and exceptions give "". Valid until the Vb changes.
    const char *get_printable_value() const;

private:
    Oid oid_;
    unsigned char syntax_ = sNMP_SYNTAX_NULL;
    int64_t signed_ = 0;
    uint64_t unsigned_ = 0;
    std::vector<unsigned char> octets_;  // octet string, opaque, IP address
    Oid oidValue_;
    mutable std::string printable_;
};
