#include "base/language.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

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

bool FirstKnownLanguage(const std::vector<std::string>& names, Language& out) {
    for (const std::string& n : names) {
        // "ja", "ja-JP", "ja_JP.UTF-8": the language part alone counts.
        bool alone = n.size() == 2 || (n.size() > 2 && (n[2] == '-' || n[2] == '_' || n[2] == '.'));
        if (alone && ParseLanguage(n.substr(0, 2).c_str(), out)) return true;
    }
    return false;
}

namespace {

// The languages the system's user asked for, most wanted first; empty when
// the system says nothing beyond the locale variables.
std::vector<std::string> SystemLanguages() {
    std::vector<std::string> names;
#ifdef __EMSCRIPTEN__
    // The browser's list (its settings' order); the locale variables a page
    // has are made up from its first entry alone.
    char list[512] = "";
    EM_ASM(
        {
            var n = typeof navigator == 'object' ? navigator : {};
            var l = n.languages && n.languages.length ? n.languages : [n.language || ''];
            stringToUTF8(Array.prototype.join.call(l, '\n'), $0, $1);
        },
        list, int(sizeof list));
    std::string all = list;
    for (size_t at = 0; at <= all.size();) {
        size_t end = all.find('\n', at);
        if (end == std::string::npos) end = all.size();
        names.push_back(all.substr(at, end - at));
        at = end + 1;
    }
#elif defined(_WIN32)
    // Windows sets no locale variables: the user's display languages
    // ("ja-JP\0en-US\0\0"), else the one UI language.
    ULONG count = 0, size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        std::vector<wchar_t> buf(size);
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, buf.data(), &size))
            for (const wchar_t* p = buf.data(); *p; p += wcslen(p) + 1) {
                std::string name;
                for (const wchar_t* c = p; *c; ++c) name += *c < 0x80 ? char(*c) : '?';
                names.push_back(name);
            }
    }
    LANGID ui = GetUserDefaultUILanguage();
    if (PRIMARYLANGID(ui) == LANG_JAPANESE) names.push_back("ja");
    if (PRIMARYLANGID(ui) == LANG_ENGLISH) names.push_back("en");
#endif
    return names;
}

}  // namespace

Language LanguageFromLocale() {
    Language l = kLangEn;
#ifndef __EMSCRIPTEN__
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return strncasecmp(v, "ja", 2) == 0 ? kLangJa : kLangEn;
    }
#endif
    FirstKnownLanguage(SystemLanguages(), l);
    return l;
}

Language ChooseLanguage(const char* fromOption, const char* fromSettings) {
    Language l = kLangJa;
    if (fromOption && *fromOption && ParseLanguage(fromOption, l)) return l;
    if (fromSettings && *fromSettings && ParseLanguage(fromSettings, l)) return l;
    return LanguageFromLocale();
}
