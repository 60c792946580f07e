// Reading .snmprec device profiles (lines "OID|type|value") for the profile checks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace demotest {

using Oid = std::vector<std::uint32_t>;

struct SnmprecRecord {
    int lineNumber = 0;
    std::string oidText;
    Oid oid;
    std::string type;
    std::string value;
};

// Parses "1.3.6.1" into its sub-identifiers; nothing when the text is not a dotted number list
// or a sub-identifier does not fit 32 bits.
std::optional<Oid> ParseOid(const std::string &text);

// Splits one record line at its first two '|'; nothing when the line has no such shape or its
// object identifier does not parse.
std::optional<SnmprecRecord> ParseRecord(const std::string &line, int lineNumber);

// Every line of a file, without line ends.
std::vector<std::string> ReadLines(const std::filesystem::path &path);

// Why a value is not valid for its type, or an empty text when it is.
std::string CheckValueForType(const std::string &type, const std::string &value);

}  // namespace demotest
