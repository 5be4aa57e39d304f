// Stage 8: fire and water at the bottom right. Water grows the two plants and
// the column, fire burns them; water puts the two flames out one by one, or
// fire at the changed column burns the ledge so that the wide block drops on
// the flames and smothers both. The goal is the hero and the partner standing
// where the flames were.
#include <algorithm>

#include "app/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage8State g_Stage8;

namespace {

constexpr int kStage = 8;

// Twinkles of each water event (index = event), and the steam of the
// smothered flames, one array per walker.
SprayParticle s_Twinkles[23][20];
SprayParticle s_HeroSteam[10];
SprayParticle s_PartnerSteam[10];

Quad s_Block1, s_Block2;

Faller& Faller1() { return g_Fallers[kStage][0]; }

void SetCell(int row, int col, ChipCode code) { MapCell(kStage, row, col) = code; }


bool Triggered(const Actor& a, PaintColour paint, int facing, float x, float y) {
    return a.paint == paint && a.w.facing == facing && a.w.x == x && a.w.y == y;
}

void ResetAll() {
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    DrawColumnEffect2(0, 0, 0, 0);
    DrawColumnEffect(0, 0, 0, 0);
}

void EndEvent(const Actor& a) {
    a.paint = 0;
    a.w.halted = 0;
    a.pose = 0;
}

void FireEnd(const Actor& a) {
    EndEvent(a);
    DrawColumnEffect(0, 0, 0, 0);
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}

void WaterEnd(const Actor& a, bool column = false) {
    EndEvent(a);
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    if (column) DrawColumnEffect(0, 0, 0, 0);
}


// The casting of fire: sparks, a column of light, two rings, the big burst.
// bigX is where the big burst stands relative to the walker.
void FireGesture(const Actor& a, int n, float bigX) {
    Stage8State& s = g_Stage8;
    float x = a.w.x, y = a.w.y;
    bool left = a.w.facing == 1;
    float sx = left ? x - 64 : x;
    if (n >= 0 && n < 15) {
        DrawSparkEffect(sx, y, 128, 1, left ? 0 : 1, 0);
        DrawSparkEffect(sx, y, -1, 1, left ? 0 : 1, 0);
    }
    if (n == 1) PlayEffect(1);
    float rx = left ? x - 16 : x + 48;
    RingWindow(s.ringGateA, n > 10 && n <= 12, rx, y + 48, 1);
    if (n >= 15 && n < 20) {
        DrawColumnEffect(sx, y - 64, 50, 1);
        DrawColumnEffect(sx, y - 64, -1, 1);
    }
    if (n == 17) PlayEffect(0);
    RingWindow(s.ringGateB, n >= 18 && n <= 20, rx, y, 1);
    if (n > 20) {
        DrawBigEffect(x + bigX, y, 70, 1, 0);
        DrawBigEffect(x + bigX, y, -1, 1, 0);
    }
}
float FireBigX(const Actor& a) { return a.w.facing == 1 ? -32.0f : 32.0f; }

// The casting of water: sparks, two colour bursts, twinkles raining on the
// walker (every 30 ms, shared clock T4), the big blue burst.
void WaterGesture(const Actor& a, int n, SprayParticle* twinkles, float sprayX, float bigX) {
    Stage8State& s = g_Stage8;
    float x = a.w.x, y = a.w.y;
    bool left = a.w.facing == 1;
    float sx = left ? x - 64 : x;
    if (n >= 0 && n < 15) {
        DrawSparkEffect(sx, y, -1, 1, left ? 0 : 1, 1);
        DrawSparkEffect(sx, y, 128, 1, left ? 0 : 1, 1);
    }
    if (n == 1) PlayEffect(1);
    if (n >= 1 && n <= 15) {
        if (s.ringGateA == 1) {
            float bx = left ? x : x + 16;
            SpawnColourBurst(bx, y + 32, 1, 3, 1);
            SpawnColourBurst(bx, y + 32, 1, 3, 1);
        }
        s.ringGateA += 1;
    } else {
        s.ringGateA = 0;
    }
    if (n >= 15 && n < 35 && g_Now - s.t4 >= 30) {
        UpdateSpray(twinkles, 20, DrawTwinkle, 0, 0.2f, 4, x + sprayX, y - 32, 60, 60);
        s.t4 = g_Now;
    }
    if (n > 20) {
        DrawBigEffect(x + bigX, y + 16, 70, 1, 1);
        DrawBigEffect(x + bigX, y + 16, -1, 1, 1);
    }
    if (n == 20) PlayEffect(3);
}
float WaterBigX(const Actor& a) { return a.w.facing == 1 ? -32.0f : 32.0f; }

// The block sprite over the walls shakes in seven pictures; fire cannot move it.
void BlockShake(const Actor& a) {
    Stage8State& s = g_Stage8;
    if (g_Now - s.t4 < 150) return;
    s.t4 = g_Now;
    static const float kU[7] = {0.5f, 0.625f, 0.75f, 0.875f, 0.75f, 0.625f, 0.5f};
    if (s.blockShakeFrame < 7) {
        float u = kU[s.blockShakeFrame];
        s_Block1.v[0].u = s_Block1.v[3].u = u;
        s_Block1.v[1].u = s_Block1.v[2].u = u + 0.125f;
        s.blockShakeFrame += 1;
    } else {
        FireEnd(a);
        s.blockShakeFrame = 0;
    }
}

// A plant standing in columns col, col + 1 with its bottom at row `bottom`.
void SetPlantRows(int bottom, int col, const ChipCode (&rows)[6]) {
    for (int r = 0; r < 3; ++r) {
        SetCell(bottom - r, col, rows[2 * r]);
        SetCell(bottom - r, col + 1, rows[2 * r + 1]);
    }
}

// Water makes a plant grow one cell taller in five pictures. True at its end.
bool PlantGrowth(int& step, int bottom, int col) {
    Stage8State& s = g_Stage8;
    if (g_Now - s.t5 < 100) return false;
    s.t5 = g_Now;
    // Bottom, middle and top row of each picture.
    static const ChipCode kSteps[5][6] = {{84, 85, 68, 69, 0, 0},
                                          {86, 87, 70, 71, 0, 0},
                                          {88, 89, 72, 73, 0, 0},
                                          {90, 91, 74, 75, 58, 59},
                                          {92, 93, 76, 77, 60, 61}};
    SetPlantRows(bottom, col, kSteps[step]);
    if (step < 4) {
        step += 1;
        return false;
    }
    return true;
}

// A burnt plant leaves the floor under it whole.
void PlantBurn(int bottom, int col) {
    static const ChipCode kBurnt[6] = {2, 2, 0, 0, 0, 0};
    SetPlantRows(bottom, col, kBurnt);
}

// Faller 1 fades out in four pictures, then is no longer seen. True at its end.
bool Faller1Vanishing() {
    Stage8State& s = g_Stage8;
    if (g_Now - s.t5 < 100) return false;
    s.t5 = g_Now;
    Faller& f = Faller1();
    if (s.faller1Frame < 4) {
        float v = 0.0625f * float(s.faller1Frame);
        f.quad.v[0].v = f.quad.v[1].v = v;
        f.quad.v[2].v = f.quad.v[3].v = v + 0.0625f;
        s.faller1Frame += 1;
        return false;
    }
    SetQuadColour(f.quad, 0x00FFFFFFu);
    s.faller1Gone = 1;
    return true;
}

void SetColumn(ChipCode r6, ChipCode r7, ChipCode r8, ChipCode r9) {
    SetCell(6, 16, r6);
    SetCell(7, 16, r7);
    SetCell(8, 16, r8);
    SetCell(9, 16, r9);
}

// Water raises the column to four cells. True at its end.
bool ColumnGrowth() {
    Stage8State& s = g_Stage8;
    if (g_Now - s.t6 < 150) return false;
    s.t6 = g_Now;
    static const ChipCode kSteps[3][4] = {{0, 0, 35, 51}, {0, 18, 34, 50}, {1, 17, 33, 49}};
    if (s.columnStep < 3) {
        const ChipCode* c = kSteps[s.columnStep];
        SetColumn(c[0], c[1], c[2], c[3]);
        s.columnStep += 1;
        return false;
    }
    s.columnChanged = 1;
    return true;
}

void ColumnBurn() { SetColumn(0, 0, 0, 2); }

void PutOutFlame17() {
    SetCell(8, 17, 0);
    SetCell(9, 17, 164);
    g_Stage8.flame17State = 2;
}
void PutOutFlame18() {
    SetCell(8, 18, 0);
    SetCell(9, 18, 164);
    g_Stage8.flame18State = 2;
}

// Closing of every event block: the counter runs up to its limit.
void Count(int& n, int limit) {
    if (n < limit) n += 1;
}

// Fire at the walls (events 1 and 2) only shakes the block sprite.
void WallFire(int event, const Actor& a, int limit) {
    int& n = g_Stage8.count[event];
    if (!Triggered(a, kPaintRed, 0, 352, 96)) return;
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, 0);
    if (n >= 30) BlockShake(a);
    Count(n, limit);
}

void PlantAWater() {
    Stage8State& s = g_Stage8;
    int& n = s.count[3];
    Actor a = PartnerActor();
    // The plant does not grow into a hero standing over the gap.
    bool heroOverGap = g_Hero.x >= 192 && g_Hero.x < 256 && g_Hero.y >= 32 && g_Hero.y <= 64;
    if (!Triggered(a, kPaintBlue, 1, 260, 96) || s.plantAGrown != 0 || heroOverGap) return;
    a.w.halted = 1;
    a.pose = 2;
    WaterGesture(a, n, s_Twinkles[3], -16, WaterBigX(a));
    if (n > 30 && PlantGrowth(s.plantAStep, 4, 7)) {
        WaterEnd(a, true);
        s.plantAGrown = 1;
    }
    Count(n, 70);
}

void PlantBWater() {
    Stage8State& s = g_Stage8;
    int& n = s.count[4];
    Actor a = HeroActor();
    if (!Triggered(a, kPaintBlue, 1, 130, 256) || s.plantBChanged != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    WaterGesture(a, n, s_Twinkles[4], -16, WaterBigX(a));
    if (n > 30 && PlantGrowth(s.plantBStep, 9, 3)) {
        WaterEnd(a);
        s.plantBChanged = 1;
    }
    Count(n, 70);
}

// Fire at a plant from its right (events 5 to 8); returns true on the tick it burns.
bool PlantFire(int event, const Actor& a, int limit, int bottom, int col) {
    int& n = g_Stage8.count[event];
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, FireBigX(a));
    bool burns = n >= 50;
    if (burns) {
        PlantBurn(bottom, col);
        FireEnd(a);
    }
    Count(n, limit);
    return burns;
}

void PlantAFire() {
    Stage8State& s = g_Stage8;
    Actor a = PartnerActor();
    if (Triggered(a, kPaintRed, 1, 260, 96) && s.plantAGrown == 0) {
        if (PlantFire(5, a, 79, 4, 7)) {
            s.partnerStopLow = 1;
            s.heroStopLow = 1;
        }
    }
}

void GrownPlantAFire() {
    Stage8State& s = g_Stage8;
    Actor a = PartnerActor();
    if (Triggered(a, kPaintRed, 1, 260, 96) && s.plantAGrown == 1) {
        if (PlantFire(6, a, 70, 4, 7) && s.plantBChanged == 0) {
            s.partnerStopLow = 1;
            s.heroStopLow = 1;
        }
    }
}

void PlantBFire() {
    Stage8State& s = g_Stage8;
    Actor a = HeroActor();
    if (Triggered(a, kPaintRed, 1, 130, 256) && s.plantBChanged == 0 && PlantFire(7, a, 70, 9, 3))
        s.plantBChanged = 1;
}

void BurntPlantBFire() {
    Stage8State& s = g_Stage8;
    Actor a = HeroActor();
    if (Triggered(a, kPaintRed, 1, 130, 256) && s.plantBChanged == 1) PlantFire(8, a, 70, 9, 3);
}

// Fire or water from the ledge at faller 1 (events 9 and 10).
void Faller1Fire() {
    Stage8State& s = g_Stage8;
    int& n = s.count[9];
    Actor a = HeroActor();
    if (!Triggered(a, kPaintRed, 0, 511, 128) || s.faller1Gone != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, FireBigX(a));
    if (n >= 30 && Faller1Vanishing()) FireEnd(a);
    Count(n, 70);
}

void Faller1Water() {
    Stage8State& s = g_Stage8;
    int& n = s.count[10];
    Actor a = HeroActor();
    if (!Triggered(a, kPaintBlue, 0, 511, 128) || s.faller1Gone != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    WaterGesture(a, n, s_Twinkles[10], 16, WaterBigX(a));
    if (n > 30 && Faller1Vanishing()) WaterEnd(a);
    Count(n, 70);
}

void ColumnWater(int event, const Actor& a) {
    Stage8State& s = g_Stage8;
    int& n = s.count[event];
    if (!Triggered(a, kPaintBlue, 0, 480, 256) || s.columnChanged != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    WaterGesture(a, n, s_Twinkles[event], -16, WaterBigX(a));
    if (n > 30 && ColumnGrowth()) WaterEnd(a);
    Count(n, 70);
}

void ColumnFire(int event, const Actor& a) {
    Stage8State& s = g_Stage8;
    int& n = s.count[event];
    if (!Triggered(a, kPaintRed, 0, 480, 256) || s.columnChanged != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, FireBigX(a));
    if (n >= 50) {
        ColumnBurn();
        FireEnd(a);
        s.columnChanged = 1;
    }
    Count(n, 70);
}

// Water puts a flame out (events 15 to 17); `after` is the counter it waits for.
void FlameWater(int event, const Actor& a, float x, int after, void (*putOut)()) {
    int& n = g_Stage8.count[event];
    if (!Triggered(a, kPaintBlue, 0, x, 256)) return;
    a.w.halted = 1;
    a.pose = 2;
    WaterGesture(a, n, s_Twinkles[event], -16, -32);
    if (n > after) {
        putOut();
        WaterEnd(a);
    }
    Count(n, 70);
}

// Fire at a flame (events 18 to 20) is spent for nothing.
void FlameFire(int event, const Actor& a, float x, int flameState, int after, float bigX, int limit) {
    int& n = g_Stage8.count[event];
    if (!Triggered(a, kPaintRed, 0, x, 256) || flameState != 0) return;
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, bigX);
    if (n >= after) FireEnd(a);
    Count(n, limit);
}

// Fire at the changed column (events 21 and 22): the column burns, then the
// ledge; faller 1 drops on the flames and steams; at 70 both flames are out.
void LedgeFire(int event, const Actor& a, SprayParticle* steam, int limit) {
    Stage8State& s = g_Stage8;
    int& n = s.count[event];
    if (!Triggered(a, kPaintRed, 0, 480, 256) || s.columnChanged != 1) return;
    a.w.halted = 1;
    a.pose = 2;
    FireGesture(a, n, FireBigX(a));
    if (n >= 20) {
        if (g_Now - s.t6 >= 150) {
            s.t6 = g_Now;
            if (s.ledgeStep == 0) {
                ColumnBurn();
                s.ledgeStep = 1;
            } else {
                for (int col = 16; col <= 19; ++col) SetCell(5, col, 0);
            }
        }
        Faller& f = Faller1();
        if (f.y >= 192) UpdateSpray(steam, 10, DrawGlowDot, 0, 0.5f, 9, f.x - 16, f.y, 50, 50);
        if (n >= 70) {
            SetQuadColour(f.quad, 0x00FFFFFFu);
            s.faller1Gone = 1;
            PutOutFlame17();
            PutOutFlame18();
            FireEnd(a);
        }
    }
    Count(n, limit);
}

void GoalColumn() {
    Stage8State& s = g_Stage8;
    if (g_Now - s.t1 < 250) return;
    s.t1 = g_Now;
    SetCell(8, 19, ChipCode(4 + s.col19Frame));
    SetCell(9, 19, ChipCode(20 + s.col19Frame));
    s.col19Frame = (s.col19Frame + 1) % 4;
}

void Flicker(unsigned& t, int state, int& frame, int col) {
    if (g_Now - t < 250) return;
    t = g_Now;
    if (state != 0) return;
    SetCell(8, col, ChipCode(144 + frame));
    SetCell(9, col, ChipCode(160 + frame));
    frame = (frame + 1) % 3;
}

void StopLow(int flag, Walker& w, Quad& q, float columnU) {
    if (flag != 1 || w.y != 224) return;
    q.v[0].u = q.v[3].u = columnU;
    q.v[1].u = q.v[2].u = columnU + 0.125f;
    q.v[0].v = q.v[1].v = 0.625f;
    q.v[2].v = q.v[3].v = 0.6875f;
    w.halted = 1;
}

bool AtPlace(const Walker& w, float x) { return w.x >= x && w.x + 32 <= x + 32 && w.y >= 256 && w.y + 32 <= 288; }

void Rules() {
    Stage8State& s = g_Stage8;
    const Faller& f = Faller1();
    // The wide block on the ledge turns a hero coming from the left.
    if (g_Hero.x + 32 == f.x && g_Hero.y == f.y && s.faller1Gone == 0) g_Hero.facing = 1;

    // Inside the plants' reach a walker tests only its right side.
    g_Partner.collisionMode =
        (g_Partner.x >= 224 && g_Partner.x <= 288 && g_Partner.y >= 32 && g_Partner.y <= 128) ? 1 : 0;
    g_Hero.collisionMode = (g_Hero.x >= 128 && g_Hero.y >= 224 && g_Hero.y <= 288) ? 1 : 0;

    StopLow(s.heroStopLow, g_Hero, g_HeroQuad, g_HeroColumnU);
    StopLow(s.partnerStopLow, g_Partner, g_PartnerQuad, g_PartnerColumnU);

    bool heroHome = AtPlace(g_Hero, 576);
    bool partnerHome = AtPlace(g_Partner, 544);
    MeetAtGoal(heroHome, partnerHome, true);
}

void Stage8Init() {
    Faller& f = Faller1();
    f.quad.v[0].v = f.quad.v[1].v = 0.0f;
    f.quad.v[2].v = f.quad.v[3].v = 0.0625f;
    SetQuadColour(f.quad, 0xFFFFFFFFu);
    s_Block1 = MakeQuad(384, 96, 416, 160, 0.5f, 0.8125f, 0.625f, 0.875f);
    s_Block2 = MakeQuad(416, 96, 448, 160, 0.5f, 0.8125f, 0.625f, 0.875f);
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
    g_Stage8.count[1] = 0;
    g_Stage8.count[2] = 0;
}

void Stage8DrawObjects() {
    DrawQuad(4, Faller1().quad);
    DrawQuad(4, s_Block1);
    DrawQuad(4, s_Block2);
}

}  // namespace

void Stage8Script() {
    Stage8State& s = g_Stage8;
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        s = Stage8State{};
        UpdateRingBursts(0, 0, 0);
        ResetAll();
    }
    GoalColumn();
    Flicker(s.t2, s.flame17State, s.flame17Frame, 17);
    Flicker(s.t3, s.flame18State, s.flame18Frame, 18);

    Actor hero = HeroActor();
    Actor partner = PartnerActor();
    WallFire(1, partner, 72);
    WallFire(2, hero, 70);
    PlantAWater();
    PlantBWater();
    PlantAFire();
    GrownPlantAFire();
    PlantBFire();
    BurntPlantBFire();
    Faller1Fire();
    Faller1Water();
    ColumnWater(11, hero);
    ColumnWater(12, partner);
    ColumnFire(13, hero);
    ColumnFire(14, partner);
    FlameWater(15, hero, 512, 50, PutOutFlame17);
    FlameWater(16, partner, 512, 50, PutOutFlame17);
    FlameWater(17, hero, 544, 30, PutOutFlame18);
    FlameFire(18, hero, 512, s.flame17State, 50, 32, 70);
    FlameFire(19, partner, 512, s.flame17State, 30, 0, 70);
    FlameFire(20, hero, 544, s.flame18State, 30, 32, 50);
    LedgeFire(21, hero, s_HeroSteam, 70);
    LedgeFire(22, partner, s_PartnerSteam, 78);

    Rules();
}

const StageScript kStage8Script = {Stage8Init, Stage8DrawObjects, Stage8Script};
