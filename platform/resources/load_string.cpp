// LoadStringA and LoadStringW: a string of the module's string table, cut to the caller's
// buffer and always terminated.
#include <algorithm>
#include <cstring>

#include "codepage/text_conversion.h"
#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"
#include "resources/string_table.h"

namespace {

// How many bytes of the text fit in `room` without splitting a UTF-8 sequence. Only UTF-8 has
// multi-byte characters among the supported code pages.
size_t CutAtCharacter(std::string_view text, size_t room)
{
    if (text.size() <= room) return text.size();
    size_t cut = room;
    if (GetACP() == CP_UTF8) {
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    }
    return cut;
}

}  // namespace

MFPAPI int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax)
{
    if (buffer == nullptr || bufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    std::optional<std::u16string_view> text = mfpwin::FindResourceString(instance, id);
    if (!text) return 0;
    std::string ansi = mfpwin::WideToAnsi(*text);
    size_t length = CutAtCharacter(ansi, static_cast<size_t>(bufferMax) - 1);
    std::memcpy(buffer, ansi.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

MFPAPI int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax)
{
    if (buffer == nullptr || bufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::optional<std::u16string_view> text = mfpwin::FindResourceString(instance, id);
    if (bufferMax == 0) {
        // The caller receives a pointer to the text inside the resource.
        const WCHAR *inside = text ? reinterpret_cast<const WCHAR *>(text->data()) : nullptr;
        std::memcpy(buffer, &inside, sizeof inside);
        return text ? static_cast<int>(text->size()) : 0;
    }
    buffer[0] = 0;
    if (!text) return 0;
    size_t length = std::min(text->size(), static_cast<size_t>(bufferMax) - 1);
    // Never keep the first half of a surrogate pair without its second.
    if (length < text->size() && length > 0 && (*text)[length - 1] >= 0xD800 && (*text)[length - 1] <= 0xDBFF) --length;
    std::memcpy(buffer, text->data(), length * sizeof(WCHAR));
    buffer[length] = 0;
    return static_cast<int>(length);
}
