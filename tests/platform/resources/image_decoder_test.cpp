// Pixels of bitmap and icon resources.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>

#include "mfpwin.h"
#include "platform/resources/image_decoder.h"
#include "resource_test_support.h"

using mfpwin::DecodedImage;
using resourcetest::ResourceFixturePath;

namespace {

using Rgba = std::array<uint8_t, 4>;

Rgba PixelAt(const DecodedImage &image, int x, int y)
{
    const uint8_t *p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

class ImageResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryA(ResourceFixturePath().c_str());
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    std::span<const uint8_t> Resource(int id, LPCSTR type)
    {
        HRSRC resource = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        EXPECT_NE(resource, nullptr) << id;
        if (resource == nullptr) return {};
        return {static_cast<const uint8_t *>(LockResource(LoadResource(module_, resource))),
                SizeofResource(module_, resource)};
    }

    HMODULE module_ = nullptr;
};

TEST_F(ImageResources, StripsDecodeAtEveryDepth)
{
    // Three 15 x 15 frames, red, green and blue, each with a white top-left pixel.
    const Rgba white{255, 255, 255, 255}, red{255, 0, 0, 255}, green{0, 128, 0, 255}, blue{0, 0, 255, 255};
    for (int id : {IDB_STRIP4, IDB_STRIP8, IDB_STRIP24}) {
        std::optional<DecodedImage> image = mfpwin::DecodeBitmap(Resource(id, RT_BITMAP));
        ASSERT_TRUE(image.has_value()) << id;
        EXPECT_EQ(image->width, 45) << id;
        EXPECT_EQ(image->height, 15) << id;
        EXPECT_EQ(PixelAt(*image, 0, 0), white) << id;
        EXPECT_EQ(PixelAt(*image, 1, 0), red) << id;
        EXPECT_EQ(PixelAt(*image, 0, 14), red) << id << ": bottom-up rows end at the top";
        EXPECT_EQ(PixelAt(*image, 15, 0), white) << id;
        EXPECT_EQ(PixelAt(*image, 16, 1), green) << id;
        EXPECT_EQ(PixelAt(*image, 44, 14), blue) << id << ": the last pixel before the row padding";
    }
}

TEST_F(ImageResources, IconChosenBySizeAndDecodedWithTransparency)
{
    std::span<const uint8_t> group = Resource(IDI_FIXTURE, RT_GROUP_ICON);
    int standard = LookupIconIdFromDirectory(group.data(), TRUE);
    int small = LookupIconIdFromDirectoryEx(group.data(), TRUE, 16, 16, LR_DEFAULTCOLOR);
    ASSERT_NE(standard, 0);
    ASSERT_NE(small, 0);
    EXPECT_NE(standard, small);
    EXPECT_EQ(LookupIconIdFromDirectory(group.data(), FALSE), 0) << "an icon group is no cursor group";

    for (auto [id, size] : {std::pair{standard, 32}, std::pair{small, 16}}) {
        std::optional<DecodedImage> icon = mfpwin::DecodeIcon(Resource(id, RT_ICON));
        ASSERT_TRUE(icon.has_value());
        EXPECT_EQ(icon->width, size);
        EXPECT_EQ(icon->height, size);
        EXPECT_EQ(PixelAt(*icon, 0, 0)[3], 0) << "transparent corner";
        EXPECT_EQ(PixelAt(*icon, 1, 0), (Rgba{255, 0, 0, 255}));
    }
}

// A small bitmap built in memory: 8-bit, top-down, with a short colour table.
std::vector<uint8_t> TopDownBitmap(int32_t height, uint32_t colorsUsed)
{
    std::vector<uint8_t> bytes(40 + colorsUsed * 4 + 4 * 2, 0);
    uint32_t header[] = {40, 3, static_cast<uint32_t>(height), 0x00080001, 0, 0, 0, 0, colorsUsed, 0};
    std::memcpy(bytes.data(), header, sizeof header);
    for (uint32_t i = 0; i < colorsUsed; ++i) bytes[40 + i * 4 + 2] = static_cast<uint8_t>(100 + i);  // red
    size_t pixels = 40 + colorsUsed * 4;
    bytes[pixels + 0] = 1;       // top row: index 1, then an index beyond the table
    bytes[pixels + 1] = 200;
    bytes[pixels + 4] = 0;       // bottom row
    return bytes;
}

TEST(DecodeBitmap, TopDownRowsAndIndexesOutsideTheTable)
{
    std::optional<DecodedImage> image = mfpwin::DecodeBitmap(TopDownBitmap(-2, 2));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(PixelAt(*image, 0, 0), (Rgba{101, 0, 0, 255}));
    EXPECT_EQ(PixelAt(*image, 1, 0), (Rgba{0, 0, 0, 255})) << "unknown index is black";
    EXPECT_EQ(PixelAt(*image, 0, 1), (Rgba{100, 0, 0, 255}));
}

TEST(DecodeBitmap, RefusesWhatItCannotReadSafely)
{
    std::vector<uint8_t> good = TopDownBitmap(-2, 2);
    struct Case {
        const char *what;
        size_t offset;
        uint32_t value;
    } cases[] = {
        {"header size", 0, 39},   {"zero width", 4, 0},           {"zero height", 8, 0},
        {"compressed", 16, 1},    {"huge width", 4, 0x7FFFFFFF},  {"too many colours", 32, 257},
        {"bit depth", 12, 0x00050001},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> bad = good;
        std::memcpy(&bad[c.offset], &c.value, 4);
        EXPECT_FALSE(mfpwin::DecodeBitmap(bad).has_value()) << c.what;
    }
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(mfpwin::DecodeBitmap(std::span(good.data(), length)).has_value()) << length;
    }
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> garbled = good;
        garbled[random() % garbled.size()] = static_cast<uint8_t>(random());
        std::optional<DecodedImage> image = mfpwin::DecodeBitmap(garbled);
        if (image) {
            EXPECT_EQ(image->rgba.size(), static_cast<size_t>(image->width) * image->height * 4);
        }
        mfpwin::DecodeIcon(garbled);
    }
}

}  // namespace
