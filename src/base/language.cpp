#include "base/language.h"

#include <cstdlib>
#include <initializer_list>
#include <strings.h>

Language g_Language = kLangJa;

bool ParseLanguage(const char* code, Language& out) {
    if (!code) return false;
    if (strcasecmp(code, "ja") == 0) {
        out = kLangJa;
        return true;
    }
    if (strcasecmp(code, "en") == 0) {
        out = kLangEn;
        return true;
    }
    return false;
}

Language LanguageFromLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return strncasecmp(v, "ja", 2) == 0 ? kLangJa : kLangEn;
    }
    return kLangEn;
}

Language ChooseLanguage(const char* fromOption, const char* fromSettings) {
    Language l = kLangJa;
    if (fromOption && *fromOption && ParseLanguage(fromOption, l)) return l;
    if (fromSettings && *fromSettings && ParseLanguage(fromSettings, l)) return l;
    return LanguageFromLocale();
}
