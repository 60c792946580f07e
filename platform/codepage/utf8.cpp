#include "codepage/utf8.h"

#include <cstdint>

namespace mfpwin {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string &out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// Decodes one sequence at text[index]; returns its length in bytes (at least 1) and the code
// point. An invalid sequence yields kReplacement (and `valid` false) for its longest valid
// beginning, so "\xC0\xAF" gives two replacements and "\xE2\x82" one.
size_t DecodeOne(std::string_view text, size_t index, char32_t &codePoint, bool &valid)
{
    auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    uint8_t lead = byte(index);
    valid = true;
    codePoint = lead;
    if (lead < 0x80) return 1;
    size_t length = 0;
    uint8_t secondLow = 0x80, secondHigh = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F;
        if (lead == 0xE0) secondLow = 0xA0;  // no overlong forms
        if (lead == 0xED) secondHigh = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;  // nothing above U+10FFFF
    } else {
        valid = false;
        codePoint = kReplacement;
        return 1;
    }
    size_t used = 1;
    for (; used < length && index + used < text.size(); ++used) {
        uint8_t next = byte(index + used);
        uint8_t low = used == 1 ? secondLow : 0x80, high = used == 1 ? secondHigh : 0xBF;
        if (next < low || next > high) break;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (used < length) {
        valid = false;
        codePoint = kReplacement;
    }
    return used;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view text, bool strict)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t index = 0; index < text.size();) {
        char32_t codePoint = 0;
        bool valid = true;
        index += DecodeOne(text, index, codePoint, valid);
        if (!valid && strict) return std::nullopt;
        AppendUtf16(out, codePoint);
    }
    return out;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view text, bool strict)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t index = 0; index < text.size(); ++index) {
        char32_t unit = text[index];
        char32_t codePoint = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
            text[index + 1] <= 0xDFFF) {
            codePoint = 0x10000 + ((unit - 0xD800) << 10) + (text[index + 1] - 0xDC00);
            ++index;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            if (strict) return std::nullopt;
            codePoint = kReplacement;
        }
        AppendUtf8(out, codePoint);
    }
    return out;
}

}  // namespace mfpwin
