// An object identifier, kept as its sub-identifiers.
#pragma once

#include "snmp/snmp_export.h"

#include <string>
#include <vector>

class MFP_SNMP_API Oid {
public:
    // Most sub-identifiers an object identifier may have (the protocol's limit).
    static constexpr unsigned long kMaxLength = 128;

    Oid() = default;
    // Dotted decimal text, with or without a leading '.', each part 0 .. 4294967295. Any other
    // text (names, empty parts, signs, too many parts) gives an invalid, empty Oid.
    explicit Oid(const char *dotted);
    Oid(const unsigned long *subIds, unsigned long count);

    bool valid() const { return valid_; }
    unsigned long len() const { return subIds_.size(); }
    unsigned long operator[](unsigned long index) const { return subIds_.at(index); }
    const std::vector<unsigned long> &SubIds() const { return subIds_; }

    // Dotted text of all sub-identifiers ("1.3.6.1.2.1.1.2.0"); empty for an invalid Oid.
    // Valid until the Oid changes.
    const char *get_printable() const;
    // Dotted text of n sub-identifiers starting at position start (1 = the first), cut at the
    // end of the Oid. The text is placed in a new array (new[]) whose address is stored in
    // buffer and returned; the caller owns it and frees it with delete[]. A non-null buffer
    // passed in must come from an earlier call: it is freed (delete[]) first.
    const char *get_printable(unsigned long start, unsigned long n, char *&buffer) const;

    // True when the first other.len() sub-identifiers equal those of other.
    bool StartsWith(const Oid &other) const;
    Oid &operator+=(unsigned long subId);
    bool operator==(const Oid &other) const { return subIds_ == other.subIds_ && valid_ == other.valid_; }
    bool operator<(const Oid &other) const { return subIds_ < other.subIds_; }

private:
    std::vector<unsigned long> subIds_;
    bool valid_ = false;
    mutable std::string printable_;
};
