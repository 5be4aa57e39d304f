// Stage 5: two reds and two greens. Two flames guard the ends of the middle
// shelf and two blocks rest on burnable shelf ends above them. Red burns a
// shelf end away so that its block drops onto the flame below and puts it
// out; green blows a flame out or shoves a block off its ledge; red on a
// block that is already down only makes it glow. Both walkers meet on the
// floor at the left, beside the goal column. The left side is a trap: a
// walker that comes down there once the left flame is dealt with the wrong
// way sits down and stays.
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

// The state of stage 5's events: one tick counter per event, by number (some
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
Stage5State s_State;

constexpr int kStage = 5;

Faller& Faller1() { return g_Fallers[kStage][0]; }
Faller& Faller2() { return g_Fallers[kStage][1]; }

// Every picture but the sand rewinds when an event ends; after a landing the
// sand rewinds too.
void End(const EventCtx& c) { Finish(c, kRewindColumn | kRewindColumn2); }
void EndAfterSplash(const EventCtx& c) { Finish(c, kRewindColumn | kRewindColumn2 | kRewindSand); }

// A shove: from tick 31, every 25 ms, dx while the bound holds.
void Push(Faller& f, unsigned& pushTime, int n, float dx, bool boundHolds) {
    if (n >= 31) PushFaller(f, pushTime, dx, boundHolds, n);
}

struct FlameRefs {
    int& state;
    int& step;
    int& frame;
    unsigned& stepTime;
    int8_t col;
};
FlameRefs Flame(int f) {
    Stage5State& s = s_State;
    if (f == 0) return {s.flame1State, s.flame1Step, s.flame1Frame, s.flame1StepTime, 6};
    return {s.flame2State, s.flame2Step, s.flame2Frame, s.flame2StepTime, 13};
}

void FlameOut(const FlameRefs& fl) { SetCells(kStage, {{4, fl.col, 0}, {5, fl.col, kTownCoalsOut}}); }

constexpr CellLoop kGoalColumn = {8, 0, kTownLanternGoal, kTownLanternGoal + kChipBelow, 4, 250};
constexpr CellLoop kFlames[2] = {{4, 6, kTownCoals, kTownCoals + kChipBelow, 3, 250},
                                 {4, 13, kTownCoals, kTownCoals + kChipBelow, 3, 250}};

// Event 1: fire does nothing to the left flame; the event may run again.
void RedAtLeftFlame(const EventCtx& c) {
    if (c.n != 30) return;
    End(c);
    c.n = 0;
}

// Event 2: the shelf's left part above the right flame burns away and its
// block drops on the flame.
void BurnRightShelf(const EventCtx& c) {
    Stage5State& s = s_State;
    if (c.n < 30) return;
    SetCells(kStage, {{2, 13, 0}, {2, 14, 0}, {2, 15, 0}});
    const Faller& b = Faller2();
    if (b.y + 32 == 128) {
        s.flame2State = 1;
        FlameOut(Flame(1));
    }
    if (b.y + 32 == 160) {
        End(c);
        s.faller2State = 1;
    }
}

// Events 3 and 4: green stops the flicker at once and blows flame f out in
// two steps, 200 ms apart.
template <int kFlame>
void BlowFlame(const EventCtx& c) {
    Stage5State& s = s_State;
    const FlameRefs fl = Flame(kFlame);
    fl.state = 1;
    if (c.n <= 30 || !Due(s.effectTime, 200)) return;
    if (fl.step == 0) {
        SetCells(kStage, {{4, fl.col, kTownCoalsLow}, {5, fl.col, kTownCoalsLow + kChipBelow}});
        fl.step = 1;
        return;
    }
    FlameOut(fl);
    End(c);
    fl.state = 2;
    if (kFlame == 0)
        s.partnerStopLow = 1;
    else
        s.faller2State = 1;
}

// A green shove that blows a faller off its ledge: true once it has landed
// with its bottom at `land` and its sand has settled; the event has ended.
bool ShovedDown(const EventCtx& c, Faller& f, unsigned& timer, float dx, bool bound, float land, int& splash) {
    Push(f, timer, c.n, dx, bound);
    if (f.y + 32 != land || !Splash(splash, 20, f)) return false;
    EndAfterSplash(c);
    return true;
}

// Event 5: the hero blows faller 1 off the top-left shelf.
void Faller1OffTop(const EventCtx& c) {
    Stage5State& s = s_State;
    if (ShovedDown(c, Faller1(), s.pushTime1, 2, Faller1().x <= 224, 96, s.site1Splash)) s.faller1State = 1;
}

// Event 6: he blows it on, onto the left flame, which goes out, and down
// onto its base.
void Faller1OntoFlame(const EventCtx& c) {
    Stage5State& s = s_State;
    if (ShovedDown(c, Faller1(), s.pushTime1, -2, Faller1().x >= 192, 160, s.site2Splash)) {
        s.faller1State = 2;
        s.heroStopLow = 1;
    }
    if (Faller1().y + 32 == 128) {
        s.flame1State = 1;
        FlameOut(Flame(0));
    }
}

// Event 7: the partner blows faller 1 off the left flame's base.
void Faller1OffBase(const EventCtx& c) {
    Stage5State& s = s_State;
    if (!ShovedDown(c, Faller1(), s.pushTime1, -2, Faller1().x >= 160, 288, s.site5Splash)) return;
    s.faller1State = 3;
    s.partnerStopLow = 1;
}

// Event 8: the partner blows faller 2 off the right flame's base.
void Faller2OffBase(const EventCtx& c) {
    Stage5State& s = s_State;
    if (ShovedDown(c, Faller2(), s.pushTime2, 2, Faller2().x + 32 <= 480, 224, s.site6Splash)) s.faller2State = 2;
}

// Events 9 and 17: faller 2 is blown off the plant top down to the floor.
void Faller2OffPlant(const EventCtx& c) {
    Stage5State& s = s_State;
    int& splash = c.who == kHero ? s.site7HeroSplash : s.site7PartnerSplash;
    if (ShovedDown(c, Faller2(), s.pushTime2, -2, Faller2().x >= 416, 288, splash)) s.faller2State = 3;
}

// Event 10: the hero's fire glows faller 1 and burns its shelf end away; it
// lands on the left flame, which goes out, and drops onto its base.
void BurnFaller1Down(const EventCtx& c) {
    Stage5State& s = s_State;
    Faller& b = Faller1();
    if (c.n >= 20 && Due(s.pushTime1, 120)) {
        SetFallerV(b, kGlowV[s.faller1Frame]);
        if (s.faller1Frame == 3) SetCell(kStage, 1, 6, 0);
        if (s.faller1Frame < 6) s.faller1Frame += 1;
    }
    if (b.y + 32 != 128) return;
    FlameOut(Flame(0));
    End(c);
    s.faller1Dropped = 1;
    s.flame1State = 1;
    s.faller1State = 1;
    s.heroStopLow = 1;
    s.faller1Frame = 0;
}

// Red on a block that is already down: from tick kFrom it glows through its
// pictures, 150 ms apart; with kAgain the event may run once more.
template <int kFaller, int kFrom, bool kAgain = false>
void Glow(const EventCtx& c) {
    Stage5State& s = s_State;
    Faller& f = kFaller == 1 ? Faller1() : Faller2();
    unsigned& timer = kFaller == 1 ? s.pushTime1 : s.pushTime2;
    int& frame = kFaller == 1 ? s.faller1Frame : s.faller2Frame;
    if (Shake(c, f.quad, timer, frame, false, kFrom, kRewindColumn | kRewindColumn2) && kAgain) c.n = 0;
}

bool LeftFlameBurning() { return s_State.flame1State == 0; }
bool Faller2Up() { return s_State.faller2State == 0; }
bool LeftFlameFree() {
    const Stage5State& s = s_State;
    return s.flame1State <= 1 && s.faller1State < 2 && s.faller1Dropped == 0;
}
bool RightFlameFree() { return s_State.flame2State <= 1 && s_State.faller2State == 0; }
template <int kState>
bool Faller1In() { return s_State.faller1State == kState; }
template <int kState>
bool Faller2In() { return s_State.faller2State == kState; }
bool Faller1BlownOnBase() { return s_State.faller1State == 2 && s_State.faller1Dropped == 0; }
bool Faller1BurntOnBase() { return s_State.faller1State == 1 && s_State.faller1Dropped == 1; }

// Fire's second ring comes before its column.
constexpr Gesture kRedRight = {.kind = kFire, .ringsFirst = true};
constexpr Gesture kRedLeft = {.kind = kFire, .sparkX = -64, .sparkFacing = 0, .columnX = -64, .bigX = -32,
                              .ringAX = -16, .ringBX = -16, .ringsFirst = true};
// The partner's red on the tub-side block draws its big picture on itself.
constexpr Gesture kRedRightNear = {.kind = kFire, .bigX = 0, .ringsFirst = true};
constexpr PaintColour R = kPaintRed, G = kPaintGreen;
constexpr float kAny = kAnyY;
// Both partner greens at faller 1's and faller 2's lower places count on one
// counter, as do her reds on faller 1 however it came down.
constexpr uint8_t kPartnerGreen = 7, kPartnerRedOnFaller1 = 12;

// The events, in the order they are tried every tick. Sites: 1 the top-left
// shelf, 2 the upper middle shelf right of faller 1, 3 and 4 before the left
// and the right flame, 5 and 6 at their bases, 7 the plant top.
const EventRow kEvents[kStage5Events + 1] = {
    {},
    {kPartner, R, 1, 224, 128, 128, &kRedLeft, 40, LeftFlameBurning, RedAtLeftFlame},
    {kPartner, R, 0, 384, 128, 128, &kRedRight, 50, Faller2Up, BurnRightShelf},
    {kPartner, G, 1, 224, 128, kLowestY, &kWindLeft, 70, LeftFlameFree, BlowFlame<0>},
    {kPartner, G, 0, 384, 128, kLowestY, &kWindRight, 70, RightFlameFree, BlowFlame<1>},
    {kHero, G, 0, 159, kAny, 0, &kWindRight, 70, Faller1In<0>, Faller1OffTop},
    {kHero, G, 1, 259, 64, 64, &kWindLeft, 70, Faller1In<1>, Faller1OntoFlame},
    {kPartner, G, 1, 225, 128, kLowestY, &kWindLeft, 70, Faller1BurntOnBase, Faller1OffBase},
    {kPartner, G, 0, 383, 128, 128, &kWindRight, 70, Faller2In<1>, Faller2OffBase},
    {kPartner, G, 1, 483, 192, kLowestY, &kWindLeft, 70, Faller2In<2>, Faller2OffPlant, kPartnerGreen},
    {kHero, R, 0, 159, kAny, 0, &kRedRight, 70, Faller1In<0>, BurnFaller1Down},
    {kHero, R, 1, 259, 64, 64, &kRedLeft, 70, Faller1In<1>, Glow<1, 30, true>},
    {kPartner, R, 1, 225, 128, 128, &kRedLeft, 71, Faller1BlownOnBase, Glow<1, 30>},
    {kPartner, R, 1, 226, 128, 128, &kRedLeft, 71, Faller1BurntOnBase, Glow<1, 30>, kPartnerRedOnFaller1},
    {kPartner, R, 0, 383, 128, kLowestY, &kRedRightNear, 70, Faller2In<1>, Glow<2, 30>},
    {kHero, R, 1, 483, 192, kLowestY, &kRedLeft, 70, Faller2In<2>, Glow<2, 20>},
    {kPartner, R, 1, 483, 192, kLowestY, &kRedLeft, 70, Faller2In<2>, Glow<2, 30>},
    {kHero, G, 1, 483, 192, kLowestY, &kWindLeft, 70, Faller2In<2>, Faller2OffPlant},
};

// No water here: the twinkle clock is never read.
const EventTable kTable = EventsOf(kEvents, s_State, nullptr, s_State.goalStepTime);

void Rules() {
    Stage5State& s = s_State;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    TurnAtFaller(h, f1);
    TurnAtFaller(h, f2);
    TurnAtFaller(p, f1, kMeetRight);
    TurnAtFaller(p, f2);
    h.gravityOff = (OnFaller(h, f1) || OnFaller(h, f2)) ? 1 : 0;
    p.gravityOff = (OnFaller(p, f1) || OnFaller(p, f2)) ? 1 : 0;
    if (h.y + 32 >= 192 && h.y + 32 < 224 && h.x + 32 >= 128 && h.x <= 192) s.heroFellLeft = 1;
    if (s.heroStopLow == 1 && h.y + 32 == 288 && s.faller1State != 3 && s.heroFellLeft == 1)
        StopLow(h, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && p.y + 32 == 288 && s.faller1State != 3) StopLow(p, g_PartnerQuad, g_PartnerColumnU);
    if (s.heroStopLow == 1 && h.y + 16 >= f1.y && s.faller1State == 3) StopLow(h, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && p.y + 16 >= f1.y && s.faller1State == 3) StopLow(p, g_PartnerQuad, g_PartnerColumnU);

    if (h.y >= 200) s.heroWasLow = 1;
    MeetAtGoal(At(h, 32, 256), At(p, 64, 256), false, s.heroWasLow == 1);
}

void Stage5Init() {
    ShowFaller(Faller1());
    ShowFaller(Faller2());
    ResetMeeting();
}

void Stage5DrawObjects() { DrawStageFallers(5); }

void Stage5Script() {
    Stage5State& s = s_State;
    NewTry(s, kRewindColumn | kRewindSpark | kRewindBig | kRewindColumn2, true);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalStepTime},
             {kFlames[0], s.flame1Frame, s.flame1StepTime, s.flame1State != 0},
             {kFlames[1], s.flame2Frame, s.flame2StepTime, s.flame2State != 0}},
            kTable, Rules);
}

void RelateFacts(Stage5Facts& f, bool toFacts) {
    Relate(f.flame1State, s_State.flame1State, toFacts);
    Relate(f.flame2State, s_State.flame2State, toFacts);
    Relate(f.faller1State, s_State.faller1State, toFacts);
    Relate(f.faller1Dropped, s_State.faller1Dropped, toFacts);
    Relate(f.faller1Frame, s_State.faller1Frame, toFacts);
    Relate(f.faller2State, s_State.faller2State, toFacts);
    Relate(f.faller2Frame, s_State.faller2Frame, toFacts);
    Relate(f.heroStopLow, s_State.heroStopLow, toFacts);
    Relate(f.partnerStopLow, s_State.partnerStopLow, toFacts);
    Relate(f.heroFellLeft, s_State.heroFellLeft, toFacts);
}

}  // namespace

const StageScript kStage5Script = {Stage5Init, Stage5DrawObjects, Stage5Script};

const EventTable* const kStage5EventTable = &kTable;

Stage5Facts Stage5Now() { return FactsOf(RelateFacts); }
void Stage5Arrange(void (*change)(Stage5Facts&)) { ChangeFacts(RelateFacts, change); }
