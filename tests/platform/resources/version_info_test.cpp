// Version blocks of module files: fixed information, translations and string values.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::ResourceFixturePath;
using resourcetest::ScopedLocale;

namespace {

std::vector<uint8_t> ReadVersionInfo(const std::string &path)
{
    DWORD handle = 99;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<uint8_t> block(size);
    EXPECT_TRUE(size > 0 && GetFileVersionInfoA(path.c_str(), 0, size, block.data())) << GetLastError();
    return block;
}

std::string QueryText(const std::vector<uint8_t> &block, const char *path)
{
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path, &value, &length)) return "<missing>";
    EXPECT_EQ(length, std::strlen(static_cast<char *>(value)) + 1) << path;
    return static_cast<char *>(value);
}

TEST(VersionInfo, FixedInformationAndTranslation)
{
    // The file need not be loaded: the block is read from the file itself.
    std::vector<uint8_t> block = ReadVersionInfo(ResourceFixturePath());
    ASSERT_FALSE(block.empty());
    void *value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    auto *fixed = static_cast<VS_FIXEDFILEINFO *>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030004u);
    EXPECT_EQ(fixed->dwFileType, 2u);

    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    auto *translation = static_cast<WORD *>(value);
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
}

TEST(VersionInfo, StringValuesInTheAnsiCodePage)
{
    struct Case {
        const char *locale;
        const char *path;
        const char *expected;
    } cases[] = {
        {"en_US.UTF-8", "\\StringFileInfo\\040904b0\\FileVersion", "1.2.3.4"},
        {"en_US.UTF-8", "\\stringfileinfo\\040904B0\\companyname", "Fixture Works"},
        {"pl_PL.UTF-8", "\\StringFileInfo\\040904b0\\Comments", "Pr\xc3\xb3" "ba wersji"},
        {"pl_PL.ISO-8859-2", "\\StringFileInfo\\040904b0\\Comments", "Pr\xf3" "ba wersji"},
        {"en_US.UTF-8", "\\StringFileInfo\\040904b0\\NoSuchValue", "<missing>"},
        {"en_US.UTF-8", "\\StringFileInfo\\04150000\\FileVersion", "<missing>"},
    };
    for (const Case &c : cases) {
        ScopedLocale locale(c.locale);
        std::vector<uint8_t> block = ReadVersionInfo(ResourceFixturePath());
        ASSERT_FALSE(block.empty());
        EXPECT_EQ(QueryText(block, c.path), c.expected) << c.path;
    }
}

TEST(VersionInfo, LoadedModuleByFileName)
{
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeA("libmfp_resource_fixture.so", &handle), 0u) << "not loaded, not in this folder";
    HMODULE module = LoadLibraryA(ResourceFixturePath().c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetFileVersionInfoSizeA("libmfp_resource_fixture.so", &handle),
              GetFileVersionInfoSizeA(ResourceFixturePath().c_str(), &handle));
    FreeLibrary(module);
}

TEST(VersionInfo, FilesWithoutVersionBlock)
{
    mfptest::TempRoot root;
    std::string text = (root.Path() / "plain.txt").string();
    std::ofstream(text) << "no resources here";
    struct Case {
        std::string path;
        DWORD error;
    } cases[] = {
        {(root.Path() / "missing.so").string(), ERROR_FILE_NOT_FOUND},
        {text, ERROR_RESOURCE_DATA_NOT_FOUND},
        {resourcetest::FailingInitFixturePath(), ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case &c : cases) {
        SetLastError(0);
        DWORD handle = 0;
        EXPECT_EQ(GetFileVersionInfoSizeA(c.path.c_str(), &handle), 0u) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
    }
    std::vector<uint8_t> small(16);
    EXPECT_FALSE(GetFileVersionInfoA(ResourceFixturePath().c_str(), 0, small.size(), small.data()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
