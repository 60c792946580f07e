#include "printer_data_format.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace mfpctl {

namespace {

struct TypeEntry {
    const char *name;
    DWORD type;
};

constexpr TypeEntry kTypes[] = {
    {"REG_SZ", REG_SZ},       {"REG_EXPAND_SZ", REG_EXPAND_SZ}, {"REG_MULTI_SZ", REG_MULTI_SZ},
    {"REG_DWORD", REG_DWORD}, {"REG_BINARY", REG_BINARY},
};

}  // namespace

bool ParseDword(const std::string &text, DWORD &value)
{
    if (text.empty() || text[0] == '-')
        return false;
    errno = 0;
    char *end = nullptr;
    const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
    const unsigned long long parsed = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0' || parsed > 0xFFFFFFFFull)
        return false;
    value = static_cast<DWORD>(parsed);
    return true;
}

namespace {

bool ParseHexBytes(const Arguments &words, std::vector<BYTE> &data)
{
    std::string digits;
    for (const auto &word : words)
        for (char c : word)
            if (c != ' ' && c != ',' && c != ':')
                digits.push_back(c);
    if (digits.size() % 2 != 0)
        return false;
    for (size_t at = 0; at < digits.size(); at += 2) {
        char *end = nullptr;
        const std::string pair = digits.substr(at, 2);
        const long byte = std::strtol(pair.c_str(), &end, 16);
        if (*end != '\0' || pair.find_first_of("+-xX") != std::string::npos)
            return false;
        data.push_back(static_cast<BYTE>(byte));
    }
    return true;
}

std::string TextOf(const std::vector<BYTE> &data, size_t from = 0)
{
    const char *begin = reinterpret_cast<const char *>(data.data()) + from;
    return std::string(begin, strnlen(begin, data.size() - from));
}

}  // namespace

std::string ValueTypeName(DWORD type)
{
    for (const auto &entry : kTypes)
        if (entry.type == type)
            return entry.name;
    return "type " + std::to_string(type);
}

bool ParseTypedValue(const std::string &typeName, const Arguments &dataWords, DWORD &type, std::vector<BYTE> &data,
                     std::string &error)
{
    const TypeEntry *found = nullptr;
    for (const auto &entry : kTypes)
        if (strcasecmp(typeName.c_str(), entry.name) == 0 || strcasecmp(typeName.c_str(), entry.name + 4) == 0)
            found = &entry;
    if (!found) {
        error = "unknown value type '" + typeName + "' (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_BINARY)";
        return false;
    }
    type = found->type;
    data.clear();
    if (type == REG_MULTI_SZ) {
        for (const auto &word : dataWords)
            data.insert(data.end(), word.c_str(), word.c_str() + word.size() + 1);
        data.push_back(0);
        return true;
    }
    if (type == REG_BINARY) {
        if (!ParseHexBytes(dataWords, data)) {
            error = "binary data must be pairs of hexadecimal digits, e.g. 0a1b2c";
            return false;
        }
        return true;
    }
    if (dataWords.size() != 1) {
        error = ValueTypeName(type) + " takes exactly one DATA word";
        return false;
    }
    if (type == REG_DWORD) {
        DWORD value = 0;
        if (!ParseDword(dataWords[0], value)) {
            error = "'" + dataWords[0] + "' is not a number from 0 to 4294967295";
            return false;
        }
        data.resize(sizeof value);
        std::memcpy(data.data(), &value, sizeof value);
        return true;
    }
    data.assign(dataWords[0].c_str(), dataWords[0].c_str() + dataWords[0].size() + 1);
    return true;
}

std::string FormatValue(DWORD type, const std::vector<BYTE> &data)
{
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        return TextOf(data);
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        return std::to_string(value);
    }
    if (type == REG_MULTI_SZ) {
        std::string joined;
        for (size_t at = 0; at < data.size();) {
            const std::string entry = TextOf(data, at);
            if (entry.empty())
                break;
            joined += (joined.empty() ? "" : ", ") + entry;
            at += entry.size() + 1;
        }
        return joined;
    }
    std::string hex;
    char pair[3];
    for (BYTE byte : data) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

}  // namespace mfpctl
