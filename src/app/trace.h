// The per-tick trace of headless runs: one JSON object per line.
#pragma once
#include <string>

bool OpenTrace(const char* path);
void CloseTrace();
void TraceTick(unsigned elapsedMs, int scene);

// Adds what the game reports of a tick: the lives, then the running scene's
// own state (walkers, talk line ...). The game writes it; the trace only
// asks.
void AppendSceneTraceFields(std::string& line, int scene);
