#include "profile.h"
#include "line_file.h"

#include <arpa/inet.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace devsim {

bool ParseOid(const std::string &text, OidValue &oid)
{
    oid.clear();
    size_t pos = text.size() > 0 && text[0] == '.' ? 1 : 0;
    while (pos < text.size()) {
        size_t end = text.find('.', pos);
        std::string part = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (part.empty() || part.size() > 10 || part.find_first_not_of("0123456789") != std::string::npos)
            return false;
        unsigned long value = std::strtoul(part.c_str(), nullptr, 10);
        if (value > 0xFFFFFFFFUL)
            return false;
        oid.push_back(value);
        if (end == std::string::npos)
            break;
        pos = end + 1;
        if (pos == text.size())
            return false;
    }
    return !oid.empty() && oid.size() <= 128;
}

std::string FormatOid(const OidValue &oid)
{
    std::string text;
    for (size_t i = 0; i < oid.size(); ++i)
        text += (i ? "." : "") + std::to_string(oid[i]);
    return text;
}

static bool ParseHex(const std::string &text, std::vector<unsigned char> &bytes)
{
    if (text.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) || !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            return false;
        bytes.push_back(static_cast<unsigned char>(std::strtoul(text.substr(i, 2).c_str(), nullptr, 16)));
    }
    return true;
}

static bool ParseNumber(const std::string &text, long long low, long long high, long long &value)
{
    if (text.empty())
        return false;
    errno = 0;
    char *end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

bool ParseTypedValue(const std::string &typedValue, ObjectValue &value, std::string &error)
{
    size_t bar = typedValue.find('|');
    if (bar == std::string::npos) {
        error = "expected type|value";
        return false;
    }
    std::string type = typedValue.substr(0, bar);
    std::string text = typedValue.substr(bar + 1);
    value = ObjectValue{};
    long long number = 0;
    if (type == "2") {
        value.tag = 0x02;
        if (!ParseNumber(text, INT32_MIN, INT32_MAX, number))
            return error = "bad integer", false;
        value.integer = static_cast<long>(number);
    } else if (type == "4") {
        value.tag = 0x04;
        value.bytes.assign(text.begin(), text.end());
    } else if (type == "4x" || type == "68x" || type == "64x") {
        value.tag = type == "4x" ? 0x04 : type == "68x" ? 0x44 : 0x40;
        if (!ParseHex(text, value.bytes))
            return error = "bad hex string", false;
    } else if (type == "5") {
        value.tag = 0x05;
    } else if (type == "6") {
        value.tag = 0x06;
        if (!ParseOid(text, value.oid))
            return error = "bad object identifier", false;
    } else if (type == "64") {
        value.tag = 0x40;
        in_addr address{};
        if (inet_pton(AF_INET, text.c_str(), &address) != 1)
            return error = "bad IP address", false;
        const auto *raw = reinterpret_cast<const unsigned char *>(&address);
        value.bytes.assign(raw, raw + 4);
    } else if (type == "65" || type == "66" || type == "67") {
        value.tag = static_cast<unsigned char>(0x41 + (type[1] - '5'));
        if (!ParseNumber(text, 0, UINT32_MAX, number))
            return error = "bad unsigned 32-bit number", false;
        value.integer = static_cast<long>(number);
    } else if (type == "70") {
        value.tag = 0x46;
        errno = 0;
        char *end = nullptr;
        value.counter64 = std::strtoull(text.c_str(), &end, 10);
        if (text.empty() || errno != 0 || *end != '\0' || text[0] == '-')
            return error = "bad counter64", false;
    } else {
        error = "unknown type '" + type + "'";
        return false;
    }
    return true;
}

bool LoadProfile(const std::string &path, Profile &profile, std::string &error)
{
    return ForEachLine(
        path,
        [&](const std::string &line) -> std::string {
            if (line.empty() || line[0] == '#')
                return {};
            const size_t bar = line.find('|');
            OidValue oid;
            ObjectValue value;
            std::string why;
            if (bar == std::string::npos || !ParseOid(line.substr(0, bar), oid))
                return "bad object identifier";
            if (!ParseTypedValue(line.substr(bar + 1), value, why))
                return why;
            profile[oid] = value;
            return {};
        },
        error);
}

}  // namespace devsim
