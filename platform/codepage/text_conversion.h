// Conversions between 8-bit text in a Windows code page and UTF-16, for the conversion calls
// and for other platform areas (resource strings, dialog texts).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mfpwin {

// CP_ACP, CP_THREAD_ACP and CP_OEMCP resolved to the code page they stand for.
uint32_t ResolveCodePage(uint32_t codePage);
bool IsSupportedCodePage(uint32_t codePage);

// nullopt when the code page is unsupported, or when `strict` and the text holds a byte
// sequence the code page does not define (otherwise such a sequence becomes U+FFFD).
std::optional<std::u16string> DecodeText(uint32_t codePage, std::string_view text, bool strict);

struct EncodeOptions {
    bool strict = false;          // fail on unpaired surrogates instead of replacing them
    char defaultChar = '?';       // stands for characters an 8-bit code page lacks
};

struct EncodedText {
    std::string text;
    bool usedDefaultChar = false;
};

std::optional<EncodedText> EncodeText(uint32_t codePage, std::u16string_view text, const EncodeOptions &options);

// UTF-16 -> the process's ANSI code page, and back; unsupported input never fails here.
std::string WideToAnsi(std::u16string_view text);
std::u16string AnsiToWide(std::string_view text);

}  // namespace mfpwin
