#include "codepage/posix_locale.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace mfpwin {
namespace {

const char *FirstSet(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const char *value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return "";
}

struct LanguageCode {
    std::string_view posix;
    uint16_t primary;
};

// Primary language identifiers of the languages a printer driver's user interface ships in.
constexpr std::array kLanguages{
    LanguageCode{"ar", 0x01}, LanguageCode{"bg", 0x02}, LanguageCode{"ca", 0x03}, LanguageCode{"zh", 0x04},
    LanguageCode{"cs", 0x05}, LanguageCode{"da", 0x06}, LanguageCode{"de", 0x07}, LanguageCode{"el", 0x08},
    LanguageCode{"en", 0x09}, LanguageCode{"es", 0x0a}, LanguageCode{"fi", 0x0b}, LanguageCode{"fr", 0x0c},
    LanguageCode{"he", 0x0d}, LanguageCode{"hu", 0x0e}, LanguageCode{"it", 0x10}, LanguageCode{"ja", 0x11},
    LanguageCode{"ko", 0x12}, LanguageCode{"nl", 0x13}, LanguageCode{"nb", 0x14}, LanguageCode{"no", 0x14},
    LanguageCode{"pl", 0x15}, LanguageCode{"pt", 0x16}, LanguageCode{"ro", 0x18}, LanguageCode{"ru", 0x19},
    LanguageCode{"hr", 0x1a}, LanguageCode{"sk", 0x1b}, LanguageCode{"sv", 0x1d}, LanguageCode{"th", 0x1e},
    LanguageCode{"tr", 0x1f}, LanguageCode{"uk", 0x22}, LanguageCode{"sl", 0x24}, LanguageCode{"et", 0x25},
    LanguageCode{"lv", 0x26}, LanguageCode{"lt", 0x27}, LanguageCode{"vi", 0x2a},
};

// Sub-languages that differ from the language's default (1) for its usual territories.
uint16_t SubLanguage(std::string_view language, std::string_view territory)
{
    if (language == "en" && territory == "GB") return 0x02;
    if (language == "pt" && territory == "PT") return 0x02;
    if (language == "de" && territory == "CH") return 0x02;
    if (language == "de" && territory == "AT") return 0x03;
    if (language == "fr" && territory == "BE") return 0x02;
    if (language == "fr" && territory == "CA") return 0x03;
    if (language == "fr" && territory == "CH") return 0x04;
    if (language == "zh" && territory == "CN") return 0x02;
    return 0x01;
}

}  // namespace

PosixLocale CurrentPosixLocale(LocaleCategory category)
{
    std::string_view name = FirstSet(
        {"LC_ALL", category == LocaleCategory::CharacterType ? "LC_CTYPE" : "LC_MESSAGES", "LANG"});
    PosixLocale locale;
    if (name == "C" || name == "POSIX") return locale;
    if (size_t at = name.find('@'); at != std::string_view::npos) name = name.substr(0, at);
    if (size_t dot = name.find('.'); dot != std::string_view::npos) {
        locale.codeset = std::string(name.substr(dot + 1));
        name = name.substr(0, dot);
    }
    if (size_t underscore = name.find('_'); underscore != std::string_view::npos) {
        locale.territory = std::string(name.substr(underscore + 1));
        name = name.substr(0, underscore);
    }
    // "C.UTF-8" names a codeset but no language.
    if (name != "C" && name != "POSIX") locale.language = std::string(name);
    return locale;
}

uint16_t UserDefaultLanguage()
{
    constexpr uint16_t kEnglishUnitedStates = 0x0409;
    PosixLocale locale = CurrentPosixLocale(LocaleCategory::Messages);
    for (const LanguageCode &code : kLanguages) {
        if (code.posix == locale.language) {
            return static_cast<uint16_t>(code.primary | (SubLanguage(locale.language, locale.territory) << 10));
        }
    }
    return kEnglishUnitedStates;
}

}  // namespace mfpwin
