// Stage 1 teaches the red paint: a post, a block and a flame give way to a
// hero who arrives in front of them wearing fire. Burning the flame's
// surroundings drops the partner's ledge; the falling block puts the flame out.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 1's events: one tick counter per event (1 the post, 2
// the block, 3 the flame).
constexpr int kStage1Events = 3;
struct Stage1State : EventState<kStage1Events> {
    int blockFrame;
    unsigned blockStepTime;
    int flameFrame;
    unsigned flameStepTime;
    int flameOut, ledgeGone;
};
Stage1State s_State;

constexpr int kStage = 1;

SprayParticle s_BlockSteam[10];
SprayParticle s_Fire[20];
SprayParticle s_FlameSteam[10];

Faller& Block() { return g_Fallers[kStage][0]; }

constexpr CellLoop kFlame = {7, 16, kMeadowFire, kMeadowFire + kChipBelow, 3, 250};

// Event 1: the post burns away on the fire's 17th tick.
void BurnPost(const EventCtx& c) {
    if (c.n == 17) SetCells(kStage, {{4, 6, 0}, {5, 6, 0}, {6, 6, kMeadowGround}});
    if (c.n == 50) Finish(c);
}

// Event 2: the block chars in four pictures, 100 ms apart, then leaves a
// floor behind; the hero keeps his walking pose while it steams.
void CharBlock(const EventCtx& c) {
    Stage1State& s = s_State;
    if (c.n < 20 || c.n >= 50) return;
    if (c.n == 30) PlayEffect(kSoundSteam);
    UpdateSpray(s_BlockSteam, 10, DrawGlowDot, 0, 0.5f, 9, c.a.w.x + 16, c.a.w.y, 50, 50);
    BurnAway(c, kStage, {6, 11, kMeadowHayBale, kMeadowScorched}, s.blockFrame, s.blockStepTime, 100);
    c.a.pose = 0;
}

// Event 3: the fire takes the partner's ledge; the block drops on the flame
// and puts it out in a cloud of steam. Both counters start again.
void BurnLedge(const EventCtx& c) {
    Stage1State& s = s_State;
    if (c.n >= 20 && c.n <= 30) UpdateSpray(s_Fire, 20, DrawFireEffect, 1, 0, 2, 480, 128, 100, 50);
    if (c.n < 30) return;
    if (s.ledgeGone == 0) {
        for (int col = 15; col <= 19; ++col) SetCell(kStage, 5, col, 0);
        s.ledgeGone = 1;
        return;
    }
    Faller& b = Block();
    if (b.y + 32 >= 200) {
        if (c.n == 50) PlayEffect(kSoundSteam);
        UpdateSpray(s_FlameSteam, 10, DrawGlowDot, 0, 0.5f, 9, b.x - 24, b.y + 16, 50, 50);
    }
    if (c.n < 85) return;
    SetQuadColour(b.quad, 0x00FFFFFFu);
    SetCells(kStage, {{7, 16, 0}, {8, 16, kMeadowGround}});
    s.flameOut = 1;
    s.eventTicks[2] = 0;
    c.n = 0;
    Finish(c);
}

// Each throw rings twice; the block's and the flame's columns are brighter.
constexpr Gesture kPostFire = {.kind = kFire, .ringBFrom = 15, .rings = 2};
constexpr Gesture kBlockFire = {.kind = kFire, .columnX = 16, .bigX = 48, .columnAlpha = 100, .ringAX = 64,
                                .ringBX = 64, .ringBFrom = 15, .rings = 2};
constexpr Gesture kFlameFire = {.kind = kFire, .sparkFrom = 1, .columnTo = 21, .columnAlpha = 100,
                                .ringBFrom = 15, .rings = 2};
constexpr PaintColour R = kPaintRed;
constexpr float kAny = kAnyY, kLow = kLowestY;

const EventRow kEvents[kStage1Events + 1] = {
    {},
    {kHero, R, 0, 160, kAny, kLow, &kPostFire, 70, nullptr, BurnPost},
    {kHero, R, 0, 320, kAny, kLow, &kBlockFire, 71, nullptr, CharBlock},
    {kHero, R, 0, 480, kAny, kLow, &kFlameFire, 90, nullptr, BurnLedge},
};

// Fire has no twinkles: their clock is never read.
const EventTable kTable = EventsOf(kEvents, s_State, nullptr, s_State.flameStepTime, true);

void WinTest() {
    if (g_Partner.x == g_Hero.x + 32) {
        g_Hero.halted = 1;
        g_TimerPaused = 1;
        g_StageCleared = 1;
    }
}

void Stage1Init() { SetQuadColour(Block().quad, 0xFFFFFFFFu); }

void Stage1DrawObjects() { DrawStageFallers(kStage); }

void Stage1Script() {
    Stage1State& s = s_State;
    if (NewTry(s, kRewindSpark | kRewindColumn | kRewindBig, true)) {
        ClearSprays(s_BlockSteam, 10);
        ClearSprays(s_FlameSteam, 10);
        ClearSprays(s_Fire, 20);
    }
    // Here the rings age once more before every step of the tick.
    UpdateRingBursts(0, 0, 0);
    RunEvent(kTable, 1);
    UpdateRingBursts(0, 0, 0);
    RunEvent(kTable, 2);
    UpdateRingBursts(0, 0, 0);
    AnimateLoop(kStage, kFlame, s.flameFrame, s.flameStepTime, s.flameOut != 0);
    UpdateRingBursts(0, 0, 0);
    RunEvent(kTable, 3);
    UpdateRingBursts(0, 0, 0);
    WinTest();
}

void RelateFacts(Stage1Facts& f, bool toFacts) {
    Relate(f.blockFrame, s_State.blockFrame, toFacts);
    Relate(f.flameOut, s_State.flameOut, toFacts);
    Relate(f.ledgeGone, s_State.ledgeGone, toFacts);
}

}  // namespace

const StageScript kStage1Script = {Stage1Init, Stage1DrawObjects, Stage1Script};

const EventTable* const kStage1EventTable = &kTable;

Stage1Facts Stage1Now() { return FactsOf(RelateFacts); }
void Stage1Arrange(void (*change)(Stage1Facts&)) { ChangeFacts(RelateFacts, change); }
