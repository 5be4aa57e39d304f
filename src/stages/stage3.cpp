// Stage 3 teaches the green paint: wind blows a flickering block away and
// pushes the loose blocks along their shelves, two pixels at a time, until
// they drop. The walkers ride down on the blocks and meet on the bottom-left
// shelf beside the goal column; water fills the bottom of the screen.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 3's events: one tick counter per event, by number.
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
Stage3State s_State;

constexpr int kStage = 3;

// A shelf piece that shows in cell (8,8) without being part of the map.
const Quad kLooseChip = MakeQuad(256, 256, 288, 288, 0.4375f, 0.0f, 0.5f, 0.0625f);

Faller& Faller1() { return g_Fallers[3][0]; }
Faller& Faller2() { return g_Fallers[3][1]; }
Faller& Faller3() { return g_Fallers[3][2]; }

// One push of a faller towards its limit, at most every 25 ms; here the
// clock waits while the faller is past its limit.
void Push(Faller& f, float step, float limit, unsigned& pushTime, int n, int soundAt) {
    if (step > 0 ? f.x <= limit : f.x >= limit) PushFaller(f, pushTime, step, true, n, soundAt);
}

// The push is over once the faller has landed with its bottom at `land` and
// its sand has settled, or (Reached) once it stands where it should.
bool Reached(const EventCtx& c, bool there) { return FinishIf(c, there, kRewindSand); }
bool Landed(const EventCtx& c, const Faller& f, float land, int& splash, int limit) {
    return f.y + 32 == land && Reached(c, Splash(splash, limit, f));
}

constexpr CellLoop kGoalColumn = {7, 0, kTownSkyGoal, kTownSkyGoal + kChipBelow, 4, 250};
constexpr CellLoop kObstacle = {3, 10, kTownRockFire, kTownRockFire + kChipBelow, 3, 250};
constexpr Obstacle kBlownAway = {kStage, 3, 10, kTownRockFireLow, kTownRockFireOut, 150, 30};

// Event 1: the hero blows away the flickering block at the long shelf's end.
void BlowObstacle(const EventCtx& c) {
    BlowAway(c, kBlownAway, s_State.obstacleState, s_State.burnStep, s_State.burnStepTime);
}

// The pushes along the shelves, by event: which faller (1 or 2), its push
// clock, the step and the limit it is pushed to from tick `from` with the
// scrape on tick soundAt. A push ends once the faller lands with its bottom
// at `land` (its sand counted on `splash` up to `settle`) or, where land is
// 0, once its x is `at`; such a push clears `splash` for the drop that
// follows it. The faller's state is `next` then.
struct Shove {
    int faller;
    unsigned Stage3State::*clock;
    int Stage3State::*splash;
    float step, limit;
    int from, soundAt;
    float land;
    int settle;
    float at;
    int next;
};
constexpr Shove kShoves[kStage3Events + 1] = {
    {},
    {},
    // 2: the hero blows faller 1 off the top-left shelf onto the long one;
    // 3: walking back left, to the long shelf's end; 4: off it onto the
    // bottom-left shelf.
    {1, &Stage3State::pushTime1, &Stage3State::splashCount1, 2, 160, 0, 25, 128, 30, 0, 1},
    {1, &Stage3State::pushTime1, &Stage3State::splashCount1, -2, 128, 31, 35, 0, 0, 128, 2},
    {1, &Stage3State::pushTime1, &Stage3State::splashCount1, -2, 96, 0, 25, 256, 20, 0, 3},
    // 5: the hero blows faller 2 one block further along the middle shelf.
    {2, &Stage3State::pushTime1, nullptr, 2, 512, 0, 15, 0, 0, 512, 2},
    {},
    {},
    // 8: the partner blows faller 2 off the top-right shelf; 9 to 11: right
    // along the middle shelf, one step each.
    {2, &Stage3State::pushTime2, &Stage3State::splashCount2, -2, 480, 0, 25, 192, 20, 0, 1},
    {2, &Stage3State::pushTime2, nullptr, 2, 512, 31, 35, 0, 0, 512, 2},
    {2, &Stage3State::pushTime2, nullptr, 2, 544, 31, 35, 0, 0, 544, 3},
    {2, &Stage3State::pushTime2, nullptr, 2, 576, 31, 35, 0, 0, 576, 4},
};

void ShoveFaller(const EventCtx& c) {
    Stage3State& s = s_State;
    const Shove& r = kShoves[c.event];
    Faller& f = r.faller == 1 ? Faller1() : Faller2();
    int& state = r.faller == 1 ? s.faller1State : s.faller2State;
    if (r.land == 0 && r.splash) s.*r.splash = 0;
    if (c.n >= r.from) Push(f, r.step, r.limit, s.*r.clock, c.n, r.soundAt);
    if (r.land > 0 ? Landed(c, f, r.land, s.*r.splash, r.settle) : Reached(c, f.x == r.at)) state = r.next;
}

// Events 6 and 7: the wide faller 3 goes off the middle shelf onto the small
// ledge; the partner's wind is half as strong as the hero's.
void Faller3Down(const EventCtx& c) {
    Stage3State& s = s_State;
    Faller& f = Faller3();
    if (c.who == kHero)
        Push(f, -2, 288, s.pushTime3, c.n, 25);
    else
        PushFaller(f, s.pushTime3, -1, f.x >= 288, c.n, 25);
    if (Reached(c, f.y + 32 == 288)) s.faller3State = 1;
}

bool ObstacleStanding() { return s_State.obstacleState <= 1; }
template <int kState>
bool Faller1In() { return s_State.faller1State == kState; }
template <int kState>
bool Faller2In() { return s_State.faller2State == kState; }
bool Faller3Up() { return s_State.faller3State == 0; }

constexpr Gesture kWindRightSoon = {.kind = kWind, .bigAfter = 10};
constexpr PaintColour G = kPaintGreen;
constexpr float kAny = kAnyY, kLow = kLowestY;

// The eleven events, in the order they are tried every tick.
const EventRow kEvents[kStage3Events + 1] = {
    {},
    {kHero, G, 0, 288, kAny, kLow, &kWindRight, 71, ObstacleStanding, BlowObstacle},
    {kHero, G, 0, 95, 0, 0, &kWindRight, 31, Faller1In<0>, ShoveFaller},
    {kHero, G, 1, 195, 96, 96, &kWindLeft, 51, Faller1In<1>, ShoveFaller},
    {kHero, G, 1, 161, 96, 96, &kWindLeft, 31, Faller1In<2>, ShoveFaller},
    {kHero, G, 0, 446, 160, 160, &kWindRightSoon, 31, Faller2In<1>, ShoveFaller},
    {kHero, G, 1, 385, 160, 160, &kWindLeft, 31, Faller3Up, Faller3Down},
    {kPartner, G, 1, 385, 160, 160, &kWindLeft, 31, Faller3Up, Faller3Down},
    {kPartner, G, 1, 545, 32, 32, &kWindLeft, 31, Faller2In<0>, ShoveFaller},
    {kPartner, G, 0, 445, 160, 160, &kWindRight, 51, Faller2In<1>, ShoveFaller},
    {kPartner, G, 0, 479, 160, 160, &kWindRight, 51, Faller2In<2>, ShoveFaller},
    {kPartner, G, 0, 511, 160, 160, &kWindRight, 51, Faller2In<3>, ShoveFaller},
};

// Wind has no twinkles: their clock is never read.
const EventTable kTable = EventsOf(kEvents, s_State, nullptr, s_State.goalStepTime);

bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

bool OverlapsAcross(const Walker& w, const Faller& f) { return w.x + 32 >= f.x && f.x + 32 >= w.x; }

void WalkerRules() {
    Stage3State& s = s_State;
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    const Faller& f3 = Faller3();

    // The blocks turn walkers that meet them at the same height; the wide
    // one turns them 14 pixels inside its picture.
    TurnAtFaller(h, f1);
    TurnAtFaller(h, f2, kMeetLeft);
    TurnAtFaller(h, f3, kMeetRight, 50);
    TurnAtFaller(p, f2);
    TurnAtFaller(p, f3, kMeetRight, 50);

    // Walkers ride on a block whose top is level with their feet.
    const bool heroOnF1 = InRange(f1.y, h.y, h.y + 16) && OverlapsAcross(h, f1);
    const bool heroOnF3 = InRange(h.y + 32, f3.y - 10, f3.y + 64) && h.x + 32 >= f3.x && h.x <= f3.x + 54;
    h.gravityOff = heroOnF1 || heroOnF3 ? 1 : 0;
    const bool partnerOnF2 = InRange(f2.y, p.y, p.y + 16) && OverlapsAcross(p, f2);
    const bool partnerOnF3 = InRange(p.y + 32, f3.y - 10, f3.y + 64) && p.x + 32 >= f3.x && p.x <= f3.x + 64;
    p.gravityOff = partnerOnF2 || partnerOnF3 ? 1 : 0;

    // The hero waits under faller 2 while it drops past him.
    if (InRange(h.x + 32, 352, 512) && InRange(f2.y + 32, 96, 159) && f2.y + 32 < 150) h.halted = 1;

    // Faller 1 lying on the bottom-left shelf pins the hero there for good.
    if (s.faller1State == 3 && h.y + 32 >= 235 && InRange(h.x, 64, 128)) {
        StopLow(h, g_HeroQuad, g_HeroColumnU);
    }

    const bool heroHome = h.x >= 32 && h.x + 32 <= 64 && h.y >= 224 && h.y + 32 <= 256;
    const bool partnerHome = p.x >= 64 && p.x + 32 <= 96 && p.y >= 224 && p.y + 32 <= 256;
    if (h.y >= 200) s.heroWasLow = 1;
    MeetAtGoal(heroHome, partnerHome, false, s.heroWasLow == 1);
}

void Stage3Init() {
    for (int n = 0; n < 3; ++n) SetQuadColour(g_Fallers[3][n].quad, 0xFFFFFFFFu);
    g_WaveStripQuad = MakeQuad(0, 262, 640, 390, 0.0f, 0.0f, 1.0f, 0.25f);
    ResetMeeting();
    s_State.splashCount1 = 0;
    s_State.splashCount2 = 0;
}

void Stage3DrawObjects() {
    DrawQuad(kSlotChips, kLooseChip);
    DrawStageFallers(3);
}

void Stage3Script() {
    Stage3State& s = s_State;
    NewTry(s, kRewindSpark | kRewindColumn2 | kRewindBig, false);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalStepTime},
             {kObstacle, s.obstacleFrame, s.obstacleStepTime, s.obstacleState != 0}},
            kTable, WalkerRules);
}

void RelateFacts(Stage3Facts& f, bool toFacts) {
    Relate(f.obstacleState, s_State.obstacleState, toFacts);
    Relate(f.faller1State, s_State.faller1State, toFacts);
    Relate(f.faller2State, s_State.faller2State, toFacts);
    Relate(f.faller3State, s_State.faller3State, toFacts);
    Relate(f.splashCount1, s_State.splashCount1, toFacts);
    Relate(f.heroWasLow, s_State.heroWasLow, toFacts);
}

}  // namespace

const StageScript kStage3Script = {Stage3Init, Stage3DrawObjects, Stage3Script};

const EventTable* const kStage3EventTable = &kTable;

Stage3Facts Stage3Now() { return FactsOf(RelateFacts); }
void Stage3Arrange(void (*change)(Stage3Facts&)) { ChangeFacts(RelateFacts, change); }
