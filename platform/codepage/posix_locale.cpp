#include "codepage/posix_locale.h"

#include "kernel/locale_table.h"

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

uint16_t UserDefaultLanguage() { return UserLocaleFor("LC_MESSAGES").langId; }

}  // namespace mfpwin
