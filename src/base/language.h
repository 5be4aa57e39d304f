// The language the player reads: every word on screen (dialogue, captions,
// lettered pictures) exists in Japanese and English. The debug log and the
// fatal-error messages are the same in both.
#pragma once
#include <string>
#include <vector>

enum Language : int { kLangJa = 0, kLangEn = 1 };

// The language of this run; Japanese until start-up chooses.
extern Language g_Language;

// "ja" or "en" (any case) into a language; false for anything else.
bool ParseLanguage(const char* code, Language& out);

// The first of a list of language names ("ja", "en-GB", "ja_JP.UTF-8") that
// is Japanese or English, most wanted first; false when none is.
bool FirstKnownLanguage(const std::vector<std::string>& names, Language& out);

// The language the system asks for. On the desktop the first non-empty of
// LC_ALL, LC_MESSAGES and LANG decides: a value starting with "ja" is
// Japanese, anything else English. On Windows, with none of them set, the
// user's display languages in order (the first Japanese or English one). In
// a page, the browser's languages in order. English when nothing decides.
Language LanguageFromLocale();

// Start-up's choice, first that is given and valid: the --lang option, the
// settings file's language, the locale. Either argument may be null or empty.
Language ChooseLanguage(const char* fromOption, const char* fromSettings);

// The player's language's member of a Japanese/English pair: every word the
// player reads is chosen through here.
inline const char* InLanguage(const char* ja, const char* en) { return g_Language == kLangEn ? en : ja; }
