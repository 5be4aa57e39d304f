// The language the player reads: every word on screen (dialogue, captions,
// lettered pictures) exists in Japanese and English. The debug log and the
// fatal-error messages are the same in both.
#pragma once

enum Language : int { kLangJa = 0, kLangEn = 1 };

// The language of this run; Japanese until start-up chooses.
extern Language g_Language;

// "ja" or "en" (any case) into a language; false for anything else.
bool ParseLanguage(const char* code, Language& out);

// The language the system asks for: the first non-empty of LC_ALL,
// LC_MESSAGES and LANG; a value starting with "ja" is Japanese, anything
// else (or nothing) English.
Language LanguageFromLocale();

// Start-up's choice, first that is given and valid: the --lang option, the
// settings file's language, the locale. Either argument may be null or empty.
Language ChooseLanguage(const char* fromOption, const char* fromSettings);

// The player's language's member of a Japanese/English pair: every word the
// player reads is chosen through here.
inline const char* InLanguage(const char* ja, const char* en) { return g_Language == kLangEn ? en : ja; }
