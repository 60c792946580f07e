// Reader of compiled resource data in the 32-bit resource file format: a sequence of entries,
// each a header (data size, header size, type, name, data version, memory flags, language,
// version, characteristics) followed by the data, every part DWORD-aligned. Type and name are
// either an ordinal (0xFFFF then a WORD) or a zero-terminated UTF-16 string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/internal_api.h"

namespace mfpwin {

// A resource type or name: an ordinal, or a string kept in upper case (lookups ignore case).
struct ResourceId {
    bool isOrdinal = true;
    uint16_t ordinal = 0;
    std::u16string text;

    static ResourceId Ordinal(uint16_t value) { return ResourceId{true, value, {}}; }
    MFPWIN_INTERNAL_API static ResourceId Text(std::u16string value);
    bool operator==(const ResourceId &) const = default;
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    uint16_t language = 0;
    std::span<const uint8_t> data;
};

// The entries of a whole resource stream (several compiled scripts may follow one another), or
// nothing when any header is malformed or runs past the end. The entries point into `bytes`.
// The empty marker entry every compiled script starts with is left out.
MFPWIN_INTERNAL_API std::optional<std::vector<ResourceEntry>> ParseResourceFile(std::span<const uint8_t> bytes);

}  // namespace mfpwin
