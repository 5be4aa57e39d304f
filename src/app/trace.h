// The per-tick trace of headless runs: one JSON object per line.
#pragma once
#include <string>

// lineByLine: each line reaches the file as its frame ends (a windowed run,
// which something may be watching); else the lines are written in blocks.
// "-" is standard output. A write that fails ends the run with status 1,
// naming the file; CloseTrace returns false when any write failed.
bool OpenTrace(const char* path, bool lineByLine);
bool CloseTrace();
void TraceTick(unsigned elapsedMs, int scene);

// What the game reports of a tick (the lives, then the running scene's own
// state: walkers, talk line ...) is appended by the function it hands in at
// start-up; the trace only asks.
using SceneTraceFields = void (*)(std::string& line, int scene);
void SetSceneTraceFields(SceneTraceFields fields);
