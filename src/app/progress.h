// The player's progress, kept between runs in progress.ini in the XDG data
// folder: which stages are cleared and the best clear time of each. Written
// at each clear; a damaged file counts as no progress.
#pragma once
#include <cstdint>
#include <string>

#include "app/scenes.h"

struct StageRecord {
    bool cleared;
    uint32_t bestMs;  // from the start of play to the clear
};

// The longest time a file may give (anything longer is damage).
constexpr uint32_t kMaxClearMs = 24u * 3600u * 1000u;

// Stages 1..9 at [stage - 1].
struct Progress {
    StageRecord stages[kStageCount];
    int storyStage;  // the last stage the story reached (1..kStageCount), 0: none
};

// Reads progress text. False (and `out` empty, `why` set to
// "NAME:LINE: problem") when any line is damaged.
bool ParseProgress(const std::string& text, const std::string& name, Progress& out, std::string& why);
std::string FormatProgress(const Progress& p);

// The progress file of a run: --progress FILE, else (not headless)
// $XDG_DATA_HOME/tolvane/progress.ini, by default ~/.local/share/tolvane/;
// empty: the run keeps no progress at all.
std::string DefaultProgressPath();
void SetProgressPath(const std::string& path);

// Reads the file (missing or damaged: no progress, a damaged one logged).
void LoadProgress();
// A stage was cleared after ms of play: remembered when it is the first
// clear or a better time, and saved at once.
void NoteStageClear(int stage, uint32_t ms);
// The story reached stage 1..9 (0: the story is over): remembered so that
// the player can go on from there, and saved when it changed.
void NoteStoryStage(int stage);
// The stage to go on with, 0 when none (and always when no progress is kept).
int StoryStage();
// The record of stage 1..9 (not cleared for any other number, and always
// when the run keeps no progress).
StageRecord StageProgress(int stage);
