// Saves of the settings and progress that failed (a folder in the file's
// place, a file another program holds open, a full disk, a browser that
// refused): tried again every two seconds while they fail, so a file held
// open is written as soon as it is free; told on screen meanwhile; tried once
// more at the end of the run. What they hold stays in memory throughout.
#pragma once
#include <cstdint>
#include <string>

// Each loop turn, at game time nowMs: retries a failed save when it is due.
void RetryFailedSaves(uint32_t nowMs);
// The note of a failing save, at the top right of the finished picture (in
// the frame).
void DrawSaveNote();
// The note drawn now, "" when every save holds (tests).
std::string SaveNoteText();
// At the end of a run: each save still failing is tried once more, and
// what fails then gets one line on standard error. False when something
// the player earned or chose is lost.
bool FinishSaves();
