// The per-tick trace of headless runs: one JSON object per line.
#pragma once
#include <string>

bool OpenTrace(const char* path);
void CloseTrace();
void TraceTick(unsigned elapsedMs, int scene);

// Adds the fields of the running scene's own state (walkers, talk line ...).
void AppendSceneTraceFields(std::string& line, int scene);
