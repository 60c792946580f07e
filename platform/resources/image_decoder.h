// Pixels of the device-independent bitmaps that RT_BITMAP and RT_ICON resources hold, for the
// window layer's image lists and pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/internal_api.h"

namespace mfpwin {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // top row first, 4 bytes (red, green, blue, alpha) per pixel
};

// An RT_BITMAP resource: a BITMAPINFOHEADER (or the older 12-byte core header), its colour
// table and the uncompressed pixel rows at 1, 4, 8, 24 or 32 bits per pixel, bottom-up or
// top-down. Every pixel is opaque. nullopt for anything else or when the data is short.
MFPWIN_INTERNAL_API std::optional<DecodedImage> DecodeBitmap(std::span<const uint8_t> bitmap);

// An RT_ICON resource in the bitmap form: the header's height counts the colour image and the
// 1-bit transparency mask below it. Pixels the mask marks are transparent; a 32-bit image with
// any alpha uses its own alpha. nullopt for PNG-compressed or malformed icons.
MFPWIN_INTERNAL_API std::optional<DecodedImage> DecodeIcon(std::span<const uint8_t> icon);

}  // namespace mfpwin
