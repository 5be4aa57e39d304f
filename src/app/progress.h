// The player's progress, kept between runs in progress.ini in the XDG data
// folder: which stages are cleared and the best clear time of each, and
// where the story stands. Written at each change, merged with what another
// game wrote meanwhile; a damaged line counts as no record for its stage.
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

// Reads progress text into `out` (emptied first): each damaged line is
// skipped and described in a line appended to `complaints`
// ("NAME:LINE: problem, line ignored"). Returns how many lines were read.
int ParseProgress(const std::string& text, const std::string& name, Progress& out, std::string& complaints);
std::string FormatProgress(const Progress& p);
// Takes every stage of `from` that `into` lacks or has a slower time for.
void MergeProgress(Progress& into, const Progress& from);

// The progress file of a run: --progress FILE, else (not headless)
// $XDG_DATA_HOME/tolvane/progress.ini, by default ~/.local/share/tolvane/;
// empty: the run keeps no progress at all.
std::string DefaultProgressPath();
void SetProgressPath(const std::string& path);

// Reads the file (missing: no progress; damaged lines logged and skipped).
void LoadProgress();
// A stage was cleared after ms of play: remembered when it is the first
// clear or a better time, and saved at once, merged with the file as it is
// now (the best time of each stage wins). A failed write is logged and
// tried again at the next save (and by the loop, see save_status.h).
void NoteStageClear(int stage, uint32_t ms);
// The story reached stage 1..9 (0: the story is over): remembered so that
// the player can go on from there, and saved when it changed (merged as a
// clear is, but this place replaces the file's: the latest word wins).
void NoteStoryStage(int stage);
// Why the last write failed (what it held stays in memory and is written
// at the next save), nullptr when it did not.
const char* ProgressSaveProblem();
// Writes the run's progress again.
void RetryProgressSave();
// The run's progress file, empty when it keeps none.
std::string ProgressPath();

// The stage to go on with, 0 when none (and always when no progress is kept).
int StoryStage();
// The record of stage 1..9 (not cleared for any other number, and always
// when the run keeps no progress).
StageRecord StageProgress(int stage);
