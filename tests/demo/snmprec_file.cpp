#include "snmprec_file.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace demotest {

namespace {

bool IsDigits(const std::string &text)
{
    if (text.empty())
        return false;
    for (unsigned char c : text)
        if (!std::isdigit(c))
            return false;
    return true;
}

template <typename Number>
bool ParsesAs(const std::string &text)
{
    Number number{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool IsDottedQuad(const std::string &text)
{
    auto oid = ParseOid(text);
    if (!oid || oid->size() != 4)
        return false;
    for (auto part : *oid)
        if (part > 255)
            return false;
    return true;
}

bool IsHexOfWholeBytes(const std::string &text)
{
    if (text.size() % 2 != 0)
        return false;
    for (unsigned char c : text)
        if (!std::isxdigit(c))
            return false;
    return true;
}

}  // namespace

std::optional<Oid> ParseOid(const std::string &text)
{
    Oid oid;
    std::size_t start = 0;
    while (true) {
        std::size_t dot = text.find('.', start);
        std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!IsDigits(part) || !ParsesAs<std::uint32_t>(part))
            return std::nullopt;
        oid.push_back(static_cast<std::uint32_t>(std::stoul(part)));
        if (dot == std::string::npos)
            return oid;
        start = dot + 1;
    }
}

std::optional<SnmprecRecord> ParseRecord(const std::string &line, int lineNumber)
{
    std::size_t first = line.find('|');
    if (first == std::string::npos)
        return std::nullopt;
    std::size_t second = line.find('|', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    SnmprecRecord record;
    record.lineNumber = lineNumber;
    record.oidText = line.substr(0, first);
    record.type = line.substr(first + 1, second - first - 1);
    record.value = line.substr(second + 1);
    auto oid = ParseOid(record.oidText);
    if (!oid || record.type.empty())
        return std::nullopt;
    record.oid = *oid;
    return record;
}

std::vector<std::string> ReadLines(const std::filesystem::path &path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string CheckValueForType(const std::string &type, const std::string &value)
{
    if (type == "2")
        return ParsesAs<std::int32_t>(value) ? "" : "not a 32-bit integer";
    if (type == "4")
        return value.find('\n') == std::string::npos ? "" : "holds a line break";
    if (type == "4x")
        return IsHexOfWholeBytes(value) ? "" : "not hexadecimal with an even number of digits";
    if (type == "6")
        return ParseOid(value) ? "" : "not an object identifier";
    if (type == "64")
        return IsDottedQuad(value) ? "" : "not an IPv4 address";
    if (type == "65" || type == "66" || type == "67")
        return ParsesAs<std::uint32_t>(value) ? "" : "not an unsigned 32-bit number";
    return "unknown type";
}

}  // namespace demotest
