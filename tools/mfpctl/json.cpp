#include "json.h"

#include <cstdio>

namespace mfpctl {

static size_t Utf8SequenceLength(std::string_view text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string JsonQuote(std::string_view text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char escaped[8];
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (size_t length = Utf8SequenceLength(text, i)) {
                out.append(text.substr(i, length));
                i += length - 1;
            } else {
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            }
        }
    }
    return out + "\"";
}

}  // namespace mfpctl
