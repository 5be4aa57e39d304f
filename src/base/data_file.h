// Reading the game's data files (pictures, music, sounds) safely: a file is
// read only when it is a regular file of a sane size, so that a FIFO, a
// device or a directory in the data folder never blocks or crashes a loader.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// No data file of the game comes near this; a bigger one is damaged.
constexpr size_t kMaxDataFileBytes = size_t(64) << 20;

// Reads the whole file into out. Returns nullptr on success, else a short
// reason ("no such file", "empty file", "a directory, not a file", ...).
const char* ReadDataFile(const char* path, std::vector<uint8_t>& out, size_t maxBytes = kMaxDataFileBytes);

// Someone told of every data file the game uses, to learn which files a part
// of the game needs: ReadDataFile tells of each file it opens; a loader tells
// of a file it takes from its own memory, or opens through a library, with
// NoteDataFileUse. nullptr: no one.
void SetDataFileWatcher(void (*watch)(const char* path));
void NoteDataFileUse(const char* path);
