#include "utf16_text.h"

#include <cstdint>

namespace mfpwin::registry {

namespace {

void PutUnit(std::string &out, uint32_t unit)
{
    out.push_back(static_cast<char>(unit & 0xff));
    out.push_back(static_cast<char>(unit >> 8));
}

void PutUtf8(std::string &out, uint32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    }
}

// Decodes one well-formed UTF-8 sequence at text[at]; returns its length, 0 when malformed.
size_t DecodeUtf8(std::string_view text, size_t at, uint32_t &code)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    uint8_t lead = byte(at);
    size_t length = lead < 0x80 ? 1 : (lead & 0xe0) == 0xc0 ? 2 : (lead & 0xf0) == 0xe0 ? 3 : (lead & 0xf8) == 0xf0 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    code = length == 1 ? lead : length == 2 ? lead & 0x1f : length == 3 ? lead & 0x0f : lead & 0x07;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3f);
    }
    static const uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

}  // namespace

std::string Utf8ToUtf16Le(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t at = 0; at < text.size();) {
        uint32_t code = 0;
        size_t length = DecodeUtf8(text, at, code);
        if (length == 0) {
            PutUnit(out, 0xdc00 | static_cast<uint8_t>(text[at]));
            ++at;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            PutUnit(out, 0xd800 | (code >> 10));
            PutUnit(out, 0xdc00 | (code & 0x3ff));
        } else {
            PutUnit(out, code);
        }
        at += length;
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1])) << 8);
    };
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        uint32_t first = unit(at);
        if (first >= 0xd800 && first <= 0xdbff && at + 3 < bytes.size()) {
            uint32_t second = unit(at + 2);
            if (second >= 0xdc00 && second <= 0xdfff) {
                PutUtf8(out, 0x10000 + ((first - 0xd800) << 10) + (second - 0xdc00));
                at += 2;
                continue;
            }
        }
        if (first >= 0xdc80 && first <= 0xdcff)
            out.push_back(static_cast<char>(first & 0xff));  // a byte that was not valid UTF-8
        else
            PutUtf8(out, first);
    }
    return out;
}

}  // namespace mfpwin::registry
