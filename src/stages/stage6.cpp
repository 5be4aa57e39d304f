// Stage 6 gives wind and water only. Three loose objects turn the walkers
// back; a painted walker halts before the one its paint works on: wind or
// water pushes the small block off its floor, wind shoves the wide block down
// to become a step near the goal or water melts it, the third block is pushed
// a cell or softened by water, and the partner's wind opens a shaft through
// the tall rock so that the hero can come down.
#include "base/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 6's events: one tick counter per event, by number.
constexpr int kStage6Events = 17;
struct Stage6State : EventState<kStage6Events> {
    int goalFrame, rockFrame, rockState, rockStep;  // rock: 0 flickers, 1 blown, 2 gone
    int blockMoved, wideBlockMoved, wideBlockFrame, lowBlockState, lowBlockFrame;  // low block: 1 pushed, 2 soft
    int heroStopLow, partnerStopLow;
    // flickerTime also paces the water twinkles.
    unsigned goalTime, flickerTime, rockBlowTime, heroPushTime, partnerPushTime, wideBlockTime,
        lowBlockSoftenTime, lowBlockPushTime;
};
Stage6State s_State;

constexpr int kStage = 6;

// One twinkle spray per water event, by event number; they run on from one
// try to the next like every other spray.
SprayParticle s_Twinkles[kStage6Events + 1][20];

Faller& Block() { return g_Fallers[kStage][0]; }      // faller 1, the small block
Faller& WideBlock() { return g_Fallers[kStage][1]; }  // faller 2
Faller& LowBlock() { return g_Fallers[kStage][2]; }   // faller 3

constexpr CellLoop kGoalColumn = {6, 0, kGladeGoal, kGladeGoal + kChipBelow, 4, 250};
constexpr CellLoop kRock = {0, 5, kGladeFire, kGladeFire + kChipBelow, 3, 250};

// Shoves a block 2 pixels left every 25 ms while it is not yet past limit.
void Push(Faller& f, unsigned& timer, float limit, int n) { PushFaller(f, timer, -2, f.x >= limit, n); }

constexpr Obstacle kRockAway = {kStage, 0, 5, kGladeFireLow, kGladeAshes, 200, 31};

void RockGone(const EventCtx& c) {
    ObstacleGone(c, kRockAway, s_State.rockState);
    s_State.heroStopLow = 1;
}

// Event 1: wind blows the column-5 rock away in two 200 ms steps.
void BlowRockAway(const EventCtx& c) {
    Stage6State& s = s_State;
    if (BlowAway(c, kRockAway, s.rockState, s.rockStep, s.rockBlowTime)) s.heroStopLow = 1;
}

// Event 2: water washes it away at once.
void WashRockAway(const EventCtx& c) {
    if (c.n > 30) RockGone(c);
}

void PushBlock(const EventCtx& c) {
    Stage6State& s = s_State;
    if (c.n <= 30) return;
    Push(Block(), c.who == kHero ? s.heroPushTime : s.partnerPushTime, 320, c.n);
    if (FinishIf(c, Block().y == 96)) s.blockMoved = 1;
}

// The wide block, once down, also ends any push of the small one.
void PushWideBlock(const EventCtx& c) {
    Stage6State& s = s_State;
    if (c.n <= 30) return;
    Push(WideBlock(), s.wideBlockTime, 128, c.n);
    if (FinishIf(c, WideBlock().y == 224)) s.blockMoved = 1;
}

// Event 9: the tall rock goes, leaving a shaft and two floor cells.
void OpenShaft(const EventCtx& c) {
    if (c.n <= 30) return;
    SetCells(kStage, {{3, 14, kGladeGroundRight}, {3, 15, kGladeGroundRight}});
    SetCells(kStage, {{2, 14, 0}, {2, 15, 0}, {1, 14, 0}, {1, 15, 0}});
    Finish(c);
}

void MeltWideBlock(const EventCtx& c) {
    Stage6State& s = s_State;
    if (c.n <= 30 || !Due(s.wideBlockTime, 100) || NextPicture(WideBlock().quad, s.wideBlockFrame, 4)) return;
    SetQuadColour(WideBlock().quad, 0x00FFFFFFu);
    Finish(c);
    (c.who == kHero ? s.heroStopLow : s.partnerStopLow) = 1;
    s.wideBlockMoved = 1;
}

// Water softens the low block over six pictures; then nobody bumps into it.
void SoftenLowBlock(const EventCtx& c) {
    Stage6State& s = s_State;
    if (c.n <= 30 || !Due(c.who == kHero ? s.wideBlockTime : s.lowBlockSoftenTime, 100)) return;
    if (NextPicture(LowBlock().quad, s.lowBlockFrame, 5, true)) return;
    Finish(c);
    s.lowBlockState = 2;
}

void PushLowBlock(const EventCtx& c) {
    Stage6State& s = s_State;
    if (c.n <= 30) return;
    Push(LowBlock(), s.lowBlockPushTime, 288, c.n);
    if (FinishIf(c, LowBlock().x == 288)) s.lowBlockState = 1;
}

bool RockStanding() { return s_State.rockState <= 1; }
bool BlockInPlace() { return s_State.blockMoved == 0; }
bool WideBlockInPlace() { return s_State.wideBlockMoved == 0; }
bool LowBlockInPlace() { return s_State.lowBlockState == 0; }
bool LowBlockPushed() { return s_State.lowBlockState == 1; }

// Water is thrown to the left; its twinkles fall a little left of the walker.
constexpr Gesture kWater = {.kind = ::kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                            .twinkleX = -32};
constexpr Gesture kWaterNear = {.kind = ::kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                                .twinkleX = -16};
constexpr Gesture kWaterQuick = {.kind = ::kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                                 .twinkleX = -32, .splashAt = 13};
constexpr int kWind = 70, kWet = 50;  // the counters' limits
constexpr PaintColour G = kPaintGreen, B = kPaintBlue;
constexpr float kAny = kAnyY, kLow = kLowestY;

// The seventeen events, in the order they are tried every tick.
const EventRow kEvents[kStage6Events + 1] = {
    {},
    {kHero, G, 1, 192, 0, 0, &kWindLeft, kWind, RockStanding, BlowRockAway},
    {kHero, B, 1, 192, 0, 0, &kWaterNear, kWet, nullptr, WashRockAway},
    {kHero, G, 1, 389, 64, 64, &kWindLeft, kWind, BlockInPlace, PushBlock},
    {kPartner, G, 1, 389, 64, 64, &kWindLeft, kWind, BlockInPlace, PushBlock},
    {kHero, B, 1, 389, 64, 64, &kWaterQuick, kWet, BlockInPlace, PushBlock},
    {kPartner, B, 1, 389, 64, 64, &kWater, kWet, BlockInPlace, PushBlock},
    {kHero, G, 1, 256, 96, 96, &kWindLeft, kWind, WideBlockInPlace, PushWideBlock},
    {kPartner, G, 1, 256, 96, 96, &kWindLeft, kWind, WideBlockInPlace, PushWideBlock},
    {kPartner, G, 0, 426, kAny, kLow, &kWindRight, kWind, nullptr, OpenShaft},
    {kHero, B, 1, 256, 96, 96, &kWater, kWet, WideBlockInPlace, MeltWideBlock},
    {kPartner, B, 1, 256, 96, 96, &kWater, kWet, WideBlockInPlace, MeltWideBlock},
    {kHero, B, 1, 354, 160, 160, &kWater, kWet, LowBlockInPlace, SoftenLowBlock},
    {kPartner, B, 1, 354, 160, 160, &kWater, kWet, LowBlockInPlace, SoftenLowBlock},
    {kHero, B, 1, 321, 160, 160, &kWater, kWet, LowBlockPushed, SoftenLowBlock},
    {kPartner, B, 1, 321, 160, 160, &kWater, kWet, LowBlockPushed, SoftenLowBlock},
    {kHero, G, 1, 354, 160, 160, &kWindLeft, kWind, LowBlockInPlace, PushLowBlock},
    {kPartner, G, 1, 354, 160, 160, &kWindLeft, kWind, LowBlockInPlace, PushLowBlock},
};

const EventTable kTable = EventsOf(kEvents, s_State, s_Twinkles, s_State.flickerTime);

// The blocks are not in the map, so the script turns the walkers at them.
void TurnAtBlocks(Walker& w) {
    const Stage6State& s = s_State;
    const Faller &f1 = Block(), &f2 = WideBlock(), &f3 = LowBlock();
    TurnAtFaller(w, f1);
    if (s.wideBlockMoved == 0) TurnAtFaller(w, f2, kMeetRight, 50);
    if (s.lowBlockState != 2) TurnAtFaller(w, f3, kMeetRight);
}

// A walker on top of the small or the wide block stays at its height.
void StandOnBlocks(Walker& w) {
    const Faller &f1 = Block(), &f2 = WideBlock();
    const bool onWide = f2.y - 42 <= w.y && w.y <= f2.y + 32 && f2.x - 32 <= w.x && w.x <= f2.x + 64;
    w.gravityOff = (OnFaller(w, f1) || onWide) ? 1 : 0;
}

void Rules() {
    Stage6State& s = s_State;
    TurnAtBlocks(g_Hero);
    TurnAtBlocks(g_Partner);
    StandOnBlocks(g_Hero);
    StandOnBlocks(g_Partner);
    // A narrow box near the tall rock lets the partner walk a little into it.
    g_Partner.collisionMode =
        (g_Partner.x >= 384 && g_Partner.x <= 480 && g_Partner.y >= 64 && g_Partner.y <= 96) ? 1 : 0;
    if (s.heroStopLow == 1 && g_Hero.y >= 188) StopLow(g_Hero, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && g_Partner.y == 224) StopLow(g_Partner, g_PartnerQuad, g_PartnerColumnU);

    // The first to reach the goal floor waits facing the other.
    MeetAtGoal(At(g_Hero, 32, 192), At(g_Partner, 64, 192), false);
}

void Stage6Init() {
    ShowFaller(Block());
    ShowFaller(WideBlock());
    SetQuadColour(LowBlock().quad, 0xFFFFFFFFu);
    SetU(LowBlock().quad, 0, 0.125f);
    ResetMeeting();
}

void Stage6DrawObjects() {
    // The chip at the foot of the goal floor, drawn over the map.
    static const Quad kGoalChip = MakeQuad(96, 224, 128, 256, 0.1875f, 0, 0.25f, 0.0625f);
    DrawQuad(kSlotChips, kGoalChip);
    DrawStageFallers(kStage);
}

void Stage6Script() {
    Stage6State& s = s_State;
    // The goal column runs on across a try.
    NewTry(s, kRewindSpark | kRewindBig | kRewindColumn2 | kRewindColumn, false, &Stage6State::goalFrame,
           &Stage6State::goalTime);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalTime},
             {kRock, s.rockFrame, s.flickerTime, s.rockState != 0, true}},
            kTable, Rules);
}

void RelateFacts(Stage6Facts& f, bool toFacts) {
    Relate(f.rockState, s_State.rockState, toFacts);
    Relate(f.blockMoved, s_State.blockMoved, toFacts);
    Relate(f.wideBlockMoved, s_State.wideBlockMoved, toFacts);
    Relate(f.lowBlockState, s_State.lowBlockState, toFacts);
    Relate(f.heroStopLow, s_State.heroStopLow, toFacts);
    Relate(f.goalFrame, s_State.goalFrame, toFacts);
}

}  // namespace

const StageScript kStage6Script = {Stage6Init, Stage6DrawObjects, Stage6Script};

const EventTable* const kStage6EventTable = &kTable;

Stage6Facts Stage6Now() { return FactsOf(RelateFacts); }
void Stage6Arrange(void (*change)(Stage6Facts&)) { ChangeFacts(RelateFacts, change); }
