// The few file operations whose system calls differ between Linux and
// Windows. Paths are UTF-8 on both (the Windows program runs in the UTF-8
// code page, and these calls convert to wide characters where it matters).
#pragma once
#include <sys/stat.h>
#include <time.h>

#include <string>

// Puts the file at from in the place of to, replacing it in one step: a
// reader sees the old file or the new one, never neither.
bool MoveFileOver(const char* from, const char* to);

// Creates one folder; true when it exists afterwards.
bool MakeFolder(const char* path);

// Flushes an open file descriptor's data to the disk.
bool SyncFileToDisk(int fd);

// A file's modification time (to the nanosecond where the system keeps it).
timespec StatModified(const struct stat& st);

// Whether path starts at a root ("/", or on Windows also "C:\", "\\server").
bool IsAbsolutePath(const std::string& path);
// Whether c separates folders in a path ('/', on Windows also '\').
bool IsPathSeparator(char c);
// The folder part of a path: "." for a bare name, the root for a file in it.
std::string FolderOf(const std::string& path);
