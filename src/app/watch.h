// Watching a replay: its inputs reach the game from its stage's start as
// the player's would, the try's starting state put back first, while the
// player's own keys, clicks and touches work the watch's controls (pause, a
// frame step, 2x and 4x, leave) and a "replay" mark stays on screen.
// Watching keeps nothing: no progress, no replay. A replay is watched from
// the stage select (the kept best or latest of a stage), from the command
// line (--watch), or headless to check that it clears (--verify).
#pragma once
#include <cstdint>
#include <string>

#include "app/script.h"

// Loads a replay to watch; its stage's next init begins it. verify: the
// headless check, which ends the run at the clear or when the try is over.
// Returns 0, 2 when the file is no replay, 1 when it names a stage this game
// has not (why says which).
int LoadWatch(const std::string& path, bool verify, std::string& why);
// The stage select's: watch stage k's kept best (or latest) replay; false
// when there is none.
bool StartWatchingKept(int stage, bool best);
// Whether stage k has a kept replay of that kind (read when the stage select
// opens: RefreshKeptReplays).
bool KeptReplayShown(int stage, bool best);
void RefreshKeptReplays();
bool Watching();
int WatchedStage();

// The loop's side. Before a tick that will run (now: its time): begins the
// watch when its stage's init is about to run, then hands over the replay's
// events due by then.
void FeedWatch(uint32_t now, void (*deliver)(const ScriptEvent& e, uint32_t time));
// After a tick that ran `scene`: the watch ends when its try is over.
void WatchAfterTick(int scene, uint32_t now);
// The player's input while watching works the controls; true when taken
// (always, while watching). button: 0 a move, 1 left, 2 right.
bool WatchTakesKey(int vk, bool down);
bool WatchTakesPointer(int x, int y, int button, bool down);
// Paused by the watch's control, with no frame step asked for.
bool WatchHolds();
// A tick ran: a frame step asked for is done.
void WatchTicked();
// 1, 2 or 4: the pace the watch asks of the frame gate.
int WatchPace();
// The replay mark and the controls, over the finished picture.
void DrawWatchMarks();

// A stage was cleared after ms of play: in play, the progress and the try's
// replay are kept; while watching, nothing is, and the watch notes it.
void NoteClear(int stage, uint32_t ms);

// --verify's end: the line it prints and its status (0 cleared, 1 not).
int VerifyOutcome(std::string& line);
