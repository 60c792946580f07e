#include "codepage/text_conversion.h"

#include "codepage/single_byte_code_page.h"
#include "codepage/utf8.h"
#include "mfpwin/codepage.h"

namespace mfpwin {

uint32_t ResolveCodePage(uint32_t codePage)
{
    switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP: return GetACP();
    case CP_OEMCP: return GetOEMCP();
    default: return codePage;
    }
}

bool IsSupportedCodePage(uint32_t codePage)
{
    codePage = ResolveCodePage(codePage);
    return codePage == CP_UTF8 || FindSingleByteCodePage(codePage) != nullptr;
}

std::optional<std::u16string> DecodeText(uint32_t codePage, std::string_view text, bool strict)
{
    codePage = ResolveCodePage(codePage);
    if (codePage == CP_UTF8) return Utf8ToUtf16(text, strict);
    const SingleByteCodePage *table = FindSingleByteCodePage(codePage);
    if (table == nullptr) return std::nullopt;
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) {
        char16_t wide = table->toWide[static_cast<uint8_t>(c)];
        if (wide == SingleByteCodePage::kUndefined) {
            if (strict) return std::nullopt;
            wide = 0xFFFD;
        }
        out.push_back(wide);
    }
    return out;
}

std::optional<EncodedText> EncodeText(uint32_t codePage, std::u16string_view text, const EncodeOptions &options)
{
    codePage = ResolveCodePage(codePage);
    EncodedText result;
    if (codePage == CP_UTF8) {
        std::optional<std::string> utf8 = Utf16ToUtf8(text, options.strict);
        if (!utf8) return std::nullopt;
        result.text = std::move(*utf8);
        return result;
    }
    const SingleByteCodePage *table = FindSingleByteCodePage(codePage);
    if (table == nullptr) return std::nullopt;
    result.text.reserve(text.size());
    for (size_t index = 0; index < text.size(); ++index) {
        char16_t unit = text[index];
        auto found = table->fromWide.find(unit);
        if (found != table->fromWide.end()) {
            result.text.push_back(static_cast<char>(found->second));
            continue;
        }
        // A surrogate pair is one character and gets one default character.
        bool pair = unit >= 0xD800 && unit <= 0xDBFF && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
                    text[index + 1] <= 0xDFFF;
        if (pair) ++index;
        result.text.push_back(options.defaultChar);
        result.usedDefaultChar = true;
    }
    return result;
}

std::string WideToAnsi(std::u16string_view text)
{
    std::optional<EncodedText> encoded = EncodeText(CP_ACP, text, {});
    if (!encoded) encoded = EncodeText(1252, text, {});
    return encoded ? encoded->text : std::string();
}

std::u16string AnsiToWide(std::string_view text)
{
    std::optional<std::u16string> decoded = DecodeText(CP_ACP, text, false);
    if (!decoded) decoded = DecodeText(1252, text, false);
    return decoded ? *decoded : std::u16string();
}

}  // namespace mfpwin
