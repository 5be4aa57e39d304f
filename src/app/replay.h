// Every clear kept as a replay: the inputs of a stage's try, from the tick
// its init runs, written beside the progress file as
// replays/stageN-last.txt (the latest clear) and stageN-best.txt (the
// fastest). A replay is an input script that --script reads, timed from the
// stage's start; its first lines name it, its stage, the game's version,
// the clear's game time and the input the try began with, which watching
// and --verify put back before the stage starts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/script.h"

// What a replay's first lines say.
struct ReplayHead {
    int stage = 0;
    std::string version;
    bool cleared = false;  // the clear's time is given
    uint32_t clearMs = 0;
    std::string start;  // the try's starting input ("": a fresh start)
};

struct Replay {
    ReplayHead head;
    std::vector<ScriptEvent> events;
};

// The game's part of a try's starting state (the brush's stroke), as text
// and back; handed down at start-up. now: the time of the tick to come.
struct ReplayStartHooks {
    void (*save)(char* out, int size, uint32_t now);
    bool (*load)(const char* text, uint32_t now);
};
void SetReplayStartHooks(ReplayStartHooks hooks);

// The game's version, as a replay names it.
const char* GameVersion();

// Replays are kept in this folder (replays/ beside the progress file);
// empty: this run keeps none.
void SetReplayFolder(const std::string& folder);
// stageN-best.txt or stageN-last.txt in that folder ("" when none is kept).
std::string KeptReplayPath(int stage, bool best);

// Stage k's init is about to run, before its tick takes the keys: a new
// take begins, and the state the try starts from is noted.
void BeginStageTake(int stage, uint32_t now);
// The try under way cleared its stage after clearMs of play: its take is
// kept as the stage's latest replay and, when faster than the kept best (or
// there is none), as its best. A write that fails is logged.
void KeepClearReplay(int stage, uint32_t clearMs);

// Reads a replay's text: nullptr with out filled, else why it is no replay
// (no head, a bad line, an event a player cannot make).
const char* ParseReplay(const std::string& text, const std::string& name, Replay& out);
const char* LoadReplayFile(const std::string& path, Replay& out);
// The head of a kept replay file; false when it is none.
bool ReadReplayHead(const std::string& path, ReplayHead& out);

// Puts back the input and game state a replay's try began with, before its
// stage's init tick (now: that tick's time). False when the text is damaged
// (nothing is changed then).
bool RestoreReplayStart(const std::string& start, uint32_t now);
