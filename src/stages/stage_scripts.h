// The stage scripts: each stage's own objects and events.
#pragma once
#include "stage/stage_flow.h"
#include "stage/stage_state.h"

extern const StageScript kStage1Script;

// The meeting goal of stages 2 to 9: the first walker home waits, the second
// stops beside it, both home clears the stage. heroOnRight: the hero's place
// is right of the partner's. partnerMayTurn: a stage's extra condition on the
// waiting partner turning to the hero. sameRow: "beside" also needs the two
// on one row, where the other walker can pass the waiting one's x on another
// floor on the way down.
void MeetAtGoal(bool heroHome, bool partnerHome, bool heroOnRight, bool partnerMayTurn = true,
                bool sameRow = false);

// Ring bursts on the second frame of an event's window: on a frame inside the
// window the gate counts up and `bursts` rings spawn at (x, y) when it is 1;
// on a frame outside it the gate rewinds.
void RingWindow(int& gate, bool inside, float x, float y, int bursts);

// The walker an event acts on, with the paint and pose that belong to it.
struct Actor {
    Walker& w;
    PaintColour& paint;
    int& pose;
};
Actor HeroActor();
Actor PartnerActor();
extern const StageScript kStage2Script;
extern const StageScript kStage3Script;
extern const StageScript kStage4Script;
extern const StageScript kStage5Script;
extern const StageScript kStage6Script;
extern const StageScript kStage7Script;
extern const StageScript kStage8Script;
extern const StageScript kStage9Script;

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

// Stage 2's events, for tests. The arrival flags are shared by the stages
// whose goal is two walkers meeting; each init clears them.
struct Stage2State {
    int topCount, plantCount, flickerCount, blockCount, splashCount;
    int spawnGate;
    int topFrame, plantFrame, flickerFrame, goalFrame;
    int flickerOut, heroDropped, heroCaught;
    unsigned topStepTime, plantStepTime, flickerStepTime, goalStepTime;
    unsigned topSprayTime, plantSprayTime, flickerSprayTime;
};
extern Stage2State g_Stage2;
void Stage2Script();

// Stage 3's events, for tests.
struct Stage3State {
    int count[11];  // count[n - 1]: frames of event n
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

// Stages 6 and 7's events, for tests. Step times are indexed by timer
// number (1..8 in stage 6, 1..6 in stage 7); counters by event number.
constexpr int kStage6Events = 17;
struct Stage6State {
    int count[kStage6Events + 1];
    int col0Frame, col5IdleFrame, col5State, col5Step;
    int faller1Moved, faller2Moved, faller2Frame, faller3State, faller3Frame;
    int heroStopLow, partnerStopLow, ringGate;
    unsigned t[9];
};
extern Stage6State g_Stage6;
void Stage6Script();
constexpr int kStage7Events = 14;
struct Stage7State {
    int count[kStage7Events + 1];
    int col0Frame, obstacleIdleFrame, obstacleState, obstacleStep;
    int faller1State, faller1Frame, faller2Moved, faller2Frame;
    int heroStopLow, trapCountHero, trapCountPartner, ringGateA, ringGateB;
    unsigned t[7];
};
extern Stage7State g_Stage7;
void Stage7Script();

// Stage 4's events, for tests. Counters per flame [flame][hero, partner]
// [red, green, blue]; the block's [green, blue, red]; the plant's [blue,
// red small, green (both sizes), red grown]; the tub's [green, red].
struct Stage4State {
    int flameCount[2][2][3];
    int flame1State, flame2State;  // 0 burning, 1 being blown out, 2 out
    int flame1Step, flame2Step, flame1Frame, flame2Frame;
    unsigned flame1StepTime, flame2StepTime;
    int goalFrame;
    unsigned goalStepTime;
    int blockState, block1Frame, blockCount[3];
    int plantGrowth, plantDone, partnerNearPlant, plantCount[4];
    int tankState, tankBurnt, tankFrame, tankCount[2];
    int partnerCharred, charCount;
    int splashCount[3], steamCount;
    int spawnGateA, spawnGateB;
    unsigned effectTime, pushTime, growTime;
};
extern Stage4State g_Stage4;
void Stage4Script();

// Stage 8's events, for tests. count[k] is event k's tick counter (1..22).
struct Stage8State {
    int count[23];
    int col19Frame, flame17Frame, flame18Frame, flame17State, flame18State;
    int plantAGrown, plantAStep, plantBStep, plantBChanged;
    int blockShakeFrame, faller1Gone, faller1Frame;
    int columnChanged, columnStep, ledgeStep;
    int heroStopLow, partnerStopLow;
    int ringGateA, ringGateB;
    unsigned t1, t2, t3, t4, t5, t6;
};
extern Stage8State g_Stage8;
void Stage8Script();

// Stage 9's events, for tests. count[k] is event k's tick counter (1..13),
// landing[k] the landing counter of push event k.
struct Stage9State {
    int count[14];
    int landing[14];
    int col13Frame, obstacleIdleFrame, obstacleState, obstacleStep;
    int faller1State, faller1Frame, faller2State, faller2Frame;
    int ringGateA, ringGateB;
    unsigned t1, t2, t3, t4, t5;
};
extern Stage9State g_Stage9;
void Stage9Script();

// Stage 5's events, for tests: one counter per event (the partner's greens
// at the left flame's base and on the plant share one), one splash counter
// per event that drops a block.
struct Stage5State {
    int site3Red, site4Red, site3Green, site4Green, site1Green, site2Green, partnerGreen, site6Green;
    int site1Red, site2Red, site5Red, site6Red, site7HeroRed, site7PartnerRed, site7HeroGreen;
    int flame1State, flame2State;  // 0 burning, 1 going out or put out by a block, 2 blown out
    int flame1Step, flame2Step, flame1Frame, flame2Frame, goalFrame;
    int faller1State, faller1Dropped, faller1Frame, faller2State, faller2Frame;
    int heroStopLow, partnerStopLow, heroFellLeft, heroWasLow;
    int spawnGateA, spawnGateB;
    int site1Splash, site2Splash, site5Splash, site6Splash, site7PartnerSplash, site7HeroSplash;
    unsigned goalStepTime, flame1StepTime, flame2StepTime, effectTime, pushTime1, pushTime2;
};
extern Stage5State g_Stage5;
void Stage5Script();
