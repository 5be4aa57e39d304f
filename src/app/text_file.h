// Small text files the game keeps between runs (settings, progress): read
// whole and safely, rewritten under a lock and merged with what another
// game wrote meanwhile, placed in the XDG folders (on Windows, the
// application data folder).
#pragma once
#include <string>

// Reads a regular file of at most 64 KiB as UTF-8 text (see
// TextFromFileBytes). Returns nullptr on success, else why not ("no such
// file", "a directory, not a file", ...).
const char* ReadSmallTextFile(const std::string& path, std::string& text);

// A file's bytes as UTF-8 text: a UTF-8 byte-order mark (as some editors
// save) dropped; UTF-16 with its mark, either byte order (Windows editors'
// "Unicode"), turned into UTF-8, a broken pair or a last odd byte becoming
// U+FFFD (its line is then not understood, as any damaged line). Anything
// else is taken as it is.
std::string TextFromFileBytes(const unsigned char* bytes, size_t size);

// What a kept file's owner makes of the file as it is now: the text to
// write, merged from `now` (empty when there is none) and the run's own
// values. `unreadable` is set by the merge when no line of `now` could be
// read although some were there.
typedef std::string (*KeptFileMerge)(const std::string& now, const std::string& name, bool& unreadable);

// What the writer of a kept file learns of a write: nullptr when the file
// now holds the run's values, else why not.
typedef void (*KeptFileWritten)(const char* why);

// Rewrites a kept file: under the file's lock, reads it again, merges and
// replaces it atomically. Writes through a symbolic link (the link stays),
// removes temporary files that killed writers left, and keeps a file that
// cannot be read at all as "path.damaged" before writing a new one.
// `written` hears the outcome: on the desktop before this returns; in a web
// page once the browser's storage holds the file, merged there with what
// another tab stored meanwhile (the page holds a lock across tabs for it).
// Returns why the write failed, nullptr when it succeeded or was handed to
// the page.
const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge, KeptFileWritten written);

// What a kept file's owner keeps of a write's outcome: `problem` holds why
// it failed (logged once per new reason: "WHAT: cannot write PATH: why (tried
// again)") and is emptied by a write that succeeds. True when it succeeded.
bool KeepWriteOutcome(const char* why, const char* what, const std::string& path, std::string& problem);

// Has `changed` called when another game stores the file at path, after the
// file holds what it stored. Only a web page hears of it (from the other
// tabs of the game); on the desktop the next write merges instead.
void WatchKeptFile(const std::string& path, void (*changed)());

// Writes a kept file whose old text need not be merged and may be bigger
// than ReadSmallTextFile reads (a replay): under the file's lock, `replaces`
// is shown the file's start as it is now (its first 4 KiB, a byte-order mark
// dropped; empty when there is none) and says whether `text` takes its
// place (nullptr: it always does). Replaced atomically, as UpdateKeptFile
// does, and stored by a page. Returns nullptr on success (or when the old
// file stays), else why not.
const char* ReplaceKeptFile(const std::string& path, const std::string& text, bool (*replaces)(const std::string& head));

// $VAR/tolvane/file when VAR holds an absolute path, else
// $HOME/fallback/tolvane/file; empty when neither is known. On Windows
// %APPDATA%\Tolvane\file (SDL's preferences folder) for both.
std::string XdgFilePath(const char* var, const char* fallback, const char* file);

// Splits "key = value" (blanks around both trimmed; '#' or ';' starts a
// comment line). False for a line that is not of that shape.
bool SplitIniLine(const std::string& line, std::string& key, std::string& value);
// A blank line, a comment ('#' or ';' first) or a "[section]" line.
bool IniLineSkipped(const std::string& line);
