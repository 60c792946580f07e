// UTF-8 <-> UTF-16 with the replacement rules of the conversion calls: each invalid or
// truncated sequence (overlong forms, encoded surrogates, values above U+10FFFF) and each
// unpaired surrogate becomes U+FFFD, or fails the conversion when `strict`.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mfpwin {

std::optional<std::u16string> Utf8ToUtf16(std::string_view text, bool strict);
std::optional<std::string> Utf16ToUtf8(std::u16string_view text, bool strict);

}  // namespace mfpwin
