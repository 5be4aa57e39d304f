// Stage 2 teaches the blue paint and lets the partner walk. Water puts out a
// block on the top shelf and a flickering block on the partner's shelf,
// makes a plant grow so the hero does not land on its thorns, and washes a
// loose block off the middle shelf into the gap. Both walkers then meet at
// the right end of the bottom floor.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 2's events: one tick counter and twinkle clock per event
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
Stage2State s_State;

constexpr int kStage = 2;

// One twinkle spray and clock per event, by event number.
SprayParticle s_Twinkles[kStage2Events + 1][20];

Faller& Block() { return g_Fallers[kStage][0]; }

bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

constexpr CellLoop kGoalColumn = {8, 19, kGladeGoal, kGladeGoal + kChipBelow, 4, 250};
constexpr CellLoop kFlicker = {6, 5, kGladeFire, kGladeFire + kChipBelow, 3, 250};

// Event 1: the 2x2 block on the top shelf shrinks in four pictures, 150 ms
// apart, and leaves shelf behind.
void ShrinkTopBlock(const EventCtx& c) {
    Stage2State& s = s_State;
    if (c.n < 15 || c.n > 70) return;
    BurnAway(c, kStage, {2, 6, kGladeBonfire, kGladeGround}, s.topFrame, s.topStepTime, 150);
    c.a.pose = 0;
}

// Event 2: the plant on the middle shelf grows a step every 100 ms.
void GrowPlant(const EventCtx& c) {
    Stage2State& s = s_State;
    if (c.n < 20) return;
    if (Due(s.plantStepTime, 100)) {
        static const Plant kSteps[5] = {
            {kGladePlant, 2}, {kGladePlant2, 2}, {kGladePlant3, 3}, {kGladePlant4, 3}, {kGladePlant5, 3}};
        SetPlant(kStage, 7, 9, kSteps[s.plantFrame]);
        if (s.plantFrame < 4) {
            s.plantFrame += 1;
        } else {
            s.plantFrame = 5;
            Finish(c);
        }
    }
    c.a.pose = 0;
}

// Event 3: the flickering block at the left of the middle shelf goes out;
// the partner then walks down to the bottom floor.
void PutOutFlicker(const EventCtx& c) {
    s_State.flickerOut = 1;
    if (c.n < 35) return;
    SetCells(kStage, {{6, 5, 0}, {7, 5, kGladeAshes}});
    Finish(c);
}

// Event 4: the loose block is washed off the end of the middle shelf, 2
// pixels every 25 ms, into the gap.
void WashBlockOff(const EventCtx& c) {
    Stage2State& s = s_State;
    Faller& b = Block();
    if (Due(s.topStepTime, 25) && b.x <= 480) b.x += 2;
    if (b.y + 32 == 288 && Splash(s.splashCount, 30, b, 0)) Finish(c, kRewindSand);
}

bool PlantCanGrow() { return s_State.heroCaught == 0 && s_State.plantFrame <= 4; }

// Thrown to the right, a soft spark under a bright one, the splash before
// the big burst.
constexpr Gesture kWaterTop = {.kind = kWater, .bigX = 48, .twinkleY = -16, .twinkleTo = 41, .soundFirst = true,
                               .brightFirst = true};
constexpr Gesture kWaterPlant = {.kind = kWater, .soundFirst = true, .brightFirst = true};
constexpr Gesture kWaterFlicker = {.kind = kWater, .sparkX = -64, .bigX = -32, .burstX = -12, .twinkleX = -64,
                                   .twinkleY = -8, .soundFirst = true, .brightFirst = true};
constexpr Gesture kWaterBlock = {.kind = kWater, .twinkleY = -16, .twinkleTo = 41, .soundFirst = true,
                                 .brightFirst = true};
constexpr PaintColour B = kPaintBlue;
constexpr float kAny = kAnyY, kLow = kLowestY;

const EventRow kEvents[kStage2Events + 1] = {
    {},
    {kHero, B, 0, 160, kAny, kLow, &kWaterTop, 70, nullptr, ShrinkTopBlock},
    {kPartner, B, 0, 272, 160, kLow, &kWaterPlant, 70, PlantCanGrow, GrowPlant},
    {kPartner, B, 1, 192, kAny, kLow, &kWaterFlicker, 42, nullptr, PutOutFlicker},
    {kHero, B, 0, 415, 192, 192, &kWaterBlock, 50, nullptr, WashBlockOff},
};

const EventTable kTable =
    EventsOf(kEvents, s_State, s_Twinkles, s_State.twinkleTimes[0], false, s_State.twinkleTimes);

void WalkerRules() {
    Stage2State& s = s_State;
    Faller& b = Block();
    // The hero dropping from the top shelf over the plant: an ungrown plant
    // catches him on its thorns for good.
    if (InRange(g_Hero.x, 256, 320) && InRange(g_Hero.y, 96, 128)) s.heroDropped = 1;
    if (InRange(g_Hero.x, 256, 320) && g_Hero.y + 32 == 192 && s.heroDropped == 1) {
        g_Hero.halted = 1;
        s.heroCaught = 1;
    }
    if (s.heroCaught == 1) SetQuadUV(g_HeroQuad, g_HeroColumnU, 0.625f, g_HeroColumnU + 0.125f, 0.6875f);

    // Narrow boxes near the plant: the partner can step into its columns to
    // water it, the hero can walk back through it.
    const bool middleRow = InRange(g_Partner.y, 192, 224);
    g_Partner.collisionMode = InRange(g_Partner.x, 256, 352) && middleRow ? 1 : 0;
    g_Hero.collisionMode = InRange(g_Hero.x, 256, 418) && InRange(g_Hero.y, 192, 224) ? 1 : 0;

    // The block turns walkers that walk into it from the left.
    TurnAtFaller(g_Hero, b, kMeetLeft);
    TurnAtFaller(g_Partner, b, kMeetLeft);

    // The hero floats over the washed-off block while its top is level.
    g_Hero.gravityOff =
        InRange(b.y, g_Hero.y, g_Hero.y + 16) && g_Hero.x + 32 >= b.x && b.x + 32 >= g_Hero.x ? 1 : 0;

    MeetAtGoal(At(g_Hero, 576, 256), At(g_Partner, 544, 256), true);
}

void Stage2Init() {
    SetFallerV(Block(), 0);
    ResetMeeting();
    s_State.eventTicks[4] = 0;
    s_State.splashCount = 0;
}

void Stage2DrawObjects() { DrawStageFallers(kStage); }

void Stage2Script() {
    Stage2State& s = s_State;
    if (NewTry(s, kRewindSpark | kRewindBig | kRewindSand, false))
        for (auto& t : s_Twinkles) ClearSprays(t, 20);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalStepTime},
             {kFlicker, s.flickerFrame, s.flickerStepTime, s.flickerOut != 0}},
            kTable, WalkerRules);
}

void RelateFacts(Stage2Facts& f, bool toFacts) {
    Relate(f.topFrame, s_State.topFrame, toFacts);
    Relate(f.plantFrame, s_State.plantFrame, toFacts);
    Relate(f.flickerOut, s_State.flickerOut, toFacts);
    Relate(f.heroDropped, s_State.heroDropped, toFacts);
    Relate(f.heroCaught, s_State.heroCaught, toFacts);
}

}  // namespace

const StageScript kStage2Script = {Stage2Init, Stage2DrawObjects, Stage2Script};

const EventTable* const kStage2EventTable = &kTable;

Stage2Facts Stage2Now() { return FactsOf(RelateFacts); }
