// Image lists: equally sized images, each with its own transparency.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mfpwin/controls.h"

namespace mfpwin::user {

struct ImageListObject {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    std::vector<std::vector<uint32_t>> images;  // 0xAARRGGBB, cx * cy each
};

std::shared_ptr<ImageListObject> ImageListOf(HIMAGELIST list);

}  // namespace mfpwin::user
