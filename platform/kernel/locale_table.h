// The locales this system knows, with the information GetLocaleInfoA reports, and the mapping
// from POSIX locale names ("pl_PL.UTF-8", "en_US", "C") to them.
#pragma once

#include <string>

#include "mfpwin/nls.h"

namespace mfpwin {

struct LocaleEntry {
    const char *posixName;  // language_TERRITORY
    LANGID langId;
    const char *decimal;
    const char *thousands;
    const char *list;
    const char *timeFormat;
    const char *shortDate;
    UINT ansiCodePage;
    UINT oemCodePage;
};

// English (United States): for C, POSIX, an unset locale and names this system does not know.
const LocaleEntry &DefaultLocale();
// The entry of a language identifier; null when unknown.
const LocaleEntry *FindLocale(LANGID langId);
// "pl_PL.UTF-8@euro" -> Polish (Poland); a known language with an unknown territory gives the
// language's main locale; anything else the default.
const LocaleEntry &LocaleFromPosixName(const std::string &name);

// The user's locale for one POSIX category (LC_NUMERIC, LC_TIME, ...): LC_ALL, else the
// category's variable, else LANG, as the C library chooses. A null category: LC_ALL, else LANG.
const LocaleEntry &UserLocaleFor(const char *categoryVariable);

}  // namespace mfpwin
