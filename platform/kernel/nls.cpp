// Locale identifiers and GetLocaleInfoA.
//
// The user's locale is the POSIX locale of the process (LC_ALL, else LANG). Asked about that
// locale, the number separators follow LC_NUMERIC and the time and date formats LC_TIME when
// those are set, as a Windows user's own format choices would (LOCALE_NOUSEROVERRIDE asks for
// the locale's defaults instead). There is no separate system locale: the system default is the
// user's.
#include <cstdio>
#include <cstring>
#include <string>

#include "kernel/locale_table.h"
#include "mfpwin/kernel.h"

namespace {

const mfpwin::LocaleEntry &UserLocale() { return mfpwin::UserLocaleFor(nullptr); }

// The locale an identifier names, or null when this system does not know it.
const mfpwin::LocaleEntry *ResolveLocale(LCID locale, bool &isUserLocale)
{
    LANGID langId = LANGIDFROMLCID(locale);
    const mfpwin::LocaleEntry &user = UserLocale();
    if (locale == LOCALE_NEUTRAL || locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT ||
        langId == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) || langId == user.langId) {
        isUserLocale = true;
        return &user;
    }
    isUserLocale = false;
    return mfpwin::FindLocale(langId);
}

enum class InfoKind { Text, Number };

struct LocaleInfo {
    InfoKind kind = InfoKind::Text;
    std::string text;
    DWORD number = 0;
};

bool LookUp(const mfpwin::LocaleEntry &locale, const mfpwin::LocaleEntry &numbers, const mfpwin::LocaleEntry &times,
            DWORD type, LocaleInfo &info)
{
    char hex[8];
    switch (type) {
    case LOCALE_ILANGUAGE:
        std::snprintf(hex, sizeof hex, "%04x", locale.langId);
        info.text = hex;
        info.number = locale.langId;
        return true;
    case LOCALE_SDECIMAL:
        info.text = numbers.decimal;
        return true;
    case LOCALE_STHOUSAND:
        info.text = numbers.thousands;
        return true;
    case LOCALE_SLIST:
        info.text = numbers.list;
        return true;
    case LOCALE_STIMEFORMAT:
        info.text = times.timeFormat;
        return true;
    case LOCALE_SSHORTDATE:
        info.text = times.shortDate;
        return true;
    case LOCALE_SISO639LANGNAME:
        info.text = std::string(locale.posixName, 2);
        return true;
    case LOCALE_SISO3166CTRYNAME:
        info.text = std::string(locale.posixName + 3);
        return true;
    case LOCALE_IDEFAULTANSICODEPAGE:
        info.kind = InfoKind::Number;
        info.number = locale.ansiCodePage;
        return true;
    case LOCALE_IDEFAULTCODEPAGE:
        info.kind = InfoKind::Number;
        info.number = locale.oemCodePage;
        return true;
    default:
        return false;
    }
}

}  // namespace

MFPAPI LCID GetUserDefaultLCID(void) { return MAKELCID(UserLocale().langId, SORT_DEFAULT); }
MFPAPI LANGID GetUserDefaultLangID(void) { return UserLocale().langId; }
MFPAPI LCID GetSystemDefaultLCID(void) { return GetUserDefaultLCID(); }
MFPAPI LANGID GetSystemDefaultLangID(void) { return GetUserDefaultLangID(); }

MFPAPI int GetLocaleInfoA(LCID locale, DWORD type, LPSTR data, int size)
{
    if (size < 0 || (size > 0 && !data)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool noUserOverride = (type & LOCALE_NOUSEROVERRIDE) != 0;
    const bool returnNumber = (type & LOCALE_RETURN_NUMBER) != 0;
    type &= ~(LOCALE_NOUSEROVERRIDE | LOCALE_RETURN_NUMBER);

    bool isUserLocale = false;
    const mfpwin::LocaleEntry *entry = ResolveLocale(locale, isUserLocale);
    if (!entry) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool userFormats = isUserLocale && !noUserOverride;
    const mfpwin::LocaleEntry &numbers = userFormats ? mfpwin::UserLocaleFor("LC_NUMERIC") : *entry;
    const mfpwin::LocaleEntry &times = userFormats ? mfpwin::UserLocaleFor("LC_TIME") : *entry;
    LocaleInfo info;
    if (!LookUp(*entry, numbers, times, type, info) || (returnNumber && info.kind == InfoKind::Text && type != LOCALE_ILANGUAGE)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }

    if (returnNumber) {
        // The number as a DWORD, counted in characters of this 8-bit form.
        constexpr int needed = sizeof(DWORD);
        if (size == 0)
            return needed;
        if (size < needed) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::memcpy(data, &info.number, sizeof(DWORD));
        return needed;
    }
    std::string text = info.kind == InfoKind::Number ? std::to_string(info.number) : info.text;
    const int needed = static_cast<int>(text.size()) + 1;
    if (size == 0)
        return needed;
    if (size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(data, text.c_str(), text.size() + 1);
    return needed;
}
