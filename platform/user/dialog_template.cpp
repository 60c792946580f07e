#include "user/dialog_template.h"

#include <cstring>

#include "user/wide_text.h"

namespace mfpwin::user {
namespace {

constexpr WORD kExtendedSignature = 0xFFFF;

// Reads little-endian values from the template, failing instead of reading past its end.
class TemplateReader {
public:
    TemplateReader(const BYTE *bytes, size_t size) : bytes_(bytes), size_(size) {}

    template <typename T>
    bool Read(T &value) {
        if (size_ - offset_ < sizeof(T)) return false;
        std::memcpy(&value, bytes_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return true;
    }

    bool ReadBytes(std::vector<BYTE> &out, size_t count) {
        if (size_ - offset_ < count) return false;
        out.assign(bytes_ + offset_, bytes_ + offset_ + count);
        offset_ += count;
        return true;
    }

    // A zero-terminated UTF-16 string.
    bool ReadString(std::string &out) {
        std::u16string wide;
        for (;;) {
            WORD unit;
            if (!Read(unit)) return false;
            if (unit == 0) break;
            wide.push_back(static_cast<char16_t>(unit));
        }
        out = WideToProcessText(wide);
        return true;
    }

    // 0x0000: absent; 0xFFFF and a number: an ordinal; anything else: a string.
    bool ReadNameOrOrdinal(NameOrOrdinal &out) {
        WORD first;
        if (!Read(first)) return false;
        if (first == 0x0000) return true;
        out.present = true;
        if (first == 0xFFFF) {
            out.isOrdinal = true;
            return Read(out.ordinal);
        }
        offset_ -= sizeof(WORD);
        return ReadString(out.name);
    }

    bool AlignTo(size_t alignment) {
        size_t aligned = (offset_ + alignment - 1) / alignment * alignment;
        if (aligned > size_) return false;
        offset_ = aligned;
        return true;
    }

private:
    const BYTE *bytes_;
    size_t size_;
    size_t offset_ = 0;
};

bool ReadHeader(TemplateReader &reader, DialogTemplate &result, WORD &itemCount) {
    if (result.extended) {
        WORD version, signature;
        DWORD helpId;
        if (!reader.Read(version) || !reader.Read(signature) || !reader.Read(helpId) ||
            !reader.Read(result.exStyle) || !reader.Read(result.style))
            return false;
    } else if (!reader.Read(result.style) || !reader.Read(result.exStyle)) {
        return false;
    }
    if (!reader.Read(itemCount) || !reader.Read(result.x) || !reader.Read(result.y) || !reader.Read(result.cx) ||
        !reader.Read(result.cy))
        return false;
    if (!reader.ReadNameOrOrdinal(result.menu) || !reader.ReadNameOrOrdinal(result.windowClass) ||
        !reader.ReadString(result.title))
        return false;
    if (!(result.style & DS_SETFONT)) return true;
    result.hasFont = true;
    if (!reader.Read(result.pointSize)) return false;
    if (result.extended) {
        BYTE italic, charset;
        if (!reader.Read(result.weight) || !reader.Read(italic) || !reader.Read(charset)) return false;
        result.italic = italic != 0;
    }
    return reader.ReadString(result.fontName);
}

bool ReadItem(TemplateReader &reader, bool extended, DialogItemTemplate &item) {
    if (!reader.AlignTo(sizeof(DWORD))) return false;
    if (extended) {
        DWORD helpId;
        DWORD id;
        if (!reader.Read(helpId) || !reader.Read(item.exStyle) || !reader.Read(item.style) || !reader.Read(item.x) ||
            !reader.Read(item.y) || !reader.Read(item.cx) || !reader.Read(item.cy) || !reader.Read(id))
            return false;
        item.id = static_cast<int>(id);
    } else {
        WORD id;
        if (!reader.Read(item.style) || !reader.Read(item.exStyle) || !reader.Read(item.x) || !reader.Read(item.y) ||
            !reader.Read(item.cx) || !reader.Read(item.cy) || !reader.Read(id))
            return false;
        // Classic templates keep 16-bit ids; -1 (IDC_STATIC) arrives as 0xFFFF.
        item.id = static_cast<short>(id);
    }
    if (!reader.ReadNameOrOrdinal(item.windowClass) || !reader.ReadNameOrOrdinal(item.title)) return false;
    WORD extraCount;
    if (!reader.Read(extraCount)) return false;
    if (extraCount == 0) return true;
    // Creation data of the extended form starts on a WORD boundary (it already is).
    return reader.ReadBytes(item.creationData, extraCount);
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const void *bytes, size_t size) {
    if (bytes == nullptr) return std::nullopt;
    TemplateReader reader(static_cast<const BYTE *>(bytes), size);
    DialogTemplate result;
    WORD firstWords[2] = {};
    if (size >= sizeof(firstWords)) std::memcpy(firstWords, bytes, sizeof(firstWords));
    result.extended = firstWords[0] == 1 && firstWords[1] == kExtendedSignature;
    WORD itemCount = 0;
    if (!ReadHeader(reader, result, itemCount)) return std::nullopt;
    result.items.resize(itemCount);
    for (DialogItemTemplate &item : result.items)
        if (!ReadItem(reader, result.extended, item)) return std::nullopt;
    return result;
}

}  // namespace mfpwin::user
