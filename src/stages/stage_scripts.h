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

// Stage 1's events, for tests: one tick counter per event (1 the post, 2
// the block, 3 the flame).
constexpr int kStage1Events = 3;
struct Stage1State : EventState<kStage1Events> {
    int blockFrame;
    unsigned blockStepTime;
    int flameFrame;
    unsigned flameStepTime;
    int flameOut, ledgeGone;
};
extern Stage1State g_Stage1;
void Stage1Script();

// Stage 2's events, for tests: one tick counter and twinkle clock per event
// (1 the top block, 2 the plant, 3 the flicker, 4 the loose block). The
// arrival flags are shared by the stages whose goal is two walkers meeting;
// each init clears them.
constexpr int kStage2Events = 4;
struct Stage2State : EventState<kStage2Events> {
    unsigned twinkleTimes[kStage2Events + 1];
    int splashCount;
    int topFrame, plantFrame, flickerFrame, goalFrame;
    int flickerOut, heroDropped, heroCaught;
    // topStepTime also paces the loose block's push.
    unsigned topStepTime, plantStepTime, flickerStepTime, goalStepTime;
};
extern Stage2State g_Stage2;
void Stage2Script();

// Stage 3's events, for tests: one tick counter per event, by number.
constexpr int kStage3Events = 11;
struct Stage3State : EventState<kStage3Events> {
    int obstacleState, obstacleFrame, burnStep;  // obstacle: 0 flickers, 1 burns, 2 gone
    int goalFrame;
    int faller1State, faller2State, faller3State;
    int splashCount1, splashCount2;
    unsigned goalStepTime, obstacleStepTime, burnStepTime;
    unsigned pushTime1, pushTime2, pushTime3;
    int heroWasLow;
};
extern Stage3State g_Stage3;
void Stage3Script();

// Stage 6's events, for tests: one tick counter per event, by number.
constexpr int kStage6Events = 17;
struct Stage6State : EventState<kStage6Events> {
    int goalFrame, rockFrame, rockState, rockStep;  // rock: 0 flickers, 1 blown, 2 gone
    int blockMoved, wideBlockMoved, wideBlockFrame, lowBlockState, lowBlockFrame;  // low block: 1 pushed, 2 soft
    int heroStopLow, partnerStopLow;
    // flickerTime also paces the water twinkles.
    unsigned goalTime, flickerTime, rockBlowTime, heroPushTime, partnerPushTime, wideBlockTime,
        lowBlockSoftenTime, lowBlockPushTime;
};
extern Stage6State g_Stage6;
void Stage6Script();
// Stage 7's events, for tests: one tick counter per event, by number.
constexpr int kStage7Events = 14;
struct Stage7State : EventState<kStage7Events> {
    int goalFrame, stoneFrame, stoneState, stoneStep;  // stone: 0 flickers, 1 going, 2 gone
    int blockState, blockFrame;  // block: 1 on the ledge, 2 dropped through the stone
    int partnerBlockMoved, partnerBlockFrame;
    int heroStopLow, heroTrapTicks, partnerTrapTicks;
    // flickerTime: the stone's; blockTime also paces its shaking.
    unsigned goalTime, flickerTime, stoneBlowTime, blockTime, partnerBlockTime, twinkleTime;
};
extern Stage7State g_Stage7;
void Stage7Script();

// Stage 4's events, for tests: one tick counter per event, by number.
constexpr int kStage4Events = 22;
struct Stage4State : EventState<kStage4Events> {
    int flame1State, flame2State;  // 0 burning, 1 being blown out, 2 out
    int flame1Step, flame2Step, flame1Frame, flame2Frame;
    unsigned flame1StepTime, flame2StepTime;
    int goalFrame;
    unsigned goalStepTime;
    int blockState, block1Frame;
    int plantGrowth, plantDone, partnerNearPlant;
    int tankState, tankBurnt, tankFrame;
    int partnerCharred, charCount;
    int splashCount[3], steamCount;  // splashes: the block shoved by green, by blue, burnt by red
    unsigned effectTime, pushTime, growTime;
};
extern Stage4State g_Stage4;
void Stage4Script();

// Stage 8's events, for tests: one tick counter per event, by number.
constexpr int kStage8Events = 22;
struct Stage8State : EventState<kStage8Events> {
    int goalFrame, flame17Frame, flame18Frame, flame17State, flame18State;  // flame: 2 out
    int plantAGrown, plantAStep, plantBStep, plantBChanged;
    int blockShakeFrame, faller1Gone, faller1Frame;
    int columnChanged, columnStep, ledgeStep;
    int heroStopLow, partnerStopLow;
    // twinkleTime also paces the block's shaking, growTime the plants and
    // faller 1's fading, columnTime the column and the burning ledge.
    unsigned goalTime, flame17Time, flame18Time, twinkleTime, growTime, columnTime;
};
extern Stage8State g_Stage8;
void Stage8Script();

// Stage 9's events, for tests: tick and landing counters by event number.
constexpr int kStage9Events = 13;
struct Stage9State : EventState<kStage9Events> {
    int landingTicks[kStage9Events + 1];
    int goalFrame, obstacleFrame, obstacleState, obstacleStep;  // obstacle: 1 blown, 2 gone
    int faller1State, faller1Frame, faller2State, faller2Frame;
    // flickerTime also paces faller 1's pictures and its push; faller2Time
    // its shaking and pushes.
    unsigned goalTime, flickerTime, obstacleBlowTime, faller2Time, twinkleTime;
};
extern Stage9State g_Stage9;
void Stage9Script();

// Stage 5's events, for tests: one tick counter per event, by number (some
// events share one), one splash counter per event that drops a block.
constexpr int kStage5Events = 17;
struct Stage5State : EventState<kStage5Events> {
    int flame1State, flame2State;  // 0 burning, 1 going out or put out by a block, 2 blown out
    int flame1Step, flame2Step, flame1Frame, flame2Frame, goalFrame;
    int faller1State, faller1Dropped, faller1Frame, faller2State, faller2Frame;
    int heroStopLow, partnerStopLow, heroFellLeft, heroWasLow;
    int site1Splash, site2Splash, site5Splash, site6Splash, site7PartnerSplash, site7HeroSplash;
    unsigned goalStepTime, flame1StepTime, flame2StepTime, effectTime, pushTime1, pushTime2;
};
extern Stage5State g_Stage5;
void Stage5Script();
