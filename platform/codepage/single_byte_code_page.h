// Tables of the 8-bit code pages (Windows 874 and 125x, DOS 437/85x/866, ISO 8859, KOI8),
// built once per code page from the system's iconv.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>

namespace mfpwin {

struct SingleByteCodePage {
    static constexpr char16_t kUndefined = 0xFFFF;  // no character at this byte
    std::array<char16_t, 256> toWide{};
    std::unordered_map<char16_t, uint8_t> fromWide;
};

// The table of the code page, or nullptr when it is not an 8-bit code page known here.
const SingleByteCodePage *FindSingleByteCodePage(uint32_t codePage);

}  // namespace mfpwin
