#include "snmp/vb.h"

#include "snmp/address.h"
#include "snmp/octet_str.h"

#include <arpa/inet.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

Vb::Vb(const Oid &oid) : oid_(oid) {}

bool Vb::IsException() const
{
    return syntax_ == sNMP_SYNTAX_NOSUCHOBJECT || syntax_ == sNMP_SYNTAX_NOSUCHINSTANCE ||
           syntax_ == sNMP_SYNTAX_ENDOFMIBVIEW;
}

void Vb::set_null()
{
    syntax_ = sNMP_SYNTAX_NULL;
    signed_ = 0;
    unsigned_ = 0;
    octets_.clear();
    oidValue_ = Oid();
}

void Vb::set_value(int value)
{
    set_value(static_cast<long>(value));
}

void Vb::set_value(long value)
{
    set_null();
    syntax_ = sNMP_SYNTAX_INT;
    signed_ = value;
}

void Vb::set_value(const OctetStr &value)
{
    SetOctets(sNMP_SYNTAX_OCTETS, value.data(), value.len());
}

void Vb::set_value(const char *text)
{
    set_value(OctetStr(text));
}

void Vb::set_value(const Oid &value)
{
    set_null();
    syntax_ = sNMP_SYNTAX_OID;
    oidValue_ = value;
}

void Vb::set_value(const IpAddress &value)
{
    set_null();
    syntax_ = sNMP_SYNTAX_IPADDR;
    in_addr parsed{};
    if (value.get_ip_version() == Address::version_ipv4 && inet_pton(AF_INET, value.get_printable(), &parsed) == 1) {
        const auto *bytes = reinterpret_cast<const unsigned char *>(&parsed);
        octets_.assign(bytes, bytes + 4);
    }
}

void Vb::SetUnsigned32(unsigned char syntax, unsigned long value)
{
    set_null();
    syntax_ = syntax;
    unsigned_ = value & 0xFFFFFFFFUL;
}

void Vb::SetCounter64(uint64_t value)
{
    set_null();
    syntax_ = sNMP_SYNTAX_CNTR64;
    unsigned_ = value;
}

void Vb::SetOctets(unsigned char syntax, const unsigned char *bytes, size_t length)
{
    set_null();
    syntax_ = syntax;
    if (bytes != nullptr)
        octets_.assign(bytes, bytes + std::min(length, kMaxOctets));
}

void Vb::SetException(unsigned char syntax)
{
    set_null();
    syntax_ = syntax;
}

static bool IsUnsigned32Kind(unsigned char syntax)
{
    return syntax == sNMP_SYNTAX_CNTR32 || syntax == sNMP_SYNTAX_GAUGE32 || syntax == sNMP_SYNTAX_TIMETICKS;
}

int Vb::get_value(int &value) const
{
    if (syntax_ == sNMP_SYNTAX_INT && signed_ >= INT_MIN && signed_ <= INT_MAX) {
        value = static_cast<int>(signed_);
        return SNMP_CLASS_SUCCESS;
    }
    if (IsUnsigned32Kind(syntax_) && unsigned_ <= static_cast<uint64_t>(INT_MAX)) {
        value = static_cast<int>(unsigned_);
        return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_INVALID;
}

int Vb::get_value(long &value) const
{
    if (syntax_ == sNMP_SYNTAX_INT) {
        value = static_cast<long>(signed_);
        return SNMP_CLASS_SUCCESS;
    }
    if ((IsUnsigned32Kind(syntax_) || syntax_ == sNMP_SYNTAX_CNTR64) && unsigned_ <= static_cast<uint64_t>(LONG_MAX)) {
        value = static_cast<long>(unsigned_);
        return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_INVALID;
}

int Vb::get_value(char *buffer) const
{
    return get_value(buffer, kTextBound);
}

int Vb::get_value(char *buffer, size_t bufferSize) const
{
    if (buffer == nullptr || bufferSize == 0 || syntax_ != sNMP_SYNTAX_OCTETS)
        return SNMP_CLASS_INVALID;
    size_t count = std::min(octets_.size(), bufferSize - 1);
    if (count > 0)
        std::memcpy(buffer, octets_.data(), count);
    buffer[count] = '\0';
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(unsigned char *buffer, unsigned long &length, unsigned long maxLength) const
{
    if (buffer == nullptr || syntax_ != sNMP_SYNTAX_OCTETS)
        return SNMP_CLASS_INVALID;
    size_t count = std::min<size_t>(octets_.size(), maxLength);
    if (count > 0)
        std::memcpy(buffer, octets_.data(), count);
    length = count;
    return SNMP_CLASS_SUCCESS;
}

// Text when every byte before any trailing zero bytes is printable ASCII, tab, CR or LF.
static bool IsPrintableText(const std::vector<unsigned char> &bytes, size_t &textLength)
{
    textLength = bytes.size();
    while (textLength > 0 && bytes[textLength - 1] == 0)
        --textLength;
    for (size_t i = 0; i < textLength; ++i) {
        unsigned char c = bytes[i];
        if ((c < 0x20 || c > 0x7E) && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

const char *Vb::get_printable_value() const
{
    char number[32];
    switch (syntax_) {
    case sNMP_SYNTAX_INT:
        std::snprintf(number, sizeof number, "%lld", static_cast<long long>(signed_));
        printable_ = number;
        break;
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS:
    case sNMP_SYNTAX_CNTR64:
        std::snprintf(number, sizeof number, "%llu", static_cast<unsigned long long>(unsigned_));
        printable_ = number;
        break;
    case sNMP_SYNTAX_OID:
        printable_ = oidValue_.get_printable();
        break;
    case sNMP_SYNTAX_IPADDR:
        printable_.clear();
        for (size_t i = 0; i < octets_.size(); ++i)
            printable_ += (i ? "." : "") + std::to_string(octets_[i]);
        break;
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE: {
        size_t textLength = 0;
        if (syntax_ == sNMP_SYNTAX_OCTETS && IsPrintableText(octets_, textLength)) {
            printable_.assign(octets_.begin(), octets_.begin() + static_cast<long>(textLength));
            break;
        }
        printable_.clear();
        for (size_t i = 0; i < octets_.size(); ++i) {
            std::snprintf(number, sizeof number, i ? " %02X" : "%02X", octets_[i]);
            printable_ += number;
        }
        break;
    }
    default:
        printable_.clear();
        break;
    }
    return printable_.c_str();
}
