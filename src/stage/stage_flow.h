// The shape every stage shares: the init that puts a stage into its start
// state and the frame that runs one tick of play. Stages differ in their
// records (stage/stage.h) and in the script hooks of their own files.
#pragma once
#include <cstdint>
#include <string>

#include "stage/stage.h"

void StageInit(int stage);
void StageFrame(int stage);

// Runs every stage's script once with g_ScriptReset set, so every
// stage's events start from the beginning (a new game), then clears the flag.
void ResetAllStageScripts();

// Draws the stage's fallers (the default objects of a stage).
void DrawStageFallers(int stage);

// The stage last begun (0 before any).
int CurrentStage();

// The first dialogue scene before a stage in the story (the one a story
// taken up again at that stage starts with).
int StoryTalkBefore(int stage);

// Trace fields of a running stage: walkers, paints, flags, strip.
void AppendStageTraceFields(std::string& line, int scene);

// Pot and reset-button rectangles (bounds included).
bool InRect(int x, int y, float x0, float y0, float x1, float y1);
