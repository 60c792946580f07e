// The user's POSIX locale as the environment names it (language_TERRITORY.codeset@modifier),
// read afresh on every call so a process that changes its environment sees the change.
#pragma once

#include <cstdint>
#include <string>

namespace mfpwin {

struct PosixLocale {
    std::string language;   // "pl"; empty for "C", "POSIX" or no locale
    std::string territory;  // "PL"
    std::string codeset;    // "UTF-8", "ISO-8859-2"; empty when not named
};

enum class LocaleCategory { CharacterType, Messages };

// The first non-empty of LC_ALL, LC_CTYPE (or LC_MESSAGES) and LANG.
PosixLocale CurrentPosixLocale(LocaleCategory category);

// The Windows language identifier of the user's messages locale (pl_PL -> 0x0415), from the
// kernel's locale table; English (United States) when the locale is "C" or unknown.
uint16_t UserDefaultLanguage();

}  // namespace mfpwin
