// Finding resources by module, type, name and language.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::ResourceFixturePath;
using resourcetest::ScopedLocale;

namespace {

class ResourceLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryA(ResourceFixturePath().c_str());
        ASSERT_NE(module_, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module_); }

    std::vector<uint8_t> Bytes(HRSRC resource)
    {
        auto *data = static_cast<const uint8_t *>(LockResource(LoadResource(module_, resource)));
        return std::vector<uint8_t>(data, data + SizeofResource(module_, resource));
    }

    HMODULE module_ = nullptr;
};

uint16_t Word(const std::vector<uint8_t> &bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

// Skips a template field that is empty (0), an ordinal (0xFFFF, value) or a UTF-16 string.
size_t SkipField(const std::vector<uint8_t> &bytes, size_t offset)
{
    if (Word(bytes, offset) == 0xFFFF) return offset + 4;
    while (Word(bytes, offset) != 0) offset += 2;
    return offset + 2;
}

// The length of a DIALOGEX template, walked field by field.
size_t DialogExLength(const std::vector<uint8_t> &bytes)
{
    size_t items = Word(bytes, 16);
    size_t offset = SkipField(bytes, 26);      // menu
    offset = SkipField(bytes, offset);         // class
    offset = SkipField(bytes, offset);         // caption
    offset = SkipField(bytes, offset + 6);     // point size, weight, italic, charset; face name
    for (size_t i = 0; i < items; ++i) {
        offset = (offset + 3) & ~size_t{3};
        offset = SkipField(bytes, offset + 24);  // help id .. id; class
        offset = SkipField(bytes, offset);       // title
        offset += 2 + Word(bytes, offset);       // creation data
    }
    return offset;
}

TEST_F(ResourceLookup, DialogTemplateIsFoundWholeAsCompiled)
{
    HRSRC dialog = FindResourceA(module_, MAKEINTRESOURCEA(IDD_FIXTURE), RT_DIALOG);
    ASSERT_NE(dialog, nullptr) << GetLastError();
    std::vector<uint8_t> bytes = Bytes(dialog);
    ASSERT_GE(bytes.size(), 26u);
    EXPECT_EQ(Word(bytes, 0), 1) << "DIALOGEX version";
    EXPECT_EQ(Word(bytes, 2), 0xFFFF) << "DIALOGEX signature";
    EXPECT_EQ(Word(bytes, 16), 3) << "three controls";
    EXPECT_EQ(Word(bytes, 22), 186) << "width in dialog units";
    EXPECT_EQ(bytes.size(), DialogExLength(bytes));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(LockResource(LoadResource(module_, dialog))) % 4, 0u)
        << "templates are DWORD-aligned";
}

TEST_F(ResourceLookup, NamesAndOrdinalsInEveryForm)
{
    HRSRC byName = FindResourceA(module_, "fixturedata", RT_RCDATA);
    ASSERT_NE(byName, nullptr) << "names compare without case";
    std::vector<uint8_t> data = Bytes(byName);
    EXPECT_EQ(std::string(data.begin(), data.begin() + 5), "named");
    EXPECT_EQ(FindResourceA(module_, "#201", "#2"), FindResourceA(module_, MAKEINTRESOURCEA(IDB_STRIP4), RT_BITMAP));
    EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(1), RT_VERSION), nullptr);
    EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(IDI_FIXTURE), RT_GROUP_ICON), nullptr);
}

TEST_F(ResourceLookup, ReportsWhatIsMissing)
{
    struct Case {
        HMODULE module;
        LPCSTR name;
        LPCSTR type;
        DWORD error;
    } cases[] = {
        {module_, MAKEINTRESOURCEA(999), RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {module_, MAKEINTRESOURCEA(IDD_FIXTURE), RT_MENU, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {module_, "NOSUCHNAME", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
        {GetModuleHandleA("libmfpwin.so"), MAKEINTRESOURCEA(1), RT_STRING, ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case &c : cases) {
        SetLastError(0);
        EXPECT_EQ(FindResourceA(c.module, c.name, c.type), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
    SetLastError(0);
    EXPECT_EQ(SizeofResource(module_, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(ResourceLookup, ResourcesComeFromTheModuleAsked)
{
    HRSRC fromLibrary = FindResourceA(module_, MAKEINTRESOURCEA(1), RT_STRING);
    HRSRC fromProgram = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_STRING);
    ASSERT_NE(fromLibrary, nullptr);
    ASSERT_NE(fromProgram, nullptr);
    EXPECT_NE(fromLibrary, fromProgram);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_FIXTURE), RT_DIALOG), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, fromLibrary), 0u) << "a handle of another module is refused";
}

// The language of the string block the look-up picks, from string 1 (string 0 is empty).
std::string FirstStringOfBlock(HMODULE module, HRSRC block)
{
    auto *data = static_cast<const uint16_t *>(LockResource(LoadResource(module, block)));
    EXPECT_EQ(data[0], 0);
    std::u16string text(reinterpret_cast<const char16_t *>(data + 2), data[1]);
    return std::string(text.begin(), text.begin() + 4);  // ASCII start is enough to tell them apart
}

TEST_F(ResourceLookup, LanguageFallsBackAsOnWindows)
{
    struct Case {
        const char *locale;
        std::optional<WORD> requested;
        const char *expected;
    } cases[] = {
        {"en_US.UTF-8", MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), "Bibl"},   // exact
        {"en_US.UTF-8", MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT), "Test"},   // sub-language neutral
        {"en_US.UTF-8", MAKELANGID(0x0c, SUBLANG_DEFAULT), "Fixt"},          // French: English
        {"pl_PL.UTF-8", MAKELANGID(0x0c, SUBLANG_DEFAULT), "Bibl"},          // French: user's language
        {"pl_PL.UTF-8", MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), "Bibl"},  // "user default"
        {"pl_PL.UTF-8", std::nullopt, "Bibl"},
        {"de_AT.UTF-8", std::nullopt, "Test"},
        {"fr_FR.UTF-8", std::nullopt, "Fixt"},
        {"C", std::nullopt, "Fixt"},
    };
    for (const Case &c : cases) {
        ScopedLocale locale(c.locale);
        HRSRC block = c.requested ? FindResourceExA(module_, RT_STRING, MAKEINTRESOURCEA(1), *c.requested)
                                  : FindResourceA(module_, MAKEINTRESOURCEA(1), RT_STRING);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(FirstStringOfBlock(module_, block), c.expected) << c.locale;
    }
}

TEST(ResourceLookupWithoutModule, FallsBackToFirstLanguageAvailable)
{
    // The program's own strings exist only in English, so a Polish user still gets them.
    ScopedLocale locale("pl_PL.UTF-8");
    char text[64];
    EXPECT_EQ(LoadStringA(nullptr, IDS_GREETING, text, sizeof text), 12);
    EXPECT_STREQ(text, "Test program");
    EXPECT_NE(FindResourceExA(nullptr, RT_STRING, MAKEINTRESOURCEA(1), MAKELANGID(0x11, 1)), nullptr);
}

}  // namespace
