// The stage scripts: each stage's own objects and events.
#pragma once
#include "stage/stage_flow.h"

extern const StageScript kStage1Script;

// Stage 1's events, for tests.
struct Stage1State {
    int postCount, blockCount, flameCount;
    int ringGateA, ringGateB;
    int blockFrame;
    unsigned blockStepTime;
    int flameFrame;
    unsigned flameStepTime;
    int flameOut, ledgeGone;
};
extern Stage1State g_Stage1;
void Stage1Script();
