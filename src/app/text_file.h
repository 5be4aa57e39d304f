// Small text files the game keeps between runs (settings, progress): read
// whole and safely, rewritten under a lock and merged with what another
// game wrote meanwhile, placed in the XDG folders (on Windows, the
// application data folder).
#pragma once
#include <string>

// Reads a regular file of at most 64 KiB, a leading byte-order mark (as
// some editors save) dropped. Returns nullptr on success, else why not
// ("no such file", "a directory, not a file", ...).
const char* ReadSmallTextFile(const std::string& path, std::string& text);

// What a kept file's owner makes of the file as it is now: the text to
// write, merged from `now` (empty when there is none) and the run's own
// values. `unreadable` is set by the merge when no line of `now` could be
// read although some were there.
typedef std::string (*KeptFileMerge)(const std::string& now, const std::string& name, bool& unreadable);

// Rewrites a kept file: under the file's lock, reads it again, merges and
// replaces it atomically. Writes through a symbolic link (the link stays),
// removes temporary files that killed writers left, and keeps a file that
// cannot be read at all as "path.damaged" before writing a new one.
// Returns nullptr on success, else why not (written to the log by the
// caller).
const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge);

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
