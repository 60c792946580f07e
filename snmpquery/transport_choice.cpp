#include "snmpquery/transport_choice.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "address/address_text.h"

namespace mfpquery {

TransportChoice ChooseTransport(const char *address)
{
    const char *text = address != nullptr ? address : "";
    if (mfpaddress::LooksLikeIPv6(text))
        return {0, true};
    const size_t length = strnlen(text, mfpaddress::kAddressSize);
    if (length >= 16 && length <= 21)
        return {1, false};
    return {0, false};
}

int ParseBrandCode(const char *text)
{
    if (text == nullptr)
        return 0;
    errno = 0;
    const long value = std::strtol(text, nullptr, 10);
    if (errno != 0 || value < INT_MIN || value > INT_MAX)
        return 0;
    return static_cast<int>(value);
}

}  // namespace mfpquery
