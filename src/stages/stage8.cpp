// Stage 8: fire and water at the bottom right. Water grows the two plants and
// the column, fire burns them; water puts the two flames out one by one, or
// fire at the changed column burns the ledge so that the wide block drops on
// the flames and smothers both. The goal is the hero and the partner standing
// where the flames were.
#include "base/platform.h"
#include "stage/effects.h"
#include "stage/brush.h"
#include "stages/script_kit.h"
#include "stages/stage_scripts.h"

namespace {

// The state of stage 8's events: one tick counter per event, by number.
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
Stage8State s_State;

constexpr int kStage = 8;

// Twinkles of each water event (index = event), and the steam of the
// smothered flames, one array per walker.
SprayParticle s_Twinkles[kStage8Events + 1][20];
SprayParticle s_HeroSteam[10];
SprayParticle s_PartnerSteam[10];

Quad s_Block1, s_Block2;

Faller& Faller1() { return g_Fallers[kStage][0]; }

constexpr CellLoop kGoalColumn = {8, 19, kMeadowGoal, kMeadowGoal + kChipBelow, 4, 250};
constexpr CellLoop kFlame17 = {8, 17, kMeadowFire, kMeadowFire + kChipBelow, 3, 250};
constexpr CellLoop kFlame18 = {8, 18, kMeadowFire, kMeadowFire + kChipBelow, 3, 250};

// The block sprite over the walls shakes in seven pictures; fire cannot move it.
void ShakeBlock(const EventCtx& c) { Shake(c, s_Block1, s_State.twinkleTime, s_State.blockShakeFrame, true); }

// Plant A stands on the partner's shelf, plant B on the hero's floor.
constexpr int kPlantBottom[2] = {4, 9}, kPlantCol[2] = {7, 3};

// Water makes a plant grow one cell taller in five pictures.
void GrowPlant(const EventCtx& c) {
    Stage8State& s = s_State;
    const int p = c.event == 3 ? 0 : 1;
    int& step = p == 0 ? s.plantAStep : s.plantBStep;
    if (c.n <= 30 || !Due(s.growTime, 100)) return;
    static const Plant kSteps[5] = {
        {kMeadowPlant, 2}, {kMeadowPlant2, 2}, {kMeadowPlant3, 2}, {kMeadowPlant4, 3}, {kMeadowPlant5, 3}};
    SetPlant(kStage, kPlantBottom[p], kPlantCol[p], kSteps[step]);
    if (step < 4) {
        step += 1;
        return;
    }
    Finish(c, p == 0 ? kRewindColumn : 0);
    (p == 0 ? s.plantAGrown : s.plantBChanged) = 1;
}

// Fire burns a plant away at 50, leaving the floor under it whole (events 5
// to 8); the burnt first plant drops both walkers where they cannot go on.
void BurnPlant(const EventCtx& c) {
    Stage8State& s = s_State;
    if (c.n < 50) return;
    const int p = c.event <= 6 ? 0 : 1;
    SetPlant(kStage, kPlantBottom[p], kPlantCol[p], Plant{}, kMeadowGround);
    Finish(c);
    if (c.event == 5 || (c.event == 6 && s.plantBChanged == 0)) s.partnerStopLow = s.heroStopLow = 1;
    if (c.event == 7) s.plantBChanged = 1;
}

// Faller 1 fades out in four pictures, then is no longer seen.
void VanishFaller1(const EventCtx& c) {
    Stage8State& s = s_State;
    if (c.n < (c.gesture.kind == kFire ? 30 : 31) || !Due(s.growTime, 100)) return;
    if (NextPicture(Faller1().quad, s.faller1Frame, 4)) return;
    SetQuadColour(Faller1().quad, 0x00FFFFFFu);
    s.faller1Gone = 1;
    Finish(c);
}

void SetColumn(ChipCode r6, ChipCode r7, ChipCode r8, ChipCode r9) {
    SetCells(kStage, {{6, 16, r6}, {7, 16, r7}, {8, 16, r8}, {9, 16, r9}});
}

// Water raises the column to four cells.
void GrowColumn(const EventCtx& c) {
    Stage8State& s = s_State;
    if (c.n <= 30 || !Due(s.columnTime, 150)) return;
    static const ChipCode kSteps[3][4] = {
        {0, 0, kMeadowPostMiddle, kMeadowPostFoot},
        {0, kMeadowBambooTop, kMeadowBambooMiddle, kMeadowBambooFoot},
        {kMeadowTallBambooTop, kMeadowTallBambooMiddle, kMeadowTallBambooLower, kMeadowTallBambooFoot}};
    if (s.columnStep < 3) {
        const ChipCode* k = kSteps[s.columnStep];
        SetColumn(k[0], k[1], k[2], k[3]);
        s.columnStep += 1;
        return;
    }
    s.columnChanged = 1;
    Finish(c);
}

void BurnColumn(const EventCtx& c) {
    if (c.n < 50) return;
    SetColumn(0, 0, 0, 2);
    Finish(c);
    s_State.columnChanged = 1;
}

void PutOutFlame(int col) {
    SetCells(kStage, {{8, int8_t(col), 0}, {9, int8_t(col), kMeadowFireOut}});
    (col == 17 ? s_State.flame17State : s_State.flame18State) = 2;
}

// Water puts a flame out (events 15 to 17).
void DrownFlame(const EventCtx& c) {
    if (c.n <= (c.event == 17 ? 30 : 50)) return;
    PutOutFlame(c.event == 17 ? 18 : 17);
    Finish(c);
}

// Fire at a flame (events 18 to 20) is spent for nothing.
void SpendFire(const EventCtx& c) {
    if (c.n >= (c.event == 18 ? 50 : 30)) Finish(c);
}

// Fire at the changed column (events 21 and 22): the column burns, then the
// ledge; faller 1 drops on the flames and steams; at 70 both flames are out.
void BurnLedge(const EventCtx& c) {
    Stage8State& s = s_State;
    if (c.n < 20) return;
    if (Due(s.columnTime, 150)) {
        if (s.ledgeStep == 0) {
            SetColumn(0, 0, 0, 2);
            s.ledgeStep = 1;
        } else {
            for (int col = 16; col <= 19; ++col) SetCell(kStage, 5, col, 0);
        }
    }
    Faller& f = Faller1();
    if (f.y >= 192)
        UpdateSpray(c.who == kHero ? s_HeroSteam : s_PartnerSteam, 10, DrawGlowDot, 0, 0.5f, 9, f.x - 16, f.y, 50,
                    50);
    if (c.n < 70) return;
    SetQuadColour(f.quad, 0x00FFFFFFu);
    s.faller1Gone = 1;
    PutOutFlame(17);
    PutOutFlame(18);
    Finish(c);
}

// The plant does not grow into a hero standing over the gap.
bool PlantACanGrow() {
    const bool heroOverGap = g_Hero.x >= 192 && g_Hero.x < 256 && g_Hero.y >= 32 && g_Hero.y <= 64;
    return s_State.plantAGrown == 0 && !heroOverGap;
}
bool PlantASmall() { return s_State.plantAGrown == 0; }
bool PlantAGrown() { return s_State.plantAGrown == 1; }
bool PlantBAsItWas() { return s_State.plantBChanged == 0; }
bool PlantBBurnt() { return s_State.plantBChanged == 1; }
bool Faller1There() { return s_State.faller1Gone == 0; }
bool ColumnAsItWas() { return s_State.columnChanged == 0; }
bool ColumnChanged() { return s_State.columnChanged == 1; }
bool Flame17Burns() { return s_State.flame17State == 0; }
bool Flame18Burns() { return s_State.flame18State == 0; }

// Fire with its big burst on the walker; water's colour bursts stand 16 to
// the right of a walker facing right.
constexpr Gesture kFireNear = {.kind = kFire, .bigX = 0};
constexpr Gesture kWaterLeft = {.kind = kWater, .sparkX = -64, .sparkFacing = 0, .bigX = -32, .burstX = 0,
                                .twinkleX = -16};
constexpr Gesture kWaterRight = {.kind = kWater, .burstX = 16, .twinkleX = -16};
constexpr Gesture kWaterAtFaller = {.kind = kWater, .burstX = 16, .twinkleX = 16};
constexpr Gesture kWaterAtFlame = {.kind = kWater, .bigX = -32, .burstX = 16, .twinkleX = -16};
constexpr PaintColour R = kPaintRed, B = kPaintBlue;

// The twenty-two events, in the order they are tried every tick.
const EventRow kEvents[kStage8Events + 1] = {
    {},
    {kPartner, R, 0, 352, 96, 96, &kFireNear, 72, nullptr, ShakeBlock},
    {kHero, R, 0, 352, 96, 96, &kFireNear, 70, nullptr, ShakeBlock},
    {kPartner, B, 1, 260, 96, 96, &kWaterLeft, 70, PlantACanGrow, GrowPlant},
    {kHero, B, 1, 130, 256, 256, &kWaterLeft, 70, PlantBAsItWas, GrowPlant},
    {kPartner, R, 1, 260, 96, 96, &kFireLeft, 79, PlantASmall, BurnPlant},
    {kPartner, R, 1, 260, 96, 96, &kFireLeft, 70, PlantAGrown, BurnPlant},
    {kHero, R, 1, 130, 256, 256, &kFireLeft, 70, PlantBAsItWas, BurnPlant},
    {kHero, R, 1, 130, 256, 256, &kFireLeft, 70, PlantBBurnt, BurnPlant},
    {kHero, R, 0, 511, 128, 128, &kFireRight, 70, Faller1There, VanishFaller1},
    {kHero, B, 0, 511, 128, 128, &kWaterAtFaller, 70, Faller1There, VanishFaller1},
    {kHero, B, 0, 480, 256, 256, &kWaterRight, 70, ColumnAsItWas, GrowColumn},
    {kPartner, B, 0, 480, 256, 256, &kWaterRight, 70, ColumnAsItWas, GrowColumn},
    {kHero, R, 0, 480, 256, 256, &kFireRight, 70, ColumnAsItWas, BurnColumn},
    {kPartner, R, 0, 480, 256, 256, &kFireRight, 70, ColumnAsItWas, BurnColumn},
    {kHero, B, 0, 512, 256, 256, &kWaterAtFlame, 70, nullptr, DrownFlame},
    {kPartner, B, 0, 512, 256, 256, &kWaterAtFlame, 70, nullptr, DrownFlame},
    {kHero, B, 0, 544, 256, 256, &kWaterAtFlame, 70, nullptr, DrownFlame},
    {kHero, R, 0, 512, 256, 256, &kFireRight, 70, Flame17Burns, SpendFire},
    {kPartner, R, 0, 512, 256, 256, &kFireNear, 70, Flame17Burns, SpendFire},
    {kHero, R, 0, 544, 256, 256, &kFireRight, 50, Flame18Burns, SpendFire},
    {kHero, R, 0, 480, 256, 256, &kFireRight, 70, ColumnChanged, BurnLedge},
    {kPartner, R, 0, 480, 256, 256, &kFireRight, 78, ColumnChanged, BurnLedge},
};

const EventTable kTable = EventsOf(kEvents, s_State, s_Twinkles, s_State.twinkleTime);

bool AtPlace(const Walker& w, float x) { return At(w, x, 256); }

void Rules() {
    Stage8State& s = s_State;
    const Faller& f = Faller1();
    // The wide block on the ledge turns a hero coming from the left.
    if (s.faller1Gone == 0) TurnAtFaller(g_Hero, f, kMeetLeft);

    // Inside the plants' reach a walker tests only its right side.
    g_Partner.collisionMode =
        (g_Partner.x >= 224 && g_Partner.x <= 288 && g_Partner.y >= 32 && g_Partner.y <= 128) ? 1 : 0;
    g_Hero.collisionMode = (g_Hero.x >= 128 && g_Hero.y >= 224 && g_Hero.y <= 288) ? 1 : 0;

    if (s.heroStopLow == 1 && g_Hero.y == 224) StopLow(g_Hero, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && g_Partner.y == 224) StopLow(g_Partner, g_PartnerQuad, g_PartnerColumnU);

    MeetAtGoal(AtPlace(g_Hero, 576), AtPlace(g_Partner, 544), true);
}

void Stage8Init() {
    ShowFaller(Faller1());
    s_Block1 = MakeQuad(384, 96, 416, 160, 0.5f, 0.8125f, 0.625f, 0.875f);
    s_Block2 = MakeQuad(416, 96, 448, 160, 0.5f, 0.8125f, 0.625f, 0.875f);
    ResetMeeting();
    s_State.eventTicks[1] = 0;
    s_State.eventTicks[2] = 0;
}

void Stage8DrawObjects() {
    DrawStageFallers(kStage);
    DrawQuad(kSlotCharacters, s_Block1);
    DrawQuad(kSlotCharacters, s_Block2);
}

void Stage8Script() {
    Stage8State& s = s_State;
    NewTry(s, kRewindSpark | kRewindBig | kRewindColumn2 | kRewindColumn, true);
    RunTick(kStage,
            {{kGoalColumn, s.goalFrame, s.goalTime},
             {kFlame17, s.flame17Frame, s.flame17Time, s.flame17State != 0, true},
             {kFlame18, s.flame18Frame, s.flame18Time, s.flame18State != 0, true}},
            kTable, Rules);
}

void RelateFacts(Stage8Facts& f, bool toFacts) {
    Relate(f.flame17State, s_State.flame17State, toFacts);
    Relate(f.flame18State, s_State.flame18State, toFacts);
    Relate(f.plantAGrown, s_State.plantAGrown, toFacts);
    Relate(f.plantBChanged, s_State.plantBChanged, toFacts);
    Relate(f.blockShakeFrame, s_State.blockShakeFrame, toFacts);
    Relate(f.faller1Gone, s_State.faller1Gone, toFacts);
    Relate(f.columnChanged, s_State.columnChanged, toFacts);
    Relate(f.ledgeStep, s_State.ledgeStep, toFacts);
    Relate(f.heroStopLow, s_State.heroStopLow, toFacts);
    Relate(f.partnerStopLow, s_State.partnerStopLow, toFacts);
}

}  // namespace

const StageScript kStage8Script = {Stage8Init, Stage8DrawObjects, Stage8Script};

const EventTable* const kStage8EventTable = &kTable;

Stage8Facts Stage8Now() { return FactsOf(RelateFacts); }
void Stage8Arrange(void (*change)(Stage8Facts&)) { ChangeFacts(RelateFacts, change); }
