// MultiByteToWideChar and WideCharToMultiByte: argument checks and the required-size protocol
// around the conversions of text_conversion.
#include <cstring>

#include "codepage/text_conversion.h"
#include "mfpwin/codepage.h"
#include "mfpwin/kernel.h"

namespace {

constexpr DWORD kMultiByteFlags = MB_PRECOMPOSED | MB_ERR_INVALID_CHARS;
constexpr DWORD kWideCharFlags = WC_NO_BEST_FIT_CHARS | WC_ERR_INVALID_CHARS;

int Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

template <typename Unit>
size_t InputLength(const Unit *text, int length)
{
    if (length >= 0) return static_cast<size_t>(length);
    size_t count = 0;
    while (text[count] != 0) ++count;
    return count + 1;  // -1 converts the terminator too
}

}  // namespace

MFPAPI int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int length, LPWSTR wide, int wideSize)
{
    if ((flags & ~kMultiByteFlags) != 0) return Fail(ERROR_INVALID_FLAGS);
    if (multiByte == nullptr || length == 0 || length < -1 || wideSize < 0 || (wide == nullptr && wideSize != 0)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (!mfpwin::IsSupportedCodePage(codePage)) return Fail(ERROR_INVALID_PARAMETER);
    std::string_view input(multiByte, InputLength(multiByte, length));
    std::optional<std::u16string> decoded = mfpwin::DecodeText(codePage, input, (flags & MB_ERR_INVALID_CHARS) != 0);
    if (!decoded) return Fail(ERROR_NO_UNICODE_TRANSLATION);
    if (decoded->size() > static_cast<size_t>(INT32_MAX)) return Fail(ERROR_INVALID_PARAMETER);
    int needed = static_cast<int>(decoded->size());
    if (wideSize == 0) return needed;
    if (needed > wideSize) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(wide, decoded->data(), decoded->size() * sizeof(WCHAR));
    return needed;
}

MFPAPI int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int length, LPSTR multiByte, int multiByteSize,
                               LPCSTR defaultChar, LPBOOL usedDefaultChar)
{
    if (wide == nullptr || length == 0 || length < -1 || multiByteSize < 0 ||
        (multiByte == nullptr && multiByteSize != 0)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if ((flags & ~kWideCharFlags) != 0) return Fail(ERROR_INVALID_FLAGS);
    if (!mfpwin::IsSupportedCodePage(codePage)) return Fail(ERROR_INVALID_PARAMETER);
    bool utf8 = mfpwin::ResolveCodePage(codePage) == CP_UTF8;
    if (utf8 && (defaultChar != nullptr || usedDefaultChar != nullptr)) return Fail(ERROR_INVALID_PARAMETER);

    mfpwin::EncodeOptions options;
    options.strict = utf8 && (flags & WC_ERR_INVALID_CHARS) != 0;
    if (defaultChar != nullptr) options.defaultChar = *defaultChar;
    std::u16string_view input(reinterpret_cast<const char16_t *>(wide), InputLength(wide, length));
    std::optional<mfpwin::EncodedText> encoded = mfpwin::EncodeText(codePage, input, options);
    if (!encoded) return Fail(ERROR_NO_UNICODE_TRANSLATION);
    if (encoded->text.size() > static_cast<size_t>(INT32_MAX)) return Fail(ERROR_INVALID_PARAMETER);
    if (usedDefaultChar != nullptr) *usedDefaultChar = encoded->usedDefaultChar ? TRUE : FALSE;
    int needed = static_cast<int>(encoded->text.size());
    if (multiByteSize == 0) return needed;
    if (needed > multiByteSize) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(multiByte, encoded->text.data(), encoded->text.size());
    return needed;
}
