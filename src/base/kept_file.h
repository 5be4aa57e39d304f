// The platform's side of the small files the game keeps between runs
// (settings, progress): an advisory lock that two games running at once
// share, and the atomic replacement of a file's whole text.
#pragma once
#include <string>

// The file a path names in the end: symbolic links followed (a dangling
// link names the file it would create), so that a write goes through the
// link and the link stays. (Windows: the path as it is.)
std::string ResolveFileLinks(const std::string& path);

// An exclusive advisory lock on path (through the hidden ".NAME.lock" beside
// it, which a replacement of path never touches); waits while another game holds it.
// Creates the missing folders. Returns the lock's handle, or -1 when the
// lock cannot be had (the caller goes on without it).
int LockKeptFile(const std::string& path);
void UnlockKeptFile(int handle);

// Writes text to a temporary file beside path ("path.tmp.PID") and moves it
// over path in one step, so that a crash leaves either the old file or the
// new one. Creates the missing folders. Returns nullptr on success, else
// why not (the system's words).
const char* ReplaceFileAtomically(const std::string& path, const std::string& text);

// Removes the temporary files beside path that writers which are no longer
// running left behind (killed mid-write). Call with the file's lock held.
void RemoveStaleTemporaries(const std::string& path);

// Moves path aside to "path.damaged" (replacing an older one) so that a new
// file can be written without losing what the player had; false if it
// could not be moved.
bool KeepDamagedFile(const std::string& path);
