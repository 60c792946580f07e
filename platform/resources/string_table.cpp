#include "resources/string_table.h"


#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"

namespace mfpwin {

std::optional<std::u16string_view> FindResourceString(HMODULE module, UINT id)
{
    constexpr UINT kStringsPerBlock = 16;
    if (id > 0xFFFF) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    HRSRC block = FindResourceA(module, MAKEINTRESOURCEA(id / kStringsPerBlock + 1), RT_STRING);
    if (block == nullptr) {
        if (GetLastError() == ERROR_RESOURCE_TYPE_NOT_FOUND) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    const auto *data = static_cast<const uint8_t *>(LockResource(LoadResource(module, block)));
    size_t size = SizeofResource(module, block);
    size_t offset = 0;
    for (UINT index = 0;; ++index) {
        if (size - offset < 2) break;
        size_t length = data[offset] | (data[offset + 1] << 8);
        offset += 2;
        if ((size - offset) / 2 < length) break;
        if (index == id % kStringsPerBlock) {
            if (length == 0) break;
            // Resource data is DWORD-aligned in the image, so the units are aligned too.
            return std::u16string_view(reinterpret_cast<const char16_t *>(data + offset), length);
        }
        offset += length * 2;
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return std::nullopt;
}

}  // namespace mfpwin
