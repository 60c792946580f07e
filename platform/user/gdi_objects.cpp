#include "user/gdi_objects.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <span>

#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"
#include "resources/image_decoder.h"

namespace mfpwin::user {
namespace {

enum class ObjectKind { Font, Bitmap, Icon, Cursor, Brush };

struct GdiObject {
    ObjectKind kind;
    bool stock = false;  // stock and shared objects survive DeleteObject/DestroyIcon
    std::shared_ptr<const FontObject> font;
    std::shared_ptr<const Picture> picture;
};

struct GdiTable {
    std::mutex mutex;
    std::map<UINT_PTR, GdiObject> objects;
    UINT_PTR nextHandle = 0x20010;
    std::map<int, UINT_PTR> stock;                                 // stock object id -> handle
    std::map<std::pair<std::string, int>, UINT_PTR> dialogFonts;   // face and size -> handle
    std::map<std::pair<HINSTANCE, std::string>, UINT_PTR> sharedIcons;
};

GdiTable &Table() {
    static GdiTable *table = new GdiTable;
    return *table;
}

UINT_PTR AddLocked(GdiTable &table, GdiObject object) {
    UINT_PTR handle = table.nextHandle;
    table.nextHandle += 4;
    table.objects.emplace(handle, std::move(object));
    return handle;
}

const GdiObject *FindLocked(GdiTable &table, HGDIOBJ handle) {
    auto found = table.objects.find(reinterpret_cast<UINT_PTR>(handle));
    return found == table.objects.end() ? nullptr : &found->second;
}

std::string NameKey(LPCSTR name) {
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

std::span<const uint8_t> ResourceBytes(HINSTANCE instance, LPCSTR name, LPCSTR type) {
    HRSRC resource = FindResourceA(instance, name, type);
    if (resource == nullptr) return {};
    const void *bytes = LockResource(LoadResource(instance, resource));
    if (bytes == nullptr) return {};
    return {static_cast<const uint8_t *>(bytes), SizeofResource(instance, resource)};
}

Picture ToPicture(const DecodedImage &image) {
    Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint8_t *rgba = &image.rgba[i * 4];
        picture.pixels[i] = (uint32_t{rgba[3]} << 24) | (uint32_t{rgba[0]} << 16) | (uint32_t{rgba[1]} << 8) | rgba[2];
    }
    return picture;
}

std::optional<Picture> LoadIconPicture(HINSTANCE instance, LPCSTR name) {
    std::span<const uint8_t> directory = ResourceBytes(instance, name, RT_GROUP_ICON);
    if (directory.empty()) return std::nullopt;
    int iconId = LookupIconIdFromDirectory(directory.data(), TRUE);
    if (iconId == 0) return std::nullopt;
    std::span<const uint8_t> icon = ResourceBytes(instance, MAKEINTRESOURCEA(iconId), RT_ICON);
    std::optional<DecodedImage> decoded = DecodeIcon(icon);
    if (!decoded) return std::nullopt;
    return ToPicture(*decoded);
}

HANDLE StockHandle(int id, ObjectKind kind) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.stock.find(id);
    if (found != table.stock.end()) return reinterpret_cast<HANDLE>(found->second);
    GdiObject object{kind, true, nullptr, nullptr};
    if (kind == ObjectKind::Font)
        object.font = std::make_shared<FontObject>(FontObject{id == DEFAULT_GUI_FONT ? "MS Shell Dlg" : "System", 8});
    UINT_PTR handle = AddLocked(table, std::move(object));
    table.stock[id] = handle;
    return reinterpret_cast<HANDLE>(handle);
}

thread_local HCURSOR currentCursor = nullptr;

}  // namespace

HFONT DialogFont(const std::string &faceName, int pointSize) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto key = std::make_pair(faceName, pointSize);
    auto found = table.dialogFonts.find(key);
    if (found != table.dialogFonts.end()) return reinterpret_cast<HFONT>(found->second);
    UINT_PTR handle = AddLocked(table, GdiObject{ObjectKind::Font, true,
                                                 std::make_shared<FontObject>(FontObject{faceName, pointSize}), nullptr});
    table.dialogFonts[key] = handle;
    return reinterpret_cast<HFONT>(handle);
}

std::shared_ptr<const FontObject> FontOf(HFONT font) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    const GdiObject *object = FindLocked(table, font);
    return object ? object->font : nullptr;
}

std::shared_ptr<const Picture> PictureOf(HGDIOBJ bitmapOrIcon) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    const GdiObject *object = FindLocked(table, bitmapOrIcon);
    return object ? object->picture : nullptr;
}

HBITMAP AddBitmap(Picture picture) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    return reinterpret_cast<HBITMAP>(
        AddLocked(table, GdiObject{ObjectKind::Bitmap, false, nullptr, std::make_shared<Picture>(std::move(picture))}));
}

}  // namespace mfpwin::user

using namespace mfpwin;
using namespace mfpwin::user;

MFPAPI HGDIOBJ GetStockObject(int object) {
    switch (object) {
        case DEFAULT_GUI_FONT:
        case SYSTEM_FONT: return StockHandle(object, ObjectKind::Font);
        case WHITE_BRUSH:
        case BLACK_BRUSH: return StockHandle(object, ObjectKind::Brush);
        default: return nullptr;
    }
}

MFPAPI BOOL DeleteObject(HGDIOBJ object) {
    GdiTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(reinterpret_cast<UINT_PTR>(object));
    if (found == table.objects.end()) return FALSE;
    if (!found->second.stock) table.objects.erase(found);
    return TRUE;
}

MFPAPI int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    std::shared_ptr<const Picture> picture = PictureOf(object);
    if (!picture) return 0;
    if (buffer == nullptr) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP bitmap{0, picture->width, picture->height, picture->width * 4, 1, 32, nullptr};
    *static_cast<BITMAP *>(buffer) = bitmap;
    return sizeof(BITMAP);
}

MFPAPI HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void *bits) {
    // 32-bit rows as the platform stores them: blue, green, red, alpha bytes per pixel.
    if (width <= 0 || height <= 0 || planes != 1 || bitsPerPixel != 32 || width > 0x8000 || height > 0x8000) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<size_t>(width) * height, 0);
    if (bits != nullptr) {
        const auto *bytes = static_cast<const uint8_t *>(bits);
        for (size_t i = 0; i < picture.pixels.size(); ++i)
            picture.pixels[i] = (uint32_t{bytes[i * 4 + 3]} << 24) | (uint32_t{bytes[i * 4 + 2]} << 16) |
                                (uint32_t{bytes[i * 4 + 1]} << 8) | bytes[i * 4];
    }
    return AddBitmap(std::move(picture));
}

MFPAPI HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    std::optional<DecodedImage> decoded = DecodeBitmap(ResourceBytes(instance, name, RT_BITMAP));
    if (!decoded) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return AddBitmap(ToPicture(*decoded));
}

MFPAPI HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance == nullptr && IS_INTRESOURCE(name))
        return reinterpret_cast<HICON>(StockHandle(0x10000 + static_cast<int>(reinterpret_cast<ULONG_PTR>(name)),
                                                   ObjectKind::Icon));
    GdiTable &table = Table();
    auto key = std::make_pair(instance, NameKey(name));
    {
        std::lock_guard lock(table.mutex);
        auto found = table.sharedIcons.find(key);
        if (found != table.sharedIcons.end()) return reinterpret_cast<HICON>(found->second);
    }
    std::optional<Picture> picture = LoadIconPicture(instance, name);
    if (!picture) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard lock(table.mutex);
    UINT_PTR handle =
        AddLocked(table, GdiObject{ObjectKind::Icon, true, nullptr, std::make_shared<Picture>(std::move(*picture))});
    table.sharedIcons[key] = handle;
    return reinterpret_cast<HICON>(handle);
}

MFPAPI BOOL DestroyIcon(HICON icon) { return PictureOf(icon) != nullptr; }

MFPAPI HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    // Only the system's cursors exist; the libraries carry none of their own.
    static const ULONG_PTR systemCursors[] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                              32643, 32644, 32645, 32646, 32648, 32649, 32650, 32651};
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    bool known = instance == nullptr && IS_INTRESOURCE(name) &&
                 std::find(std::begin(systemCursors), std::end(systemCursors), id) != std::end(systemCursors);
    if (!known) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(StockHandle(0x20000 + static_cast<int>(id), ObjectKind::Cursor));
}

MFPAPI HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = currentCursor;
    currentCursor = cursor;
    return previous;
}

MFPAPI HCURSOR GetCursor(void) { return currentCursor; }

MFPAPI HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int, int, UINT) {
    switch (type) {
        case IMAGE_BITMAP: return LoadBitmapA(instance, name);
        case IMAGE_ICON: return LoadIconA(instance, name);
        case IMAGE_CURSOR: return LoadCursorA(instance, name);
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}
