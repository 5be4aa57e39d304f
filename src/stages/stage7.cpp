// Stage 7 gives one paint of each colour. The hero's wind or water shoves the
// block on the top floor onto a ledge; his fire then burns the ledge so the
// block drops onto the flickering stone and smashes it, while his wind or
// water clears the stone directly. Wind or water at the partner's block
// pushes it off its floor; fire only makes a block shake. The partner's wind
// or fire clears the tall rock. Standing on the flickering stone traps a
// walker for good.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 7's events: one tick counter per event, by number.
constexpr int kStage7Events = 14;
struct Stage7State : EventState<kStage7Events> {
    int goalFrame, stoneFrame, stoneState, stoneStep;  // stone: 0 flickers, 1 going, 2 gone
    int blockState, blockFrame;  // block: 1 on the ledge, 2 dropped through the stone
    int partnerBlockMoved, partnerBlockFrame;
    int heroStopLow, heroTrapTicks, partnerTrapTicks;
    // flickerTime: the stone's; blockTime also paces its shaking.
    unsigned goalTime, flickerTime, stoneBlowTime, blockTime, partnerBlockTime, twinkleTime;
};
Stage7State s_State;

constexpr int kStage = 7;
constexpr PaintColour kTrapped = 4;  // no event starts with it; no brush paints over it

// Twinkles of the water events, by event number, and the trapped walkers'
// glow; like every spray they are never rewound.
SprayParticle s_Twinkles[kStage7Events + 1][20];
SprayParticle s_TrapHero[20], s_TrapPartner[20];

Faller& Block() { return g_Fallers[kStage][0]; }         // faller 1, top floor
Faller& PartnerBlock() { return g_Fallers[kStage][1]; }  // faller 2, partner's floor

constexpr CellLoop kGoalColumn = {8, 0, kTownSkyGoal, kTownSkyGoal + kChipBelow, 4, 250};
constexpr CellLoop kStone = {4, 12, kTownRockFire, kTownRockFire + kChipBelow, 3, 250};
constexpr Obstacle kBlownAway = {kStage, 4, 12, kTownRockFireLow, kTownRockFireOut, 200, 31};

void StoneGone() { SetCells(kStage, {{4, 12, 0}, {5, 12, kTownRockFireOut}}); }

// Event 1: wind blows the flickering stone away in two 200 ms steps.
void BlowStoneAway(const EventCtx& c) {
    BlowAway(c, kBlownAway, s_State.stoneState, s_State.stoneStep, s_State.stoneBlowTime);
}

// Event 2: fire burns the ledge; the block on it falls through the stone.
void BurnLedge(const EventCtx& c) {
    Stage7State& s = s_State;
    if (c.n >= 30) SetCell(kStage, 2, 12, 0);
    if (Block().y < 96) return;
    s.stoneState = 1;
    StoneGone();
    if (Block().y >= 128) {
        Finish(c);
        g_Hero.facing = 0;
        s.stoneState = 2;
        s.blockState = 2;
    }
}

void WashStoneAway(const EventCtx& c) {
    if (c.n <= 30) return;
    StoneGone();
    Finish(c);
    s_State.stoneState = 2;
}

void PushBlockOntoLedge(const EventCtx& c) {
    Stage7State& s = s_State;
    if (c.n <= 30) return;
    PushFaller(Block(), s.blockTime, 2, Block().x <= 384, c.n);
    if (Block().y == 32) {
        Finish(c);
        s.heroStopLow = 0;
        s.blockState = 1;
    }
}

void ShakeBlock(const EventCtx& c) { Shake(c, Block().quad, s_State.blockTime, s_State.blockFrame, true); }

void PushPartnerBlock(const EventCtx& c) {
    Stage7State& s = s_State;
    if (c.n <= 30) return;
    PushFaller(PartnerBlock(), s.partnerBlockTime, -2, PartnerBlock().x >= 65, c.n);
    if (PartnerBlock().y == 160) {
        Finish(c, c.event == 10 ? kRewindColumn : 0);
        s.partnerBlockMoved = 1;
    }
}

void ShakePartnerBlock(const EventCtx& c) {
    Shake(c, PartnerBlock().quad, s_State.partnerBlockTime, s_State.partnerBlockFrame, false);
}

// Events 13 and 14: the tall rock goes; two floor cells stay on the
// partner's floor and the top floor has a gap.
void ClearTallRock(const EventCtx& c) {
    if (c.gesture.kind == kWind ? c.n <= 50 : c.n < 50) return;
    SetCells(kStage, {{1, 6, 0}, {1, 7, 0}, {2, 6, 0}, {2, 7, 0}, {3, 6, kTownRock}, {3, 7, kTownRock}});
    Finish(c);
}

bool StoneStanding() { return s_State.stoneState <= 1; }
bool StoneStandingPartnerClean() { return s_State.stoneState <= 1 && g_PartnerPaint == 0; }
bool BlockAtStart() { return s_State.blockState == 0; }
bool PartnerBlockInPlace() { return s_State.partnerBlockMoved == 0; }

// Water thrown left rains its twinkles from (twinkleX, twinkleY); thrown
// right they fall faster and fade sooner.
constexpr Gesture WaterLeft(float twinkleX, float twinkleY) {
    return {.kind = kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0, .twinkleX = twinkleX,
            .twinkleY = twinkleY};
}
constexpr Gesture kWaterAtStone = WaterLeft(-32, -32);
constexpr Gesture kWaterAtBlock = WaterLeft(-32, 0);
constexpr Gesture kWaterRight = {.kind = kWater, .twinkleX = 48, .twinkleY = -16, .twinkleFall = 0.5f,
                                 .twinkleFade = 5};
constexpr PaintColour R = kPaintRed, G = kPaintGreen, B = kPaintBlue;
constexpr float kAny = kAnyY;

// The fourteen events, in the order they are tried every tick.
const EventRow kEvents[kStage7Events + 1] = {
    {},
    {kHero, G, 1, 416, 128, 128, &kWindLeft, 70, StoneStanding, BlowStoneAway},
    {kHero, R, 1, 417, 128, 128, &kFireLeft, 71, StoneStandingPartnerClean, BurnLedge},
    {kHero, B, 1, 416, 128, 128, &kWaterAtStone, 70, nullptr, WashStoneAway},
    {kHero, G, 0, 319, 0, 0, &kWindRight, 70, BlockAtStart, PushBlockOntoLedge},
    {kHero, B, 0, 319, 0, 0, &kWaterRight, 70, BlockAtStart, PushBlockOntoLedge},
    {kHero, R, 0, 319, 0, 0, &kFireRight, 71, BlockAtStart, ShakeBlock},
    {kPartner, G, 1, 129, 64, 64, &kWindLeft, 70, PartnerBlockInPlace, PushPartnerBlock},
    {kPartner, B, 1, 129, 64, 64, &kWaterAtBlock, 70, PartnerBlockInPlace, PushPartnerBlock},
    {kPartner, R, 1, 129, 64, 64, &kFireLeft, 70, PartnerBlockInPlace, ShakePartnerBlock},
    {kHero, G, 1, 129, 64, 64, &kWindLeft, 70, PartnerBlockInPlace, PushPartnerBlock},
    {kHero, B, 1, 129, 64, 64, &kWaterAtBlock, 70, PartnerBlockInPlace, PushPartnerBlock},
    {kHero, R, 1, 129, 64, 64, &kFireLeft, 70, PartnerBlockInPlace, ShakePartnerBlock},
    {kPartner, G, 0, 183, kAny, 96, &kWindRight, 70, nullptr, ClearTallRock},
    {kPartner, R, 0, 183, kAny, 96, &kFireRight, 70, nullptr, ClearTallRock},
};

const EventTable kTable = EventsOf(kEvents, s_State, s_Twinkles, s_State.twinkleTime);

bool OnStone(const Walker& w) { return w.x >= 384 && w.x + 32 <= 416 && w.y + 32 == 128; }

// A trapped walker glows for 21 ticks and then just stands, caught.
void HoldTrapped(Walker& w, Quad& q, SprayParticle* glow, int& ticks) {
    if (ticks >= 0 && ticks <= 20) UpdateSpray(glow, 20, DrawGlowDot, 0, 0.5f, 9, w.x - 16, w.y, 50, 50);
    SetQuadUV(q, 0.625f, 0, 0.75f, 0.0625f);
    w.halted = 1;
    CountUp(ticks, 21);
}

void Rules() {
    Stage7State& s = s_State;
    const Faller &f1 = Block(), &f2 = PartnerBlock();
    TurnAtFaller(g_Hero, f1);
    TurnAtFaller(g_Hero, f2, kMeetRight);
    TurnAtFaller(g_Partner, f2);

    // Block 1 holds a walker anywhere in its cell's height, the low block one on top.
    g_Hero.gravityOff = (OnFaller(g_Hero, f1, 32) || OnFaller(g_Hero, f2)) ? 1 : 0;
    g_Partner.gravityOff = (OnFaller(g_Partner, f2) || OnFaller(g_Partner, f1, 32)) ? 1 : 0;

    // A narrow box near the tall rock lets the partner walk a little into it.
    g_Partner.collisionMode =
        (g_Partner.x >= 128 && g_Partner.x <= 192 && g_Partner.y >= 64 && g_Partner.y <= 96) ? 1 : 0;

    if (OnStone(g_Hero) && s.blockState != 2) g_HeroPaint = kTrapped;
    if (OnStone(g_Partner) && s.blockState != 2) g_PartnerPaint = kTrapped;

    if (g_Hero.x + 32 <= 240 && g_Hero.y == 0 && g_Hero.facing == 1) s.heroStopLow = 1;
    if (s.heroStopLow == 1 && g_Hero.y == 128) StopLow(g_Hero, g_HeroQuad, g_HeroColumnU);

    if (g_HeroPaint == kTrapped) HoldTrapped(g_Hero, g_HeroQuad, s_TrapHero, s.heroTrapTicks);
    if (g_PartnerPaint == kTrapped) HoldTrapped(g_Partner, g_PartnerQuad, s_TrapPartner, s.partnerTrapTicks);

    // The first to reach the bottom floor's end waits facing the other.
    MeetAtGoal(At(g_Hero, 32, 256), At(g_Partner, 64, 256), false);
}

void Stage7Init() {
    SetQuadColour(Block().quad, 0xFFFFFFFFu);
    SetU(Block().quad, 0.5f, 0.625f);
    ShowFaller(PartnerBlock());
    ResetMeeting();
}

void Stage7DrawObjects() {
    // A rock chip hanging in the gap of the top floor; it is only a picture.
    static const Quad kGapChip = MakeQuad(416, 32, 448, 64, 0.4375f, 0, 0.5f, 0.0625f);
    DrawQuad(kSlotChips, kGapChip);
    DrawStageFallers(kStage);
}

void Stage7Script() {
    Stage7State& s = s_State;
    // The twinkles' clock runs on across a try.
    NewTry(s, kRewindAll, true, &Stage7State::twinkleTime);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalTime, false, true},
             {kStone, s.stoneFrame, s.flickerTime, s.stoneState != 0, true}},
            kTable, Rules);
}

void RelateFacts(Stage7Facts& f, bool toFacts) {
    Relate(f.stoneState, s_State.stoneState, toFacts);
    Relate(f.blockState, s_State.blockState, toFacts);
    Relate(f.blockFrame, s_State.blockFrame, toFacts);
    Relate(f.heroStopLow, s_State.heroStopLow, toFacts);
    Relate(f.heroTrapTicks, s_State.heroTrapTicks, toFacts);
}

}  // namespace

const StageScript kStage7Script = {Stage7Init, Stage7DrawObjects, Stage7Script};

const EventTable* const kStage7EventTable = &kTable;

Stage7Facts Stage7Now() { return FactsOf(RelateFacts); }
