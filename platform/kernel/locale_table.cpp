#include "kernel/locale_table.h"

#include <cstdlib>
#include <cstring>

namespace mfpwin {

namespace {

// The first entry of each language is its main locale.
const LocaleEntry Locales[] = {
    {"en_US", 0x0409, ".", ",", ",", "h:mm:ss tt", "M/d/yyyy", 1252, 437},
    {"en_GB", 0x0809, ".", ",", ",", "HH:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"en_AU", 0x0C09, ".", ",", ",", "h:mm:ss tt", "d/MM/yyyy", 1252, 850},
    {"en_CA", 0x1009, ".", ",", ",", "h:mm:ss tt", "yyyy-MM-dd", 1252, 850},
    {"en_IE", 0x1809, ".", ",", ",", "HH:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"pl_PL", 0x0415, ",", "\xA0", ";", "HH:mm:ss", "dd.MM.yyyy", 1250, 852},
    {"de_DE", 0x0407, ",", ".", ";", "HH:mm:ss", "dd.MM.yyyy", 1252, 850},
    {"de_CH", 0x0807, ".", "'", ";", "HH:mm:ss", "dd.MM.yyyy", 1252, 850},
    {"de_AT", 0x0C07, ",", ".", ";", "HH:mm:ss", "dd.MM.yyyy", 1252, 850},
    {"fr_FR", 0x040C, ",", "\xA0", ";", "HH:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"fr_BE", 0x080C, ",", ".", ";", "HH:mm:ss", "dd-MM-yy", 1252, 850},
    {"fr_CA", 0x0C0C, ",", "\xA0", ";", "HH:mm:ss", "yyyy-MM-dd", 1252, 850},
    {"fr_CH", 0x100C, ".", "'", ";", "HH:mm:ss", "dd.MM.yyyy", 1252, 850},
    {"it_IT", 0x0410, ",", ".", ";", "HH:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"es_ES", 0x0C0A, ",", ".", ";", "H:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"es_MX", 0x080A, ".", ",", ",", "hh:mm:ss tt", "dd/MM/yyyy", 1252, 850},
    {"pt_BR", 0x0416, ",", ".", ";", "HH:mm:ss", "dd/MM/yyyy", 1252, 850},
    {"pt_PT", 0x0816, ",", "\xA0", ";", "HH:mm:ss", "dd-MM-yyyy", 1252, 850},
    {"nl_NL", 0x0413, ",", ".", ";", "H:mm:ss", "d-M-yyyy", 1252, 850},
    {"nl_BE", 0x0813, ",", ".", ";", "H:mm:ss", "d/MM/yyyy", 1252, 850},
    {"sv_SE", 0x041D, ",", "\xA0", ";", "HH:mm:ss", "yyyy-MM-dd", 1252, 850},
    {"da_DK", 0x0406, ",", ".", ";", "HH:mm:ss", "dd-MM-yyyy", 1252, 850},
    {"nb_NO", 0x0414, ",", "\xA0", ";", "HH:mm:ss", "dd.MM.yyyy", 1252, 850},
    {"fi_FI", 0x040B, ",", "\xA0", ";", "H:mm:ss", "d.M.yyyy", 1252, 850},
    {"cs_CZ", 0x0405, ",", "\xA0", ";", "H:mm:ss", "dd.MM.yyyy", 1250, 852},
    {"sk_SK", 0x041B, ",", "\xA0", ";", "H:mm:ss", "d. M. yyyy", 1250, 852},
    {"hu_HU", 0x040E, ",", "\xA0", ";", "H:mm:ss", "yyyy. MM. dd.", 1250, 852},
    {"ru_RU", 0x0419, ",", "\xA0", ";", "H:mm:ss", "dd.MM.yyyy", 1251, 866},
    {"el_GR", 0x0408, ",", ".", ";", "h:mm:ss tt", "d/M/yyyy", 1253, 737},
    {"tr_TR", 0x041F, ",", ".", ";", "HH:mm:ss", "dd.MM.yyyy", 1254, 857},
    {"ja_JP", 0x0411, ".", ",", ",", "H:mm:ss", "yyyy/MM/dd", 932, 932},
    {"zh_CN", 0x0804, ".", ",", ",", "H:mm:ss", "yyyy/M/d", 936, 936},
    {"zh_TW", 0x0404, ".", ",", ",", "tt hh:mm:ss", "yyyy/M/d", 950, 950},
    {"zh_HK", 0x0C04, ".", ",", ",", "H:mm:ss", "d/M/yyyy", 950, 950},
    {"ko_KR", 0x0412, ".", ",", ",", "tt h:mm:ss", "yyyy-MM-dd", 949, 949},
};

}  // namespace

const LocaleEntry &DefaultLocale() { return Locales[0]; }

const LocaleEntry *FindLocale(LANGID langId)
{
    for (const LocaleEntry &entry : Locales) {
        if (entry.langId == langId)
            return &entry;
    }
    return nullptr;
}

const LocaleEntry &LocaleFromPosixName(const std::string &name)
{
    // language[_territory][.codeset][@modifier]
    std::string base = name.substr(0, name.find_first_of(".@"));
    std::string language = base.substr(0, base.find('_'));
    const LocaleEntry *languageMatch = nullptr;
    for (const LocaleEntry &entry : Locales) {
        if (base == entry.posixName)
            return entry;
        if (!languageMatch && language.size() == 2 && std::strncmp(entry.posixName, language.c_str(), 2) == 0)
            languageMatch = &entry;
    }
    return languageMatch ? *languageMatch : DefaultLocale();
}

const LocaleEntry &UserLocaleFor(const char *categoryVariable)
{
    for (const char *variable : {"LC_ALL", categoryVariable, "LANG"}) {
        const char *value = variable ? std::getenv(variable) : nullptr;
        if (value && *value)
            return LocaleFromPosixName(value);
    }
    return DefaultLocale();
}

}  // namespace mfpwin
