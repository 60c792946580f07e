// LoadStringA and LoadStringW: the right string, in the process's code page, cut to the buffer.
#include <gtest/gtest.h>

#include <cstring>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::ResourceFixturePath;
using resourcetest::ScopedLocale;

namespace {

class LoadString : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryA(ResourceFixturePath().c_str());
        ASSERT_NE(module_, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module_); }
    HMODULE module_ = nullptr;
};

TEST_F(LoadString, PolishTextInUtf8AndCodePage1250)
{
    char text[128];
    {
        ScopedLocale locale("pl_PL.UTF-8");
        const char *expected = "Nie można podłączyć się do urządzenia MFP";
        EXPECT_EQ(LoadStringA(module_, IDS_CONNECT_FAILED, text, sizeof text), static_cast<int>(std::strlen(expected)));
        EXPECT_STREQ(text, expected);
    }
    {
        ScopedLocale locale("pl_PL.ISO-8859-2");
        const char *expected = "Nie mo\xbf" "na pod\xb3\xb9" "czy\xe6 si\xea do urz\xb9" "dzenia MFP";
        EXPECT_EQ(LoadStringA(module_, IDS_CONNECT_FAILED, text, sizeof text), static_cast<int>(std::strlen(expected)));
        EXPECT_STREQ(text, expected);
    }
    {
        ScopedLocale locale("en_US.UTF-8");
        EXPECT_GT(LoadStringA(module_, IDS_CONNECT_FAILED, text, sizeof text), 0);
        EXPECT_STREQ(text, "Cannot connect to the MFP device");
    }
}

TEST_F(LoadString, CutsToBufferWithoutSplittingACharacter)
{
    // "Zażółć gęślą jaźń": 'ż' takes bytes 2-3 in UTF-8, byte 2 in code page 1250.
    struct Case {
        const char *locale;
        int bufferMax;
        const char *expected;
    } cases[] = {
        {"pl_PL.UTF-8", 1, ""},
        {"pl_PL.UTF-8", 3, "Za"},
        {"pl_PL.UTF-8", 4, "Za"},
        {"pl_PL.UTF-8", 5, "Za\xc5\xbc"},
        {"pl_PL.UTF-8", 200, "Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 g\xc4\x99\xc5\x9bl\xc4\x85 ja\xc5\xba\xc5\x84"},
        {"pl_PL.ISO-8859-2", 4, "Za\xbf"},
        {"pl_PL.ISO-8859-2", 200, "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1"},
    };
    for (const Case &c : cases) {
        ScopedLocale locale(c.locale);
        char buffer[200];
        std::memset(buffer, 'x', sizeof buffer);
        int length = LoadStringA(module_, IDS_LONG, buffer, c.bufferMax);
        EXPECT_EQ(length, static_cast<int>(std::strlen(c.expected))) << c.locale << " " << c.bufferMax;
        EXPECT_STREQ(buffer, c.expected) << c.locale << " " << c.bufferMax;
    }
}

TEST_F(LoadString, MissingStringsLeaveAnEmptyBuffer)
{
    ScopedLocale locale("en_US.UTF-8");
    char text[32] = "unchanged";
    for (UINT id : {5u, 15u, 16u, 4000u, 70000u}) {
        std::strcpy(text, "unchanged");
        SetLastError(0);
        EXPECT_EQ(LoadStringA(module_, id, text, sizeof text), 0) << id;
        EXPECT_STREQ(text, "") << id;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND)) << id;
    }
    EXPECT_EQ(LoadStringA(module_, IDS_GREETING, nullptr, 10), 0);
    EXPECT_EQ(LoadStringA(module_, IDS_GREETING, text, 0), 0);
}

TEST_F(LoadString, BlockIdentifiersFollowTheStringId)
{
    ScopedLocale locale("pl_PL.UTF-8");
    char text[128];
    // Block 2 exists only in English, so a Polish user gets the English text.
    EXPECT_GT(LoadStringA(module_, IDS_SECOND_BLOCK, text, sizeof text), 0);
    EXPECT_STREQ(text, "Second block");
    EXPECT_GT(LoadStringA(module_, IDS_HIGH_ID, text, sizeof text), 0);
    EXPECT_STREQ(text, "Nieudane wyszukanie konfiguracji drukarki");
    EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(IDS_HIGH_ID / 16 + 1), RT_STRING), nullptr);
}

TEST_F(LoadString, WideFormCopiesOrPointsIntoTheResource)
{
    ScopedLocale locale("pl_PL.UTF-8");
    WCHAR buffer[8];
    EXPECT_EQ(LoadStringW(module_, IDS_GREETING, buffer, 8), 7);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t *>(buffer)), u"Bibliot");

    const WCHAR *inside = nullptr;
    EXPECT_EQ(LoadStringW(module_, IDS_GREETING, reinterpret_cast<LPWSTR>(&inside), 0), 18);
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(inside), 18), u"Biblioteka testowa");
}

}  // namespace
