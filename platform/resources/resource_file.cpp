#include "resources/resource_file.h"

#include <algorithm>

namespace mfpwin {
namespace {

size_t AlignToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

class Cursor {
public:
    Cursor(std::span<const uint8_t> bytes, size_t offset) : bytes_(bytes), offset_(offset) {}

    bool ReadWord(uint16_t &value)
    {
        if (bytes_.size() - offset_ < 2) return false;
        value = static_cast<uint16_t>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
        offset_ += 2;
        return true;
    }

    bool ReadDword(uint32_t &value)
    {
        uint16_t low = 0, high = 0;
        if (!ReadWord(low) || !ReadWord(high)) return false;
        value = low | (static_cast<uint32_t>(high) << 16);
        return true;
    }

    bool ReadId(ResourceId &id)
    {
        uint16_t first = 0;
        if (!ReadWord(first)) return false;
        if (first == 0xFFFF) {
            id.isOrdinal = true;
            return ReadWord(id.ordinal);
        }
        std::u16string text;
        for (uint16_t unit = first; unit != 0;) {
            text.push_back(static_cast<char16_t>(unit));
            if (!ReadWord(unit)) return false;
        }
        id = ResourceId::Text(std::move(text));
        return true;
    }

    size_t Offset() const { return offset_; }
    void Seek(size_t offset) { offset_ = offset; }

private:
    std::span<const uint8_t> bytes_;
    size_t offset_;
};

}  // namespace

ResourceId ResourceId::Text(std::u16string value)
{
    for (char16_t &unit : value) {
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    }
    return ResourceId{false, 0, std::move(value)};
}

std::optional<std::vector<ResourceEntry>> ParseResourceFile(std::span<const uint8_t> bytes)
{
    std::vector<ResourceEntry> entries;
    size_t offset = 0;
    while (offset < bytes.size()) {
        Cursor cursor(bytes, offset);
        uint32_t dataSize = 0, headerSize = 0;
        if (!cursor.ReadDword(dataSize) || !cursor.ReadDword(headerSize)) return std::nullopt;
        ResourceEntry entry;
        if (!cursor.ReadId(entry.type) || !cursor.ReadId(entry.name)) return std::nullopt;
        size_t tail = AlignToDword(cursor.Offset());
        if (tail > bytes.size()) return std::nullopt;
        cursor.Seek(tail);
        uint32_t dataVersion = 0, version = 0, characteristics = 0;
        uint16_t memoryFlags = 0;
        if (!cursor.ReadDword(dataVersion) || !cursor.ReadWord(memoryFlags) ||
            !cursor.ReadWord(entry.language) || !cursor.ReadDword(version) ||
            !cursor.ReadDword(characteristics)) {
            return std::nullopt;
        }
        // The declared header must hold what was read; the data must lie within the stream.
        if (headerSize < cursor.Offset() - offset || headerSize > bytes.size() - offset) return std::nullopt;
        size_t dataStart = offset + headerSize;
        if (dataSize > bytes.size() - dataStart) return std::nullopt;
        entry.data = bytes.subspan(dataStart, dataSize);
        bool marker = dataSize == 0 && entry.type == ResourceId::Ordinal(0);
        if (!marker) entries.push_back(std::move(entry));
        offset = std::min(AlignToDword(dataStart + dataSize), bytes.size());
    }
    return entries;
}

}  // namespace mfpwin
