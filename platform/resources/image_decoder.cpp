#include "resources/image_decoder.h"


namespace mfpwin {
namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;
constexpr uint64_t kMaximumPixels = 64ull * 1024 * 1024;

struct Color {
    uint8_t red = 0, green = 0, blue = 0;
};

class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool Has(size_t offset, size_t count) const { return offset <= bytes_.size() && count <= bytes_.size() - offset; }
    uint16_t Word(size_t offset) const { return static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8)); }
    uint32_t Dword(size_t offset) const { return Word(offset) | (static_cast<uint32_t>(Word(offset + 2)) << 16); }
    uint8_t Byte(size_t offset) const { return bytes_[offset]; }

private:
    std::span<const uint8_t> bytes_;
};

// The parts of a DIB header, with heights already made positive.
struct DibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::vector<Color> palette;
    size_t pixelOffset = 0;
    size_t stride = 0;
};

// Reads the header and colour table; `heightDivisor` is 2 for icons, whose height covers the
// colour image and the mask.
std::optional<DibLayout> ReadLayout(const Reader &reader, int heightDivisor)
{
    if (!reader.Has(0, 4)) return std::nullopt;
    uint32_t headerSize = reader.Dword(0);
    DibLayout layout;
    int64_t rawHeight = 0;
    uint32_t colorsUsed = 0;
    size_t paletteEntrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        if (!reader.Has(0, kCoreHeaderSize)) return std::nullopt;
        layout.width = reader.Word(4);
        rawHeight = reader.Word(6);
        if (reader.Word(8) != 1) return std::nullopt;
        layout.bitsPerPixel = reader.Word(10);
        paletteEntrySize = 3;
    } else {
        if (headerSize < kInfoHeaderSize || !reader.Has(0, headerSize)) return std::nullopt;
        layout.width = static_cast<int32_t>(reader.Dword(4));
        rawHeight = static_cast<int32_t>(reader.Dword(8));
        if (reader.Word(12) != 1 || reader.Dword(16) != kUncompressed) return std::nullopt;
        layout.bitsPerPixel = reader.Word(14);
        colorsUsed = reader.Dword(32);
    }
    layout.topDown = rawHeight < 0;
    rawHeight = rawHeight < 0 ? -rawHeight : rawHeight;
    if (layout.width <= 0 || rawHeight <= 0 || rawHeight % heightDivisor != 0) return std::nullopt;
    layout.height = static_cast<int>(rawHeight / heightDivisor);
    int bits = layout.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    if (static_cast<uint64_t>(layout.width) * static_cast<uint64_t>(layout.height) > kMaximumPixels) return std::nullopt;

    // Indexed images carry their table (colorsUsed entries, 0 = all); direct-colour images
    // may carry an unused one that is skipped.
    uint64_t maxColors = bits <= 8 ? (1u << bits) : 0;
    uint64_t entries = colorsUsed != 0 ? colorsUsed : maxColors;
    if (bits <= 8 && entries > maxColors) return std::nullopt;
    if (entries > 4096) return std::nullopt;
    if (!reader.Has(headerSize, entries * paletteEntrySize)) return std::nullopt;
    for (size_t i = 0; i < entries && bits <= 8; ++i) {
        size_t offset = headerSize + i * paletteEntrySize;
        layout.palette.push_back({reader.Byte(offset + 2), reader.Byte(offset + 1), reader.Byte(offset)});
    }
    layout.pixelOffset = headerSize + entries * paletteEntrySize;
    layout.stride = ((static_cast<size_t>(layout.width) * bits + 31) / 32) * 4;
    if (!reader.Has(layout.pixelOffset, layout.stride * layout.height)) return std::nullopt;
    return layout;
}

// The row's offset in the data for the image row counted from the top.
size_t RowOffset(const DibLayout &layout, size_t firstRowOffset, int rowFromTop)
{
    int storedRow = layout.topDown ? rowFromTop : layout.height - 1 - rowFromTop;
    return firstRowOffset + static_cast<size_t>(storedRow) * layout.stride;
}

DecodedImage DecodePixels(const Reader &reader, const DibLayout &layout)
{
    DecodedImage image{layout.width, layout.height, {}};
    image.rgba.resize(static_cast<size_t>(layout.width) * layout.height * 4);
    for (int y = 0; y < layout.height; ++y) {
        size_t row = RowOffset(layout, layout.pixelOffset, y);
        for (int x = 0; x < layout.width; ++x) {
            Color color;
            int bits = layout.bitsPerPixel;
            if (bits <= 8) {
                size_t bitOffset = static_cast<size_t>(x) * bits;
                uint8_t byte = reader.Byte(row + bitOffset / 8);
                unsigned index = (byte >> (8 - bits - bitOffset % 8)) & ((1u << bits) - 1);
                if (index < layout.palette.size()) color = layout.palette[index];
            } else {
                size_t pixel = row + static_cast<size_t>(x) * (bits / 8);
                color = {reader.Byte(pixel + 2), reader.Byte(pixel + 1), reader.Byte(pixel)};
            }
            uint8_t *out = &image.rgba[(static_cast<size_t>(y) * layout.width + x) * 4];
            out[0] = color.red, out[1] = color.green, out[2] = color.blue, out[3] = 0xFF;
        }
    }
    return image;
}

}  // namespace

std::optional<DecodedImage> DecodeBitmap(std::span<const uint8_t> bitmap)
{
    Reader reader(bitmap);
    std::optional<DibLayout> layout = ReadLayout(reader, 1);
    if (!layout) return std::nullopt;
    return DecodePixels(reader, *layout);
}

std::optional<DecodedImage> DecodeIcon(std::span<const uint8_t> icon)
{
    Reader reader(icon);
    std::optional<DibLayout> layout = ReadLayout(reader, 2);
    if (!layout) return std::nullopt;
    DecodedImage image = DecodePixels(reader, *layout);

    bool ownAlpha = false;
    if (layout->bitsPerPixel == 32) {
        for (int y = 0; y < layout->height && !ownAlpha; ++y) {
            size_t row = RowOffset(*layout, layout->pixelOffset, y);
            for (int x = 0; x < layout->width && !ownAlpha; ++x) ownAlpha = reader.Byte(row + x * 4 + 3) != 0;
        }
    }
    // The 1-bit mask follows the colour rows, stored in the same row order.
    DibLayout mask = *layout;
    mask.bitsPerPixel = 1;
    mask.stride = ((static_cast<size_t>(layout->width) + 31) / 32) * 4;
    size_t maskOffset = layout->pixelOffset + layout->stride * layout->height;
    bool hasMask = reader.Has(maskOffset, mask.stride * mask.height);
    for (int y = 0; y < layout->height; ++y) {
        size_t colorRow = RowOffset(*layout, layout->pixelOffset, y);
        size_t maskRow = RowOffset(mask, maskOffset, y);
        for (int x = 0; x < layout->width; ++x) {
            uint8_t &alpha = image.rgba[(static_cast<size_t>(y) * layout->width + x) * 4 + 3];
            if (ownAlpha) {
                alpha = reader.Byte(colorRow + x * 4 + 3);
            } else if (hasMask && ((reader.Byte(maskRow + x / 8) >> (7 - x % 8)) & 1) != 0) {
                alpha = 0;
            }
        }
    }
    return image;
}

}  // namespace mfpwin
