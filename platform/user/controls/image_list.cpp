#include "user/controls/image_list.h"

#include <map>
#include <mutex>

#include "user/gdi_objects.h"

namespace mfpwin::user {
namespace {

struct ImageListTable {
    std::mutex mutex;
    std::map<UINT_PTR, std::shared_ptr<ImageListObject>> lists;
    UINT_PTR nextHandle = 0x30010;
};

ImageListTable &Table() {
    static ImageListTable *table = new ImageListTable;
    return *table;
}

constexpr uint32_t kRgbMask = 0x00FFFFFF;

uint32_t PixelFromColour(COLORREF colour) {
    return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

// Cuts the bitmap into images of the list's size, left to right; transparent(x, y) tells which
// pixels the mask removes. Returns the index of the first image added, or -1.
template <typename TransparentAt>
int AddStrip(HIMAGELIST handle, HBITMAP image, TransparentAt transparent) {
    std::shared_ptr<ImageListObject> list = ImageListOf(handle);
    std::shared_ptr<const Picture> picture = PictureOf(image);
    if (!list || !picture || picture->width < list->cx) return -1;
    int count = picture->width / list->cx;
    int first = static_cast<int>(list->images.size());
    for (int n = 0; n < count; ++n) {
        std::vector<uint32_t> pixels(static_cast<size_t>(list->cx) * list->cy, 0);
        for (int y = 0; y < std::min(list->cy, picture->height); ++y)
            for (int x = 0; x < list->cx; ++x) {
                int sourceX = n * list->cx + x;
                uint32_t pixel = picture->pixels[static_cast<size_t>(y) * picture->width + sourceX];
                bool masked = (list->flags & ILC_MASK) && transparent(sourceX, y, pixel);
                pixels[static_cast<size_t>(y) * list->cx + x] = masked ? (pixel & kRgbMask) : pixel;
            }
        list->images.push_back(std::move(pixels));
    }
    return first;
}

}  // namespace

std::shared_ptr<ImageListObject> ImageListOf(HIMAGELIST list) {
    ImageListTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.lists.find(reinterpret_cast<UINT_PTR>(list));
    return found == table.lists.end() ? nullptr : found->second;
}

}  // namespace mfpwin::user

using namespace mfpwin::user;

MFPAPI HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0 || cx > 0x4000 || cy > 0x4000) return nullptr;
    auto list = std::make_shared<ImageListObject>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    ImageListTable &table = Table();
    std::lock_guard lock(table.mutex);
    UINT_PTR handle = table.nextHandle;
    table.nextHandle += 4;
    table.lists.emplace(handle, std::move(list));
    return reinterpret_cast<HIMAGELIST>(handle);
}

MFPAPI BOOL ImageList_Destroy(HIMAGELIST list) {
    ImageListTable &table = Table();
    std::lock_guard lock(table.mutex);
    return table.lists.erase(reinterpret_cast<UINT_PTR>(list)) > 0;
}

MFPAPI int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    std::shared_ptr<const Picture> maskPicture = mask ? PictureOf(mask) : nullptr;
    return AddStrip(list, image, [&](int x, int y, uint32_t) {
        // A set (non-black) mask pixel marks a transparent image pixel.
        if (!maskPicture || x >= maskPicture->width || y >= maskPicture->height) return false;
        return (maskPicture->pixels[static_cast<size_t>(y) * maskPicture->width + x] & kRgbMask) != 0;
    });
}

MFPAPI int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColour) {
    uint32_t key = PixelFromColour(maskColour);
    return AddStrip(list, image, [&](int, int, uint32_t pixel) { return (pixel & kRgbMask) == key; });
}

MFPAPI int ImageList_GetImageCount(HIMAGELIST list) {
    std::shared_ptr<ImageListObject> object = ImageListOf(list);
    return object ? static_cast<int>(object->images.size()) : 0;
}

MFPAPI BOOL ImageList_GetIconSize(HIMAGELIST list, int *cx, int *cy) {
    std::shared_ptr<ImageListObject> object = ImageListOf(list);
    if (!object || cx == nullptr || cy == nullptr) return FALSE;
    *cx = object->cx;
    *cy = object->cy;
    return TRUE;
}

MFPAPI BOOL ImageList_Remove(HIMAGELIST list, int index) {
    std::shared_ptr<ImageListObject> object = ImageListOf(list);
    if (!object) return FALSE;
    if (index == -1) {
        object->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(object->images.size())) return FALSE;
    object->images.erase(object->images.begin() + index);
    return TRUE;
}

MFPAPI BOOL MfpImageList_GetPixels(HIMAGELIST list, int index, DWORD *pixels, int count) {
    std::shared_ptr<ImageListObject> object = ImageListOf(list);
    if (!object || index < 0 || index >= static_cast<int>(object->images.size()) || pixels == nullptr) return FALSE;
    const std::vector<uint32_t> &image = object->images[index];
    if (count < static_cast<int>(image.size())) return FALSE;
    std::copy(image.begin(), image.end(), pixels);
    return TRUE;
}
