// One small text file that carries a player's settings and progress from one
// game to another: the desktop game, the Windows game and the web page all
// write and read the same format (--export / --import, the page's buttons).
#pragma once
#include <string>

#include "app/progress.h"
#include "app/settings.h"

// The first line of every export; a file that lacks it is not one.
extern const char kExportHeader[];

std::string FormatExport(const Settings& s, const Progress& p);
// Reads an export into s and p. False, with why, for a file that is not an
// export or has any damaged line: such a file is refused whole.
bool ParseExport(const std::string& text, Settings& s, Progress& p, std::string& why);

// The stored files' texts with an export merged in: every stage's best time
// of both, the further story place, the export's settings (the player's
// latest choice).
std::string MergeExportedProgress(const std::string& stored, const Progress& exported);
std::string MergeExportedSettings(const std::string& stored, const Settings& exported);

// --export FILE and --import FILE on the run's settings and progress files
// (SetSettingsPath, SetProgressPath). Return the exit status: 0 done, 1 a
// file could not be read or written, 2 the file is not an export (nothing
// was changed). Messages go to standard error, the outcome to standard output.
int ExportProgressFile(const std::string& file);
int ImportProgressFile(const std::string& file);
