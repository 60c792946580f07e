#include "address/address_text.h"

#include <arpa/inet.h>

#include <cctype>
#include <cstring>
#include <string>

namespace mfpaddress {

static bool HasTwo(const char *text, char c)
{
    const char *first = std::strchr(text, c);
    return first != nullptr && std::strchr(first + 1, c) != nullptr;
}

bool LooksLikeIPv6(const char *text)
{
    if (text == nullptr)
        return false;
    return HasTwo(text, ':') || HasTwo(text, '-');
}

bool IsDottedQuad(const char *text)
{
    if (text == nullptr)
        return false;
    const std::string copy(text, strnlen(text, 259));
    int groups = 0;
    size_t at = 0;
    while (at <= copy.size()) {
        size_t dot = copy.find('.', at);
        if (dot == std::string::npos)
            dot = copy.size();
        const std::string group = copy.substr(at, dot - at);
        at = dot + 1;
        if (group.empty())
            continue;
        if (++groups > 4 || group.size() > 3)
            return false;
        for (char c : group)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        if (std::stoi(group) > 255)
            return false;
    }
    return groups >= 1;
}

bool IsDottedQuadShape(const char *text)
{
    if (text == nullptr)
        return false;
    const size_t length = strnlen(text, 254);
    if (length < 6 || length > 15)
        return false;
    int dots = 0;
    int digitRun = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (digitRun == 0)
                return false;
            ++dots;
            digitRun = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            if (++digitRun > 3)
                return false;
        } else {
            return false;
        }
    }
    return dots == 3;
}

void RestoreIPv6Literal(char *text)
{
    if (text == nullptr)
        return;
    if (char *dot = std::strchr(text, '.'))
        *dot = '\0';
    for (char *c = text; *c; ++c)
        if (*c == '-')
            *c = ':';
}

static bool IsIPv6Literal(const std::string &text)
{
    const std::string withoutZone = text.substr(0, text.find('%'));
    in6_addr parsed{};
    return inet_pton(AF_INET6, withoutZone.c_str(), &parsed) == 1;
}

bool NeedsIPv6Repair(const char *text)
{
    if (!LooksLikeIPv6(text))
        return false;
    const std::string original(text, strnlen(text, kAddressSize - 1));
    if (IsIPv6Literal(original))
        return false;
    std::string repaired = original;
    RestoreIPv6Literal(repaired.data());
    repaired.resize(std::strlen(repaired.c_str()));
    return IsIPv6Literal(repaired);
}

void CopyBounded(char *destination, size_t size, const char *source)
{
    if (size == 0)
        return;
    const size_t length = source ? strnlen(source, size - 1) : 0;
    if (length > 0)
        std::memcpy(destination, source, length);
    destination[length] = '\0';
}

}  // namespace mfpaddress
