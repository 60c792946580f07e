// The process's ANSI and OEM code pages, derived from the POSIX locale.
#include <array>
#include <string>
#include <string_view>

#include "codepage/posix_locale.h"
#include "codepage/text_conversion.h"
#include "mfpwin/codepage.h"

namespace {

struct CodesetCodePage {
    std::string_view codeset;  // normalised: upper case without '-' and '_'
    UINT codePage;
};

// 8-bit Linux codesets and the Windows ANSI code page of the same script.
constexpr std::array kCodesets{
    CodesetCodePage{"UTF8", 65001},      CodesetCodePage{"ISO88591", 1252},  CodesetCodePage{"ISO885915", 1252},
    CodesetCodePage{"ISO88592", 1250},   CodesetCodePage{"ISO88595", 1251},  CodesetCodePage{"KOI8R", 1251},
    CodesetCodePage{"KOI8U", 1251},      CodesetCodePage{"ISO88597", 1253},  CodesetCodePage{"ISO88599", 1254},
    CodesetCodePage{"ISO88598", 1255},   CodesetCodePage{"ISO88596", 1256},  CodesetCodePage{"ISO885913", 1257},
    CodesetCodePage{"ISO88594", 1257},   CodesetCodePage{"TIS620", 874},     CodesetCodePage{"CP1250", 1250},
    CodesetCodePage{"CP1251", 1251},     CodesetCodePage{"CP1252", 1252},    CodesetCodePage{"CP1253", 1253},
    CodesetCodePage{"CP1254", 1254},     CodesetCodePage{"CP1255", 1255},    CodesetCodePage{"CP1256", 1256},
    CodesetCodePage{"CP1257", 1257},     CodesetCodePage{"CP1258", 1258},    CodesetCodePage{"ANSIX3.41968", 1252},
};

struct LanguageCodePage {
    std::string_view language;
    UINT codePage;
};

// For locales that name no codeset (pl_PL): the Windows ANSI code page of the language.
constexpr std::array kLanguageCodePages{
    LanguageCodePage{"pl", 1250}, LanguageCodePage{"cs", 1250}, LanguageCodePage{"sk", 1250},
    LanguageCodePage{"hu", 1250}, LanguageCodePage{"sl", 1250}, LanguageCodePage{"hr", 1250},
    LanguageCodePage{"ro", 1250}, LanguageCodePage{"ru", 1251}, LanguageCodePage{"uk", 1251},
    LanguageCodePage{"bg", 1251}, LanguageCodePage{"el", 1253}, LanguageCodePage{"tr", 1254},
    LanguageCodePage{"he", 1255}, LanguageCodePage{"ar", 1256}, LanguageCodePage{"lt", 1257},
    LanguageCodePage{"lv", 1257}, LanguageCodePage{"et", 1257}, LanguageCodePage{"vi", 1258},
    LanguageCodePage{"th", 874},
};

std::string NormaliseCodeset(std::string_view codeset)
{
    std::string result;
    for (char c : codeset) {
        if (c == '-' || c == '_') continue;
        result.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return result;
}

}  // namespace

MFPAPI UINT GetACP(void)
{
    constexpr UINT kWesternEuropean = 1252;
    mfpwin::PosixLocale locale = mfpwin::CurrentPosixLocale(mfpwin::LocaleCategory::CharacterType);
    if (!locale.codeset.empty()) {
        std::string codeset = NormaliseCodeset(locale.codeset);
        for (const CodesetCodePage &entry : kCodesets) {
            if (entry.codeset == codeset) return entry.codePage;
        }
    }
    for (const LanguageCodePage &entry : kLanguageCodePages) {
        if (entry.language == locale.language) return entry.codePage;
    }
    return kWesternEuropean;
}

MFPAPI UINT GetOEMCP(void)
{
    switch (GetACP()) {
    case 1250: return 852;
    case 1251: return 866;
    case 1253: return 737;
    case 1254: return 857;
    case 1255: return 862;
    case 1256: return 720;
    case 1257: return 775;
    case 874: return 874;
    case 65001: return 65001;
    default: return 850;
    }
}

MFPAPI BOOL IsValidCodePage(UINT codePage)
{
    return codePage > CP_THREAD_ACP && mfpwin::IsSupportedCodePage(codePage) ? TRUE : FALSE;
}
