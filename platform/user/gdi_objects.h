// The drawing objects the dialogs use: fonts (by face and size), bitmaps and icons as pixels,
// and cursors. Handles are entries of one table; stock objects are never deleted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mfpwin/user.h"

namespace mfpwin::user {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, top row first; alpha 0 is transparent
};

struct FontObject {
    std::string faceName;
    int pointSize = 0;
};

// The font a dialog template names (shared: one handle per face and size).
HFONT DialogFont(const std::string &faceName, int pointSize);
std::shared_ptr<const FontObject> FontOf(HFONT font);
// The pixels of a bitmap or icon handle, or nullptr.
std::shared_ptr<const Picture> PictureOf(HGDIOBJ bitmapOrIcon);
// A new bitmap handle owning the pixels.
HBITMAP AddBitmap(Picture picture);

}  // namespace mfpwin::user
