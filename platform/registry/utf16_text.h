// Conversion between the registry's 8-bit text (UTF-8) and UTF-16LE, as .reg files of the
// "5.00" kind carry it. Conversions are lossless both ways: a byte that is not part of valid
// UTF-8 travels as the lone surrogate U+DC80 + byte, and such a surrogate turns back into the byte.
#pragma once

#include <string>
#include <string_view>

namespace mfpwin::registry {

std::string Utf8ToUtf16Le(std::string_view text);
// bytes must have an even length.
std::string Utf16LeToUtf8(std::string_view bytes);

}  // namespace mfpwin::registry
