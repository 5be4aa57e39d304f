// The stage scripts: each stage's own objects and events.
#pragma once
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stages/script_kit.h"

// Every stage's record and script, by stage number (entry 0 unused).
extern const StagePlay kStages[kStageCount + 1];

// kStage1Script, kStage2Script, ...: one per script file.
#define TOLVANE_STAGE_SCRIPT(N) extern const StageScript kStage##N##Script;
TOLVANE_EACH_STAGE(TOLVANE_STAGE_SCRIPT)
#undef TOLVANE_STAGE_SCRIPT

// Every stage's event table (kStage1EventTable, ...), which a test reads the
// tick counters through; the rest of a stage's state stays in its file.
#define TOLVANE_STAGE_EVENTS(N) extern const EventTable* const kStage##N##EventTable;
TOLVANE_EACH_STAGE(TOLVANE_STAGE_EVENTS)
#undef TOLVANE_STAGE_EVENTS

// The tick counter of a stage's event (1..its count), or -1 for none;
// setting one is how a test starts an event part-way.
int EventTicks(int stage, int event);
void SetEventTicks(int stage, int event, int ticks);

// What a test asks of a stage beyond the counters: a copy of the facts it
// checks (StageNNow) and, where a test starts from a given situation, a way
// to change them (Stage3Arrange([](Stage3Facts& s) { s.faller2State = 1; })).
// States count up as a thing goes: 0 as the stage starts, then as noted.
struct Stage1Facts {
    int blockFrame, flameOut, ledgeGone;  // the charring block's picture; flags
};
Stage1Facts Stage1Now();
void Stage1Arrange(void (*change)(Stage1Facts&));

struct Stage2Facts {
    int topFrame, plantFrame;  // the top block's and the plant's pictures
    int flickerOut, heroDropped, heroCaught;
};
Stage2Facts Stage2Now();

struct Stage3Facts {
    int obstacleState;  // 1 burns, 2 gone
    int faller1State, faller2State, faller3State, splashCount1, heroWasLow;
};
Stage3Facts Stage3Now();
void Stage3Arrange(void (*change)(Stage3Facts&));

struct Stage4Facts {
    int flame1State, flame2State;  // 1 being blown out, 2 out
    int blockState, block1Frame, plantGrowth, plantDone, partnerNearPlant;
    int tankState, tankBurnt, partnerCharred;
    unsigned effectTime;  // the clock of the flames' steps and the twinkles
};
Stage4Facts Stage4Now();
void Stage4Arrange(void (*change)(Stage4Facts&));

struct Stage5Facts {
    int flame1State, flame2State;  // 1 going out or put out by a block, 2 blown out
    int faller1State, faller1Dropped, faller1Frame, faller2State, faller2Frame;
    int heroStopLow, partnerStopLow, heroFellLeft;
};
Stage5Facts Stage5Now();
void Stage5Arrange(void (*change)(Stage5Facts&));

struct Stage6Facts {
    int rockState;      // 1 blown, 2 gone
    int lowBlockState;  // 1 pushed, 2 soft
    int blockMoved, wideBlockMoved, heroStopLow, goalFrame;
};
Stage6Facts Stage6Now();
void Stage6Arrange(void (*change)(Stage6Facts&));

struct Stage7Facts {
    int stoneState;  // 1 going, 2 gone
    int blockState;  // 1 on the ledge, 2 dropped through the stone
    int blockFrame, heroStopLow, heroTrapTicks;
};
Stage7Facts Stage7Now();

struct Stage8Facts {
    int flame17State, flame18State;  // 2 out
    int plantAGrown, plantBChanged, blockShakeFrame, faller1Gone, columnChanged, ledgeStep;
    int heroStopLow, partnerStopLow;
};
Stage8Facts Stage8Now();
void Stage8Arrange(void (*change)(Stage8Facts&));

struct Stage9Facts {
    int obstacleState;  // 1 blown, 2 gone
    int faller1State, faller1Frame, faller2State, faller2Frame;
    int faller2Landing;  // ticks faller 2 has stood on its landing after the water's push
    unsigned goalTime;   // the goal column's clock
};
Stage9Facts Stage9Now();
void Stage9Arrange(void (*change)(Stage9Facts&));
