// Small text files the game keeps between runs (settings, progress): read
// whole and safely, written atomically, placed in the XDG folders (on
// Windows, the application data folder).
#pragma once
#include <string>

// Reads a regular file of at most 64 KiB. Returns nullptr on success, else
// why not ("no such file", "a directory, not a file", ...).
const char* ReadSmallTextFile(const std::string& path, std::string& text);

// Writes text to a temporary file beside path and moves it over path, so
// that a crash leaves either the old file or the new one, never half of
// one. Creates the missing folders. False when anything failed.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// $VAR/tolvane/file when VAR holds an absolute path, else
// $HOME/fallback/tolvane/file; empty when neither is known. On Windows
// %APPDATA%\Tolvane\file (SDL's preferences folder) for both.
std::string XdgFilePath(const char* var, const char* fallback, const char* file);

// Splits "key = value" (blanks around both trimmed; '#' or ';' starts a
// comment line). False for a line that is not of that shape.
bool SplitIniLine(const std::string& line, std::string& key, std::string& value);
// A blank line or a comment ('#' or ';' first); with sections, a "[section]"
// line too.
bool IniLineSkipped(const std::string& line, bool sections);
