// Stage 9: one paint of each colour, and every event is the hero's. Water
// washes the obstacle on the top floor away at once, wind blows it off in two
// steps, fire does nothing to it. On the left, fire or water changes the first
// block so that he can pass it and wind pushes it down; water or wind pushes
// the second block off two floors in turn, fire only shakes it. The goal is
// the two walkers side by side in the pit beside the goal column.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/effects.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 9's events: tick and landing counters by event number.
constexpr int kStage9Events = 13;
struct Stage9State : EventState<kStage9Events> {
    int landingTicks[kStage9Events + 1];
    int goalFrame, obstacleFrame, obstacleState, obstacleStep;  // obstacle: 1 blown, 2 gone
    int faller1State, faller1Frame, faller2State, faller2Frame;
    // flickerTime also paces faller 1's pictures and its push; faller2Time
    // its shaking and pushes.
    unsigned goalTime, flickerTime, obstacleBlowTime, faller2Time, twinkleTime;
};
Stage9State s_State;

constexpr int kStage = 9;

// Twinkles of each water event (index = event); never rewound.
SprayParticle s_Twinkles[kStage9Events + 1][20];

Faller& Faller1() { return g_Fallers[kStage][0]; }
Faller& Faller2() { return g_Fallers[kStage][1]; }

constexpr CellLoop kGoalColumn = {8, 13, kTownNeonGoal, kTownNeonGoal + kChipBelow, 4, 250};
constexpr CellLoop kObstacle = {0, 11, kTownDrumFire, kTownDrumFire + kChipBelow, 3, 250};
constexpr Obstacle kBlownAway = {kStage, 0, 11, kTownDrumFireLow, kTownDrumGone, 150, 31};

// Faller 1 changes in five pictures (on the flicker's clock); true once they
// are shown, on every later 100-ms step too.
bool Faller1Pictures() {
    Stage9State& s = s_State;
    if (!Due(s.flickerTime, 100)) return false;
    if (s.faller1Frame >= 5) return true;
    const float u = 0.125f * float(s.faller1Frame);
    SetU(Faller1().quad, u, u + 0.125f);
    s.faller1Frame += 1;
    return false;
}

// A faller landed at height y thuds, raises sand for ten ticks, and the event
// ends on the twelfth tick there. True on the ticks it ends.
bool Landing(const Faller& f, float y, int& l) {
    if (f.y != y) return false;
    if (l == 0) PlayEffect(kSoundThud);
    if (l < 10) DrawSandEffect(f.x, f.y + 40, -1, 1);
    const bool ends = l > 10;
    CountUp(l, 30);
    return ends;
}

void SpentAfter30(const EventCtx& c) {
    if (c.n >= 30) Finish(c);
}

void WashObstacle(const EventCtx& c) {
    if (c.n <= 30) return;
    SetCells(kStage, {{0, 11, 0}, {1, 11, kTownDrumFireOut}});
    Finish(c);
    s_State.obstacleState = 2;
}

void BlowObstacle(const EventCtx& c) {
    // The flicker stops while the wind blows.
    BlowAway(c, kBlownAway, s_State.obstacleState, s_State.obstacleStep, s_State.obstacleBlowTime);
}

// Fire or water changes faller 1 (to state 1, or 2 from the right).
void ChangeFaller1(const EventCtx& c) {
    if (c.n < (c.gesture.kind == kFire ? 28 : 31) || !Faller1Pictures()) return;
    Finish(c);
    s_State.faller1State = c.event == 6 ? 2 : 1;
}

void PushFaller1(const EventCtx& c) {
    Stage9State& s = s_State;
    if (c.n <= 30) return;
    Faller& f = Faller1();
    PushFaller(f, s.flickerTime, -2, f.x >= 192, c.n, 35);
    if (FinishIf(c, Landing(f, 96, s.landingTicks[c.event]))) s.faller1State = 1;
}

// Fire only shakes faller 2 in seven pictures, then lets the hero go.
void ShakeFaller2(const EventCtx& c) { Shake(c, Faller2().quad, s_State.faller2Time, s_State.faller2Frame); }

// Water or wind pushes faller 2 off the left end of its floor, then off the
// right end of the next one; water waits for its gesture going left.
void PushFaller2(const EventCtx& c) {
    Stage9State& s = s_State;
    Faller& f = Faller2();
    const bool left = c.a.w.facing == 1;
    const bool water = c.gesture.kind == kWater;
    if (left && (!water || c.n > 30)) PushFaller(f, s.faller2Time, -2, f.x >= 64, c.n, water ? 35 : 25);
    if (!left) PushFaller(f, s.faller2Time, 2, f.x + 32 <= 128, c.n, 25);
    if (FinishIf(c, Landing(f, left ? 160 : 224, s.landingTicks[c.event])) && left) s.faller2State = 1;
}

bool Faller1Changed() { return s_State.faller1State == 1; }
bool Faller2AtStart() { return s_State.faller2State == 0; }
bool Faller2Down() { return s_State.faller2State == 1; }

// The short fire at faller 1.
constexpr Gesture kFireShort = {.kind = kFire, .sparkX = -64, .sparkFacing = 0, .columnX = -64, .bigX = -32,
                                .bigAfter = 18, .sparkTo = 10, .columnFrom = 10, .columnTo = 15,
                                .columnSoundAt = 12, .ringAX = -16, .ringBX = -16, .ringBFrom = 16, .ringBTo = 18};
constexpr Gesture kWaterObstacle = {.kind = kWater, .bigX = -32, .burstX = 16, .twinkleX = -16};
constexpr Gesture kWaterLeft = {.kind = kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                                .twinkleX = -32};
constexpr Gesture kWaterLeftShort = {.kind = kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                                     .twinkleX = -32, .twinkleTo = 30};
constexpr Gesture kWaterRight = {.kind = kWater, .twinkleX = -32};
constexpr Gesture kWaterRightFar = {.kind = kWater, .twinkleX = 32};
constexpr PaintColour R = kPaintRed, G = kPaintGreen, B = kPaintBlue;

// The thirteen events, in the order they are tried every tick.
const EventRow kEvents[kStage9Events + 1] = {
    {},
    {kHero, R, 0, 320, 0, 0, &kFireRight, 70, nullptr, SpentAfter30},
    {kHero, B, 0, 320, 0, 0, &kWaterObstacle, 70, nullptr, WashObstacle},
    {kHero, G, 0, 320, 0, 0, &kWindRight, 70, nullptr, BlowObstacle},
    {kHero, R, 1, 257, 0, 0, &kFireShort, 71, nullptr, ChangeFaller1},
    {kHero, B, 1, 257, 0, 0, &kWaterLeft, 70, nullptr, ChangeFaller1},
    {kHero, B, 0, 157, 96, 96, &kWaterRight, 70, Faller1Changed, ChangeFaller1},
    {kHero, G, 1, 257, 0, 0, &kWindLeft, 70, nullptr, PushFaller1},
    {kHero, R, 1, 129, 96, 96, &kFireLeft, 71, Faller2AtStart, ShakeFaller2},
    {kHero, R, 0, 29, 160, 160, &kFireRight, 71, Faller2Down, ShakeFaller2},
    {kHero, B, 1, 129, 96, 96, &kWaterLeftShort, 70, Faller2AtStart, PushFaller2},
    {kHero, B, 0, 29, 160, 160, &kWaterRightFar, 70, Faller2Down, PushFaller2},
    {kHero, G, 1, 129, 96, 96, &kWindLeft, 70, Faller2AtStart, PushFaller2},
    {kHero, G, 0, 29, 160, 160, &kWindRight, 70, Faller2Down, PushFaller2},
};

const EventTable kTable = EventsOf(kEvents, s_State, s_Twinkles, s_State.twinkleTime);

void Rules() {
    Stage9State& s = s_State;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    // Faller 1 at its start turns a hero coming from the right; once changed
    // or pushed down, one coming from the left; changed again, nobody.
    if (s.faller1State == 0) TurnAtFaller(g_Hero, f1, kMeetRight);
    if (s.faller1State == 1) TurnAtFaller(g_Hero, f1, kMeetLeft);
    TurnAtFaller(g_Hero, f2);
    // A hero coming down onto a block stays at its height until he is clear of it.
    g_Hero.gravityOff = (OnFaller(g_Hero, f1) || OnFaller(g_Hero, f2)) ? 1 : 0;

    // The hero comes down the partner's way on the right after her, passing
    // her place's x on the floors above: only a meeting on her row counts.
    MeetAtGoal(At(g_Hero, 384, 256), At(g_Partner, 352, 256), true, true, true);
}

void Stage9Init() {
    Faller& f1 = Faller1();
    SetU(f1.quad, 0, 0.125f);
    SetQuadColour(f1.quad, 0xFFFFFFFFu);
    ShowFaller(Faller2());
    ResetMeeting();
    s_State.eventTicks[1] = 0;
    s_State.eventTicks[2] = 0;
}

void Stage9DrawObjects() { DrawStageFallers(kStage); }

void Stage9Script() {
    Stage9State& s = s_State;
    // The goal column's and the twinkles' clocks run on across a reset.
    NewTry(s, kRewindSpark | kRewindBig | kRewindColumn2 | kRewindColumn, true, &Stage9State::goalTime,
           &Stage9State::twinkleTime);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalTime},
             {kObstacle, s.obstacleFrame, s.flickerTime, s.obstacleState != 0, true}},
            kTable, Rules);
}

void RelateFacts(Stage9Facts& f, bool toFacts) {
    Relate(f.obstacleState, s_State.obstacleState, toFacts);
    Relate(f.faller1State, s_State.faller1State, toFacts);
    Relate(f.faller1Frame, s_State.faller1Frame, toFacts);
    Relate(f.faller2State, s_State.faller2State, toFacts);
    Relate(f.faller2Frame, s_State.faller2Frame, toFacts);
    Relate(f.goalTime, s_State.goalTime, toFacts);
    Relate(f.faller2Landing, s_State.landingTicks[10], toFacts);
}

}  // namespace

const StageScript kStage9Script = {Stage9Init, Stage9DrawObjects, Stage9Script};

const EventTable* const kStage9EventTable = &kTable;

Stage9Facts Stage9Now() { return FactsOf(RelateFacts); }
void Stage9Arrange(void (*change)(Stage9Facts&)) { ChangeFacts(RelateFacts, change); }
