#include "resources/resource_name.h"

#include <charconv>

#include "codepage/text_conversion.h"

namespace mfpwin {

ResourceId ResourceIdFromArgument(LPCSTR argument)
{
    auto value = reinterpret_cast<uintptr_t>(argument);
    if ((value >> 16) == 0) return ResourceId::Ordinal(static_cast<uint16_t>(value));
    std::string_view text(argument);
    if (text.size() > 1 && text[0] == '#') {
        unsigned ordinal = 0;
        auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), ordinal);
        if (error == std::errc() && end == text.data() + text.size() && ordinal <= 0xFFFF) {
            return ResourceId::Ordinal(static_cast<uint16_t>(ordinal));
        }
    }
    return ResourceId::Text(AnsiToWide(text));
}

}  // namespace mfpwin
