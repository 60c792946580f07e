#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "mfpwin.h"
#include "scoped_env.h"

namespace {

std::string Info(LCID locale, DWORD type)
{
    char buffer[64] = {};
    int written = GetLocaleInfoA(locale, type, buffer, sizeof buffer);
    return written > 0 ? std::string(buffer) : "<failed>";
}

struct LocaleCase {
    const char *lcAll;
    const char *lang;
    LANGID langId;
    const char *decimal;
    const char *timeFormat;
    const char *ansiCodePage;
};

class UserLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(UserLocale, FollowsThePosixLocale)
{
    const LocaleCase &c = GetParam();
    ScopedEnv all("LC_ALL", c.lcAll);
    ScopedEnv numeric("LC_NUMERIC", nullptr);
    ScopedEnv time("LC_TIME", nullptr);
    ScopedEnv lang("LANG", c.lang);

    EXPECT_EQ(GetUserDefaultLangID(), c.langId);
    EXPECT_EQ(GetUserDefaultLCID(), static_cast<LCID>(c.langId));
    EXPECT_EQ(GetSystemDefaultLangID(), c.langId);
    EXPECT_EQ(Info(GetUserDefaultLCID(), LOCALE_SDECIMAL), c.decimal);
    EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT), c.timeFormat);
    EXPECT_EQ(Info(GetUserDefaultLCID(), LOCALE_IDEFAULTANSICODEPAGE), c.ansiCodePage);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, UserLocale,
    testing::Values(LocaleCase{nullptr, "pl_PL.UTF-8", 0x0415, ",", "HH:mm:ss", "1250"},
                    LocaleCase{nullptr, "en_US.UTF-8", 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{nullptr, "en_GB", 0x0809, ".", "HH:mm:ss", "1252"},
                    LocaleCase{nullptr, "de_DE.ISO-8859-1@euro", 0x0407, ",", "HH:mm:ss", "1252"},
                    LocaleCase{nullptr, "ja_JP.eucJP", 0x0411, ".", "H:mm:ss", "932"},
                    LocaleCase{nullptr, "fr_LU.UTF-8", 0x040C, ",", "HH:mm:ss", "1252"},  // language only
                    LocaleCase{nullptr, "C", 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{nullptr, "POSIX", 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{nullptr, "C.UTF-8", 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{nullptr, "xx_YY", 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{nullptr, nullptr, 0x0409, ".", "h:mm:ss tt", "1252"},
                    LocaleCase{"pl_PL", "en_US", 0x0415, ",", "HH:mm:ss", "1250"}),  // LC_ALL first
    [](const auto &info) {
        std::string name = std::string(info.param.lcAll ? "all_" : "") + (info.param.lcAll ? info.param.lcAll : info.param.lang ? info.param.lang : "unset");
        for (char &c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

TEST(LocaleInfo, CategoryVariablesShapeTheUsersFormats)
{
    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv lang("LANG", "en_US.UTF-8");
    ScopedEnv numeric("LC_NUMERIC", "pl_PL.UTF-8");
    ScopedEnv time("LC_TIME", "de_DE.UTF-8");

    EXPECT_EQ(GetUserDefaultLangID(), 0x0409) << "the locale itself comes from LANG";
    EXPECT_EQ(Info(GetUserDefaultLCID(), LOCALE_SDECIMAL), ",");
    EXPECT_EQ(Info(GetUserDefaultLCID(), LOCALE_STIMEFORMAT), "HH:mm:ss");
    EXPECT_EQ(Info(GetUserDefaultLCID(), LOCALE_SDECIMAL | LOCALE_NOUSEROVERRIDE), ".");
    EXPECT_EQ(Info(0x0415, LOCALE_SDECIMAL), ",") << "another locale by its identifier";
    EXPECT_EQ(Info(0x0409, LOCALE_SISO639LANGNAME), "en");
    EXPECT_EQ(Info(0x0415, LOCALE_SISO3166CTRYNAME), "PL");
    EXPECT_EQ(Info(0x0415, LOCALE_ILANGUAGE), "0415");
}

TEST(LocaleInfo, RequiredSizeProtocolAndErrors)
{
    ScopedEnv all("LC_ALL", "en_US");
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, nullptr, 0), 11) << "size with terminator";
    char small[4];
    std::memset(small, '#', sizeof small);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, small, sizeof small), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    char exact[11];
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, exact, sizeof exact), 11);
    EXPECT_STREQ(exact, "h:mm:ss tt");

    DWORD codePage = 0;
    EXPECT_EQ(GetLocaleInfoA(0x0411, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, reinterpret_cast<LPSTR>(&codePage),
                             sizeof codePage),
              4);
    EXPECT_EQ(codePage, 932u);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetLocaleInfoA(0x0415, 0x12345, small, sizeof small), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
    EXPECT_EQ(GetLocaleInfoA(0x7777, LOCALE_SDECIMAL, small, sizeof small), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Strings, BoundedCopyAlwaysTerminates)
{
    char buffer[6];
    EXPECT_EQ(lstrcpynA(buffer, "department", sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "depar");
    char joined[32] = "VNDR.2.3";
    EXPECT_STREQ(lstrcatA(joined, ".1"), "VNDR.2.3.1");
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrcmpiA("QV1Disc.dll", "qv1disc.DLL"), 0);
    EXPECT_LT(lstrcmpA("a", "b"), 0);
}

TEST(Strings, FormattingStopsAt1024Bytes)
{
    char object[1024];
    EXPECT_EQ(wsprintfA(object, ".%d.%d", 1, -1), 5);
    EXPECT_STREQ(object, ".1.-1");

    std::string longText(2000, 'x');
    std::string big(2048, '#');
    EXPECT_EQ(wsprintfA(big.data(), "%s", longText.c_str()), 1023);
    EXPECT_EQ(std::strlen(big.c_str()), 1023u);
    EXPECT_EQ(big[1024], '#') << "nothing written past 1024 bytes";
}

}  // namespace
