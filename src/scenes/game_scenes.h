// The game's side of the app: its scenes, by number, and what it reports of
// a tick in the trace.
#pragma once
#include <string>

#include "app/scenes.h"

// Scene number -> the function a tick runs and its log line (the stages' and
// dialogues' entries filled in by InstallGameTables).
extern SceneEntry g_GameScenes[kSceneCount];

// Hands the app the scene table and the trace fields, and the stage engine
// the stage table; the game's main calls it once before the run (tests at
// their start).
void InstallGameTables();

// The lives, then the running scene's own state (walkers, talk line ...).
void AppendSceneTraceFields(std::string& line, int scene);
