// Stage 4 is the first with all three paints, and most places answer each
// paint in their own way: at a flame green blows and blue washes it out while
// red does nothing; at the plant blue makes it grow into a bridge and red or
// green clears it away; the blocks are shoved by green or blue, or burnt by
// red. The hero walks the bottom floor, the partner starts on the top shelf;
// they meet at the right end of the floor beside the goal column.
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

// The state of stage 4's events: one tick counter per event, by number.
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
Stage4State s_State;

constexpr int kStage = 4;

// One twinkle spray per event, by event number; the glow of the burning
// block and tub, the steam, the trap.
SprayParticle s_Twinkles[kStage4Events + 1][20];
SprayParticle s_BlockGlow[20];
SprayParticle s_TubGlow[20];
SprayParticle s_Steam[20];
SprayParticle s_Charring[20];

Faller& Block() { return g_Fallers[kStage][0]; }
Faller& Tub() { return g_Fallers[kStage][1]; }

// Every picture rewinds when an event of this stage ends.
void End(const EventCtx& c) { Finish(c, kRewindAll); }

constexpr CellLoop kGoalColumn = {7, 19, kTownLanternGoal, kTownLanternGoal + kChipBelow, 4, 250};
constexpr CellLoop kFlames[2] = {{7, 15, kTownCoals, kTownCoals + kChipBelow, 3, 250},
                                 {7, 16, kTownCoals, kTownCoals + kChipBelow, 3, 250}};

struct FlameRefs {
    int& state;
    int& step;
    int& frame;
    unsigned& stepTime;
};
// Flame f: 0 in column 15, 1 in column 16.
FlameRefs Flame(int f) {
    Stage4State& s = s_State;
    if (f == 0) return {s.flame1State, s.flame1Step, s.flame1Frame, s.flame1StepTime};
    return {s.flame2State, s.flame2Step, s.flame2Frame, s.flame2StepTime};
}

void FlameOut(int f) { SetCells(kStage, {{7, int8_t(15 + f), 0}, {8, int8_t(15 + f), kTownCoalsOut}}); }

// At flame f red only shows its pictures.
void RedAtFlame(const EventCtx& c) {
    if (c.n == 30) End(c);
}

// Green stops the flicker at once and blows the flame out in two steps. The
// steps may wait for the shared step time; they go on while the counter
// stands at its limit, so the walker is never left holding.
template <int kFlame>
void BlowFlame(const EventCtx& c) {
    Stage4State& s = s_State;
    const FlameRefs fl = Flame(kFlame);
    fl.state = 1;
    if (c.n <= 30 || !Due(s.effectTime, 200)) return;
    if (fl.step == 0) {
        SetCells(kStage, {{7, 15 + kFlame, kTownCoalsLow}, {8, 15 + kFlame, kTownCoalsLow + kChipBelow}});
        fl.step = 1;
        return;
    }
    FlameOut(kFlame);
    End(c);
    fl.state = 2;
}

template <int kFlame>
void WashFlame(const EventCtx& c) {
    if (c.n != 40) return;
    FlameOut(kFlame);
    End(c);
    Flame(kFlame).state = 2;
}

template <int kFlame>
bool FlameBurning() { return Flame(kFlame).state == 0; }
template <int kFlame>
bool FlameNotOut() { return Flame(kFlame).state <= 1; }

// The block lands on the short shelf.
void BlockDown(const EventCtx& c, int& splash, int limit, int sandFrom) {
    if (Splash(splash, limit, Block(), sandFrom)) {
        End(c);
        s_State.blockState = 1;
    }
}

// Green and blue shove the block off the top shelf, 2 pixels a step.
void ShoveBlock(const EventCtx& c) {
    Stage4State& s = s_State;
    Faller& b = Block();
    const bool wind = c.gesture.kind == kWind;
    if (c.n >= (wind ? 21 : 31) && Due(s.pushTime, wind ? 20 : 25) && b.x >= 224) b.x -= 2;
    if (b.y + 32 == 128) BlockDown(c, s.splashCount[wind ? 0 : 1], 30, 1);
}

// Red makes it glow hotter; the shelf end under it burns away and it cools
// while it drops.
void BurnBlock(const EventCtx& c) {
    Stage4State& s = s_State;
    Faller& b = Block();
    if (c.n >= 20) {
        UpdateSpray(s_BlockGlow, 20, DrawGlowDot, 0, 0.5f, 9, c.a.w.x - 64, c.a.w.y, 60, 60);
        if (Due(s.pushTime, 100)) {
            SetFallerV(b, kGlowV[s.block1Frame]);
            if (s.block1Frame == 4) SetCell(kStage, 2, 8, 0);
            if (s.block1Frame < 6) s.block1Frame += 1;
        }
    }
    if (b.y + 32 >= 127 && b.y + 32 <= 129) BlockDown(c, s.splashCount[2], 20, 0);
}

// The plant on the floor in columns 5 and 6, at each growth step; cleared
// away it leaves the floor under it.
constexpr Plant kPlantGrowth[5] = {
    {kTownPlant, 2}, {kTownPlant2, 2}, {kTownPlant3, 2}, {kTownPlant4, 3}, {kTownPlant5, 3}};
constexpr int kPlantCleared = 5;

void SetPlantStep(int step) {
    SetPlant(kStage, 8, 5, step == kPlantCleared ? Plant{} : kPlantGrowth[step], kTownBrick);
}

// Blue grows the plant into a bridge, a step every 120 ms.
void GrowPlant(const EventCtx& c) {
    Stage4State& s = s_State;
    if (c.n < 31 || !Due(s.growTime, 120)) return;
    SetPlantStep(s.plantGrowth);
    s.plantGrowth += 1;
    if (s.plantGrowth == 5) {
        End(c);
        s.plantDone = 1;
    }
}

// Red (from tick 30) and green (after tick 30) clear the plant away; the
// event ends on tick kEndAt.
template <int kFrom, int kEndAt>
void ClearPlant(const EventCtx& c) {
    if (c.n >= kFrom) SetPlantStep(kPlantCleared);
    if (c.n != kEndAt) return;
    End(c);
    s_State.plantDone = 1;
}

bool PlantMayGrow() {
    const Stage4State& s = s_State;
    return s.plantGrowth <= 4 && s.plantDone == 0 && s.partnerNearPlant == 0;
}
bool PlantSmall() { return s_State.plantGrowth == 0 && s_State.plantDone == 0; }
bool PlantGrown() { return s_State.plantGrowth == 5; }
bool BlockUp() { return s_State.blockState == 0; }
bool TubUp() { return s_State.tankState == 0; }

// Green blows the tub off the shelf onto both flames: steam, and they are out.
void BlowTub(const EventCtx& c) {
    Stage4State& s = s_State;
    Faller& t = Tub();
    if (c.n >= 21) PushFaller(t, s.pushTime, 2, t.x + 32 <= 512, c.n, 25);
    if (t.y + 32 != 224) return;
    const int n = s.steamCount;
    if (n > 0 && n < 20) UpdateSpray(s_Steam, 20, DrawGlowDot, 0, 0.5f, 9, t.x, t.y, 60, 60);
    if (n == 3) PlayEffect(kSoundSteam);
    if (n >= 20) {
        FlameOut(0);
        FlameOut(1);
        SetQuadColour(t.quad, 0x00FFFFFFu);
        End(c);
        s.tankState = 1;
        s.flame1State = 1;
        s.flame2State = 1;
    }
    CountUp(s.steamCount, 24);
}

// Red burns the tub away, 100 ms a picture; the flames below burn on.
void BurnTub(const EventCtx& c) {
    Stage4State& s = s_State;
    Faller& t = Tub();
    if (c.n < 30) return;
    if (c.n == 35) PlayEffect(kSoundSteam);
    UpdateSpray(s_TubGlow, 20, DrawGlowDot, 0, 0.6f, 5, c.a.w.x + 16, c.a.w.y, 60, 60);
    if (!Due(s.pushTime, 100) || NextPicture(t.quad, s.tankFrame, 4)) return;
    SetQuadColour(t.quad, 0x00FFFFFFu);
    End(c);
    s.tankState = 1;
    s.tankBurnt = 1;
}

// Fire here rings once or twice, its second ring before the column.
constexpr Gesture kRed = {.kind = kFire, .columnAlpha = 100, .ringBFrom = 15, .ringBTo = 17, .rings = 2,
                          .ringsFirst = true};
constexpr Gesture kRedPlant = {.kind = kFire, .ringBFrom = 15, .ringBTo = 17, .ringsFirst = true};
constexpr Gesture kRedGrownPlant = {.kind = kFire, .ringsFirst = true};
constexpr Gesture kRedLeft = {.kind = kFire, .sparkX = -64, .sparkFacing = 0, .columnX = -64, .bigX = -32,
                              .columnAlpha = 100, .ringAX = -16, .ringBX = -16, .ringBFrom = 15,
                              .ringsFirst = true};
constexpr Gesture kRedTub = {.kind = kFire, .columnX = 16, .bigX = 48, .ringAX = 64, .ringBX = 64,
                             .ringBFrom = 15, .ringsFirst = true};
constexpr Gesture kWindGrownPlant = {.kind = kWind, .sparkFacing = 0};
constexpr Gesture kWindTub = {.kind = kWind, .columnX = 16, .bigX = 48};
// Water: the splash before the big burst.
constexpr Gesture kBlue = {.kind = kWater, .soundFirst = true};
constexpr Gesture kBlueLeft = {.kind = kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                               .twinkleX = -64, .twinkleY = -16, .soundFirst = true};
constexpr PaintColour R = kPaintRed, G = kPaintGreen, B = kPaintBlue;
constexpr float kAny = kAnyY, kLow = kLowestY;
// Green at the plant counts on one counter whatever its size.
constexpr uint8_t kGreenAtPlant = 18;

// The events, in the order they are tried every tick; first each walker on
// the floor facing each flame, with each paint.
const EventRow kEvents[kStage4Events + 1] = {
    {},
    {kHero, R, 0, 448, 224, 224, &kRed, 31, FlameBurning<0>, RedAtFlame},
    {kHero, G, 0, 448, 224, 224, &kWindRight, 50, FlameNotOut<0>, BlowFlame<0>},
    {kHero, B, 0, 448, 224, 224, &kBlue, 42, FlameBurning<0>, WashFlame<0>},
    {kPartner, R, 0, 448, 224, 224, &kRed, 31, FlameBurning<0>, RedAtFlame},
    {kPartner, G, 0, 448, 224, 224, &kWindRight, 50, FlameNotOut<0>, BlowFlame<0>},
    {kPartner, B, 0, 448, 224, 224, &kBlue, 42, FlameBurning<0>, WashFlame<0>},
    {kHero, R, 0, 480, 224, 224, &kRed, 31, FlameBurning<1>, RedAtFlame},
    {kHero, G, 0, 480, 224, 224, &kWindRight, 50, FlameNotOut<1>, BlowFlame<1>},
    {kHero, B, 0, 480, 224, 224, &kBlue, 42, FlameBurning<1>, WashFlame<1>},
    {kPartner, R, 0, 480, 224, 224, &kRed, 31, FlameBurning<1>, RedAtFlame},
    {kPartner, G, 0, 480, 224, 224, &kWindRight, 50, FlameNotOut<1>, BlowFlame<1>},
    {kPartner, B, 0, 480, 224, 224, &kBlue, 42, FlameBurning<1>, WashFlame<1>},
    // the partner at the block on the top shelf
    {kPartner, G, 1, 289, 32, 32, &kWindLeft, 61, BlockUp, ShoveBlock},
    {kPartner, B, 1, 289, 32, 32, &kBlueLeft, 50, BlockUp, ShoveBlock},
    {kPartner, R, 1, 289, 32, 32, &kRedLeft, 83, BlockUp, BurnBlock},
    // the hero at the plant (his narrow box lets him this close)
    {kHero, B, 0, 144, kAny, kLow, &kBlue, 70, PlantMayGrow, GrowPlant},
    {kHero, R, 0, 144, kAny, kLow, &kRedPlant, 43, PlantSmall, ClearPlant<30, 42>},
    {kHero, G, 0, 144, kAny, kLow, &kWindRight, 50, PlantSmall, ClearPlant<31, 49>},  // event 18
    {kHero, R, 0, 144, kAny, kLow, &kRedGrownPlant, 41, PlantGrown, ClearPlant<30, 40>},
    {kHero, G, 0, 144, kAny, kLow, &kWindGrownPlant, 50, PlantGrown, ClearPlant<31, 49>, kGreenAtPlant},
    // the partner at the wide tub
    {kPartner, G, 0, 383, 160, 160, &kWindTub, 50, TubUp, BlowTub},
    {kPartner, R, 0, 383, 160, 160, &kRedTub, 51, TubUp, BurnTub},
};

// The blue events' twinkles share the green flames' step time.
const EventTable kTable = EventsOf(kEvents, s_State, s_Twinkles, s_State.effectTime);

void Rules() {
    Stage4State& s = s_State;
    const Faller& b = Block();
    const Faller& t = Tub();
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    TurnAtFaller(p, b, kMeetRight);
    if (p.x + 16 == t.x && s.tankState == 0 && p.y == t.y) p.facing = 1;
    p.gravityOff = (b.y >= p.y && b.y <= p.y + 16 && p.x + 32 >= b.x && b.x + 32 >= p.x) ? 1 : 0;
    // Near the plant the hero's box is a narrow sliver (his hit test reads
    // this field of the partner's).
    p.collisionMode = (h.x >= 128 && h.x <= 224 && h.y >= 224 && h.y <= 288) ? 1 : 0;
    // The fire trap: with the tub burnt the flames still burn below.
    if (s.tankBurnt == 1 && p.x >= 480 && p.x + 32 <= 544 && p.y + 32 >= 224) {
        if (s.charCount >= 0 && s.charCount <= 20)
            UpdateSpray(s_Charring, 20, DrawGlowDot, 0, 0.5f, 9, p.x - 16, p.y, 50, 50);
        p.halted = 1;
        s.partnerCharred = 1;
        g_PartnerPaint = 4;  // no paint takes any more
        CountUp(s.charCount, 21);
    }
    if (s.partnerCharred == 1) SetQuadUV(g_PartnerQuad, 0.625f, 0.0f, 0.75f, 0.0625f);
    s.partnerNearPlant = (p.x + 32 >= 128 && p.x <= 256 && p.y + 32 == 224) ? 1 : 0;

    MeetAtGoal(At(h, 576, 224), At(p, 544, 224), true);
}

void Stage4Init() {
    ShowFaller(Block());
    ShowFaller(Tub());
    ResetMeeting();
}

void Stage4DrawObjects() {
    DrawStageFallers(4);
    // The charred picture is on the shared character sheet only; the
    // partner's own sheet is empty there, so it shows through from behind.
    if (s_State.partnerCharred == 1) DrawQuad(kSlotCharacters, g_PartnerQuad);
}

void Stage4Script() {
    Stage4State& s = s_State;
    if (NewTry(s, kRewindAll, true)) {
        for (auto& t : s_Twinkles) ClearSprays(t, 20);
        for (SprayParticle* a : {s_BlockGlow, s_TubGlow, s_Steam, s_Charring}) ClearSprays(a, 20);
        SetQuadColour(Tub().quad, 0xFFFFFFFFu);
    }
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalStepTime},
             {kFlames[0], s.flame1Frame, s.flame1StepTime, s.flame1State != 0},
             {kFlames[1], s.flame2Frame, s.flame2StepTime, s.flame2State != 0}},
            kTable, Rules);
}

void RelateFacts(Stage4Facts& f, bool toFacts) {
    Relate(f.flame1State, s_State.flame1State, toFacts);
    Relate(f.flame2State, s_State.flame2State, toFacts);
    Relate(f.blockState, s_State.blockState, toFacts);
    Relate(f.block1Frame, s_State.block1Frame, toFacts);
    Relate(f.plantGrowth, s_State.plantGrowth, toFacts);
    Relate(f.plantDone, s_State.plantDone, toFacts);
    Relate(f.partnerNearPlant, s_State.partnerNearPlant, toFacts);
    Relate(f.tankState, s_State.tankState, toFacts);
    Relate(f.tankBurnt, s_State.tankBurnt, toFacts);
    Relate(f.partnerCharred, s_State.partnerCharred, toFacts);
    Relate(f.effectTime, s_State.effectTime, toFacts);
}

}  // namespace

const StageScript kStage4Script = {Stage4Init, Stage4DrawObjects, Stage4Script};

const EventTable* const kStage4EventTable = &kTable;

Stage4Facts Stage4Now() { return FactsOf(RelateFacts); }
void Stage4Arrange(void (*change)(Stage4Facts&)) { ChangeFacts(RelateFacts, change); }
