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

// Rewrites a kept file: under the file's lock, reads it again, merges and
// replaces it atomically. Writes through a symbolic link (the link stays),
// removes temporary files that killed writers left, and keeps a file that
// cannot be read at all as "path.damaged" before writing a new one.
// Returns nullptr on success, else why not (written to the log by the
// caller).
const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge);

// $VAR/tolvane/file when VAR holds an absolute path, else
// $HOME/fallback/tolvane/file; empty when neither is known. On Windows
// %APPDATA%\Tolvane\file (SDL's preferences folder) for both.
std::string XdgFilePath(const char* var, const char* fallback, const char* file);

// Splits "key = value" (blanks around both trimmed; '#' or ';' starts a
// comment line). False for a line that is not of that shape.
bool SplitIniLine(const std::string& line, std::string& key, std::string& value);
// A blank line, a comment ('#' or ';' first) or a "[section]" line.
bool IniLineSkipped(const std::string& line);
