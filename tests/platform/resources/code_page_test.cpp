// The ANSI code page from the locale, and the conversion calls' size protocol and replacements.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::ScopedLocale;

namespace {

TEST(GetACP, FollowsThePosixLocale)
{
    struct Case {
        const char *locale;
        UINT acp;
        UINT oem;
    } cases[] = {
        {"pl_PL.UTF-8", 65001, 65001}, {"pl_PL.utf8", 65001, 65001},     {"pl_PL.ISO-8859-2", 1250, 852},
        {"pl_PL", 1250, 852},          {"cs_CZ.ISO8859-2", 1250, 852},   {"de_DE.ISO-8859-1", 1252, 850},
        {"de_DE@euro", 1252, 850},     {"ru_RU.KOI8-R", 1251, 866},      {"el_GR.ISO-8859-7", 1253, 737},
        {"C", 1252, 850},              {"POSIX", 1252, 850},             {"C.UTF-8", 65001, 65001},
    };
    for (const Case &c : cases) {
        ScopedLocale locale(c.locale);
        EXPECT_EQ(GetACP(), c.acp) << c.locale;
        EXPECT_EQ(GetOEMCP(), c.oem) << c.locale;
    }
}

TEST(GetACP, LaterVariablesApplyOnlyWhenEarlierAreUnset)
{
    ScopedLocale locale("");  // LC_ALL set but empty counts as unset
    setenv("LC_CTYPE", "pl_PL.ISO-8859-2", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(GetACP(), 1250u);
    unsetenv("LC_CTYPE");
    EXPECT_EQ(GetACP(), 65001u);
}

std::u16string Wide(UINT codePage, const std::string &text, DWORD flags = 0)
{
    int needed = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(needed, u'\0');
    if (needed > 0) {
        EXPECT_EQ(MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                                      reinterpret_cast<LPWSTR>(out.data()), needed),
                  needed);
    }
    return out;
}

std::string Narrow(UINT codePage, const std::u16string &text, BOOL *usedDefault = nullptr)
{
    auto *wide = reinterpret_cast<LPCWSTR>(text.data());
    int size = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(codePage, 0, wide, size, nullptr, 0, nullptr, usedDefault);
    std::string out(needed, '\0');
    if (needed > 0) {
        EXPECT_EQ(WideCharToMultiByte(codePage, 0, wide, size, out.data(), needed, nullptr, usedDefault), needed);
    }
    return out;
}

TEST(CodePageConversion, PolishTextInEveryCodePage)
{
    const std::u16string polish = u"Nie można podłączyć się do urządzenia MFP";
    struct Case {
        UINT codePage;
        std::string bytes;
    } cases[] = {
        {CP_UTF8, "Nie mo\xc5\xbcna pod\xc5\x82\xc4\x85" "czy\xc4\x87 si\xc4\x99 do urz\xc4\x85" "dzenia MFP"},
        {1250, "Nie mo\xbfna pod\xb3\xb9" "czy\xe6 si\xea do urz\xb9" "dzenia MFP"},
        {28592, "Nie mo\xbfna pod\xb3\xb1" "czy\xe6 si\xea do urz\xb1" "dzenia MFP"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Narrow(c.codePage, polish), c.bytes) << c.codePage;
        EXPECT_EQ(Wide(c.codePage, c.bytes), polish) << c.codePage;
    }
    ScopedLocale locale("pl_PL.ISO-8859-2");
    EXPECT_EQ(Narrow(CP_ACP, polish), cases[1].bytes) << "CP_ACP is 1250 for this locale";
}

TEST(CodePageConversion, CharactersACodePageLacks)
{
    BOOL usedDefault = FALSE;
    EXPECT_EQ(Narrow(1252, u"łódź", &usedDefault), "?\xf3" "d?");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(Narrow(1250, u"łódź", &usedDefault), "\xb3\xf3" "d\x9f");
    EXPECT_FALSE(usedDefault);
    EXPECT_EQ(Narrow(1252, u"a\U0001F600b"), "a?b") << "a surrogate pair is one character";

    const char dash = '-';
    WCHAR euro[] = {0x20AC, 0x0142};
    char out[4] = {};
    EXPECT_EQ(WideCharToMultiByte(1252, 0, euro, 2, out, 4, &dash, &usedDefault), 2);
    EXPECT_EQ(std::string(out, 2), "\x80-");
}

TEST(CodePageConversion, InvalidInput)
{
    EXPECT_EQ(Wide(CP_UTF8, "a\xff" "b"), u"a\uFFFD" "b");
    EXPECT_EQ(Wide(CP_UTF8, "\xc0\xaf"), u"\uFFFD\uFFFD") << "overlong form";
    EXPECT_EQ(Wide(CP_UTF8, "\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD") << "encoded surrogate";
    EXPECT_EQ(Wide(CP_UTF8, "\xe2\x82z"), u"\uFFFDz") << "truncated sequence";
    EXPECT_EQ(Wide(CP_UTF8, "\xf0\x9f\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Wide(1252, "\x81"), u"\uFFFD") << "undefined in 1252";

    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xff", 2, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));

    std::u16string loneSurrogate = u"a";
    loneSurrogate.push_back(char16_t{0xD800});
    EXPECT_EQ(Narrow(CP_UTF8, loneSurrogate), "a\xef\xbf\xbd");
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, reinterpret_cast<LPCWSTR>(loneSurrogate.data()), 2,
                                  nullptr, 0, nullptr, nullptr),
              0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePageConversion, RequiredSizeProtocolAndArgumentErrors)
{
    // -1 counts the terminator; too small a buffer fails and names the reason.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "zł", -1, nullptr, 0), 3);
    WCHAR small[2];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "zł", -1, small, 2), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    WCHAR wide[] = {u'z', 0x142, 0};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr), 4);
    char narrow[3];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide, -1, narrow, 3, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    struct Case {
        const char *what;
        std::function<int()> call;
        DWORD error;
    } cases[] = {
        {"double-byte code page", [] { return MultiByteToWideChar(932, 0, "a", 1, nullptr, 0); },
         ERROR_INVALID_PARAMETER},
        {"no input", [] { return MultiByteToWideChar(CP_UTF8, 0, nullptr, 1, nullptr, 0); }, ERROR_INVALID_PARAMETER},
        {"empty input", [] { return MultiByteToWideChar(CP_UTF8, 0, "a", 0, nullptr, 0); }, ERROR_INVALID_PARAMETER},
        {"unknown flag", [] { return MultiByteToWideChar(CP_UTF8, 0x1000, "a", 1, nullptr, 0); }, ERROR_INVALID_FLAGS},
        {"default char with UTF-8",
         [&] { return WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, "?", nullptr); }, ERROR_INVALID_PARAMETER},
        {"size without buffer", [&] { return WideCharToMultiByte(1250, 0, wide, -1, nullptr, 5, nullptr, nullptr); },
         ERROR_INVALID_PARAMETER},
    };
    for (const Case &c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.call(), 0) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_TRUE(IsValidCodePage(1250));
    EXPECT_TRUE(IsValidCodePage(CP_UTF8));
    EXPECT_FALSE(IsValidCodePage(932));
    EXPECT_FALSE(IsValidCodePage(CP_ACP));
}

}  // namespace
