// Stage 6 gives wind and water only. Three loose objects turn the walkers
// back; a painted walker halts before the one its paint works on: wind or
// water pushes the small block off its floor, wind shoves the wide block down
// to become a step near the goal or water melts it, the third block is pushed
// a cell or softened by water, and the partner's wind opens a shaft through
// the tall rock so that the hero can come down.
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

Stage6State g_Stage6;

namespace {

constexpr int kStage = 6;
constexpr int kHero = 0, kPartner = 1;
constexpr int kWindLimit = 70, kWaterLimit = 50;

// One twinkle spray per water event, by event number; they run on from one
// try to the next like every other spray.
SprayParticle s_Twinkles[kStage6Events + 1][20];

Faller& Block() { return g_Fallers[kStage][0]; }      // faller 1, the small block
Faller& WideBlock() { return g_Fallers[kStage][1]; }  // faller 2
Faller& LowBlock() { return g_Fallers[kStage][2]; }   // faller 3

void SetCell(int row, int col, ChipCode code) { MapCell(kStage, row, col) = code; }

Walker& WalkerOf(int who) { return who == kHero ? g_Hero : g_Partner; }
PaintColour& PaintOf(int who) { return who == kHero ? g_HeroPaint : g_PartnerPaint; }
int& PoseOf(int who) { return who == kHero ? g_HeroPose : g_PartnerPose; }

// Sets the v range of a quad, top to bottom.
void SetV(Quad& q, float v0, float v1) {
    q.v[0].v = q.v[1].v = v0;
    q.v[2].v = q.v[3].v = v1;
}
void SetU(Quad& q, float u0, float u1) {
    q.v[0].u = q.v[3].u = u0;
    q.v[1].u = q.v[2].u = u1;
}

bool Due(unsigned& last, unsigned interval) {
    if (g_Now - last < interval) return false;
    last = g_Now;
    return true;
}

// A walker's event is over: it loses its paint and walks on.
void EndWind(int who) {
    PaintOf(who) = 0;
    WalkerOf(who).halted = 0;
    PoseOf(who) = 0;
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    DrawColumnEffect2(0, 0, 0, 0);
}

void EndWater(int who) {
    PaintOf(who) = 0;
    WalkerOf(who).halted = 0;
    PoseOf(who) = 0;
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}

void EndOf(int who, int gesture);

// The wind gesture; mirrored for a walker who faces right.
void WindGesture(const Walker& w, int n, bool mirrored) {
    const float sparkX = mirrored ? w.x : w.x - 64;
    const float bigX = mirrored ? w.x + 32 : w.x - 32;
    if (n < 30) {
        DrawSparkEffect(sparkX, w.y, 100, 1, mirrored ? 1 : 0, 2);
        DrawSparkEffect(sparkX, w.y, -1, 1, mirrored ? 1 : 0, 2);
    }
    if (n == 1) PlayEffect(1);
    if (n >= 10 && n < 20) {
        DrawColumnEffect2(sparkX, w.y - 64, 70, 1);
        DrawColumnEffect2(sparkX, w.y - 64, -1, 1);
    }
    if (n == 13) PlayEffect(5);
    if (n > 20) {
        DrawBigEffect(bigX, w.y, 70, 1, 2);
        DrawBigEffect(bigX, w.y, -1, 1, 2);
    }
}

void WaterGesture(const Walker& w, int n, int event) {
    Stage6State& s = g_Stage6;
    if (n < 15) {
        DrawSparkEffect(w.x - 64, w.y, -1, 1, 0, 1);
        DrawSparkEffect(w.x - 64, w.y, 128, 1, 0, 1);
    }
    if (n == 1) PlayEffect(1);
    // Two rings of drops on the window's second tick.
    if (n >= 1 && n <= 15) {
        if (s.ringGate == 1) {
            SpawnColourBurst(w.x, w.y + 32, 1, 3, 1);
            SpawnColourBurst(w.x, w.y + 32, 1, 3, 1);
        }
        s.ringGate += 1;
    } else {
        s.ringGate = 0;
    }
    if (n >= 15 && n < 35 && Due(s.t[2], 30)) {
        const float ox = event == 2 ? w.x - 16 : w.x - 32;
        UpdateSpray(s_Twinkles[event], 20, DrawTwinkle, 0, 0.2f, 4, ox, w.y - 32, 60, 60);
    }
    if (n > 20) {
        DrawBigEffect(w.x - 32, w.y + 16, 70, 1, 1);
        DrawBigEffect(w.x - 32, w.y + 16, -1, 1, 1);
    }
    if (n == (event == 5 ? 13 : 20)) PlayEffect(3);
}

// Shoves a block 2 pixels left every 25 ms while it is not yet past limit.
void Push(Faller& f, unsigned& timer, float limit, int n) {
    if (!Due(timer, 25)) return;
    if (f.x >= limit) {
        f.x -= 2;
        if (n == 35) PlayEffect(8);
    }
}

enum Gesture : uint8_t { kWind, kWater, kWindFacingRight };

struct EventCtx {
    int event, who, n;
    Gesture gesture;
};

// What an event does once its gesture has run past 30 ticks.
using Consequence = void (*)(const EventCtx&);
using Ready = bool (*)();

void End(const EventCtx& c) { EndOf(c.who, c.gesture); }

// Event 1: wind blows the column-5 rock away in two 200 ms steps.
void BlowRockAway(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    if (!Due(s.t[3], 200) || s.col5State != 1) return;
    if (s.col5Step == 0) {
        SetCell(0, 5, 13);
        SetCell(1, 5, 29);
        s.col5Step = 1;
    } else {
        SetCell(0, 5, 0);
        SetCell(1, 5, 30);
        End(c);
        s.heroStopLow = 1;
        s.col5State = 2;
    }
}

// Event 2: water washes it away at once.
void WashRockAway(const EventCtx& c) {
    SetCell(0, 5, 0);
    SetCell(1, 5, 30);
    End(c);
    g_Stage6.heroStopLow = 1;
    g_Stage6.col5State = 2;
}

void PushBlock(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    Push(Block(), c.who == kHero ? s.t[4] : s.t[5], 320, c.n);
    if (Block().y == 96) {
        End(c);
        s.faller1Moved = 1;
    }
}

// The wide block, once down, also ends any push of the small one.
void PushWideBlock(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    Push(WideBlock(), s.t[6], 128, c.n);
    if (WideBlock().y == 224) {
        End(c);
        s.faller1Moved = 1;
    }
}

// Event 9: the tall rock goes, leaving a shaft and two floor cells.
void OpenShaft(const EventCtx& c) {
    SetCell(3, 14, 3);
    SetCell(3, 15, 3);
    SetCell(2, 14, 0);
    SetCell(2, 15, 0);
    SetCell(1, 14, 0);
    SetCell(1, 15, 0);
    End(c);
}

void MeltWideBlock(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    if (!Due(s.t[6], 100)) return;
    if (s.faller2Frame < 4) {
        const float v0 = 0.0625f * float(s.faller2Frame);
        SetV(WideBlock().quad, v0, v0 + 0.0625f);
        s.faller2Frame += 1;
        return;
    }
    SetQuadColour(WideBlock().quad, 0x00FFFFFFu);
    End(c);
    (c.who == kHero ? s.heroStopLow : s.partnerStopLow) = 1;
    s.faller2Moved = 1;
}

// Water softens the low block over six pictures; then nobody bumps into it.
void SoftenLowBlock(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    if (!Due(c.who == kHero ? s.t[6] : s.t[7], 100)) return;
    if (s.faller3Frame < 5) {
        const float u0 = 0.125f * float(s.faller3Frame);
        SetU(LowBlock().quad, u0, u0 + 0.125f);
        s.faller3Frame += 1;
        return;
    }
    End(c);
    s.faller3State = 2;
}

void PushLowBlock(const EventCtx& c) {
    Stage6State& s = g_Stage6;
    Push(LowBlock(), s.t[8], 288, c.n);
    if (LowBlock().x == 288) {
        End(c);
        s.faller3State = 1;
    }
}

bool Always() { return true; }
bool RockStanding() { return g_Stage6.col5State <= 1; }
bool BlockInPlace() { return g_Stage6.faller1Moved == 0; }
bool WideBlockInPlace() { return g_Stage6.faller2Moved == 0; }
bool LowBlockInPlace() { return g_Stage6.faller3State == 0; }
bool LowBlockPushed() { return g_Stage6.faller3State == 1; }

constexpr float kAnyY = -1;

struct EventRow {
    uint8_t who;
    PaintColour paint;
    uint8_t facing;
    float x, y;  // y kAnyY: on any floor
    Gesture gesture;
    Ready ready;
    Consequence act;
};

constexpr PaintColour G = kPaintGreen, B = kPaintBlue;

// The seventeen events, in the order they are tried every tick.
const EventRow kEvents[kStage6Events + 1] = {
    {},
    {kHero, G, 1, 192, 0, kWind, RockStanding, BlowRockAway},
    {kHero, B, 1, 192, 0, kWater, Always, WashRockAway},
    {kHero, G, 1, 389, 64, kWind, BlockInPlace, PushBlock},
    {kPartner, G, 1, 389, 64, kWind, BlockInPlace, PushBlock},
    {kHero, B, 1, 389, 64, kWater, BlockInPlace, PushBlock},
    {kPartner, B, 1, 389, 64, kWater, BlockInPlace, PushBlock},
    {kHero, G, 1, 256, 96, kWind, WideBlockInPlace, PushWideBlock},
    {kPartner, G, 1, 256, 96, kWind, WideBlockInPlace, PushWideBlock},
    {kPartner, G, 0, 426, kAnyY, kWindFacingRight, Always, OpenShaft},
    {kHero, B, 1, 256, 96, kWater, WideBlockInPlace, MeltWideBlock},
    {kPartner, B, 1, 256, 96, kWater, WideBlockInPlace, MeltWideBlock},
    {kHero, B, 1, 354, 160, kWater, LowBlockInPlace, SoftenLowBlock},
    {kPartner, B, 1, 354, 160, kWater, LowBlockInPlace, SoftenLowBlock},
    {kHero, B, 1, 321, 160, kWater, LowBlockPushed, SoftenLowBlock},
    {kPartner, B, 1, 321, 160, kWater, LowBlockPushed, SoftenLowBlock},
    {kHero, G, 1, 354, 160, kWind, LowBlockInPlace, PushLowBlock},
    {kPartner, G, 1, 354, 160, kWind, LowBlockInPlace, PushLowBlock},
};

void EndOf(int who, int gesture) {
    if (gesture == kWater)
        EndWater(who);
    else
        EndWind(who);
}

void RunEvent(int e) {
    const EventRow& row = kEvents[e];
    Walker& w = WalkerOf(row.who);
    if (PaintOf(row.who) != row.paint || w.facing != row.facing || w.x != row.x) return;
    if (row.y != kAnyY && w.y != row.y) return;
    if (!row.ready()) return;
    Stage6State& s = g_Stage6;
    if (e == 1) s.col5State = 1;
    int& n = s.count[e];
    w.halted = 1;
    PoseOf(row.who) = 2;
    if (row.gesture == kWater)
        WaterGesture(w, n, e);
    else
        WindGesture(w, n, row.gesture == kWindFacingRight);
    if (n > 30) row.act({e, row.who, n, row.gesture});
    if (n < (row.gesture == kWater ? kWaterLimit : kWindLimit)) n += 1;
}

void AnimateGoalColumn() {
    Stage6State& s = g_Stage6;
    if (!Due(s.t[1], 250)) return;
    SetCell(6, 0, ChipCode(42 + s.col0Frame));
    SetCell(7, 0, ChipCode(58 + s.col0Frame));
    s.col0Frame = (s.col0Frame + 1) % 4;
}

void AnimateRock() {
    Stage6State& s = g_Stage6;
    if (!Due(s.t[2], 250) || s.col5State != 0) return;
    SetCell(0, 5, ChipCode(10 + s.col5IdleFrame));
    SetCell(1, 5, ChipCode(26 + s.col5IdleFrame));
    s.col5IdleFrame = (s.col5IdleFrame + 1) % 3;
}

// The blocks are not in the map, so the script turns the walkers at them.
void TurnAtBlocks(Walker& w) {
    const Stage6State& s = g_Stage6;
    const Faller &f1 = Block(), &f2 = WideBlock(), &f3 = LowBlock();
    if (f1.x + 32 == w.x && f1.y == w.y) w.facing = 0;
    if (w.x + 32 == f1.x && w.y == f1.y) w.facing = 1;
    if (f2.x + 50 == w.x && s.faller2Moved == 0 && f2.y == w.y) w.facing = 0;
    if (f3.x + 32 == w.x && f3.y == w.y && s.faller3State != 2) w.facing = 0;
}

// A walker on top of the small or the wide block stays at its height.
void StandOnBlocks(Walker& w) {
    const Faller &f1 = Block(), &f2 = WideBlock();
    const bool onBlock = f1.y - 16 <= w.y && w.y <= f1.y && f1.x - 32 <= w.x && w.x <= f1.x + 32;
    const bool onWide = f2.y - 42 <= w.y && w.y <= f2.y + 32 && f2.x - 32 <= w.x && w.x <= f2.x + 64;
    w.gravityOff = (onBlock || onWide) ? 1 : 0;
}

// The crouching picture of a walker stopped low.
void StopLow(Walker& w, Quad& q, float columnU) {
    SetQuadUV(q, columnU, 0.625f, columnU + 0.125f, 0.6875f);
    w.halted = 1;
}

bool At(const Walker& w, float x, float y) { return w.x >= x && w.x + 32 <= x + 32 && w.y >= y && w.y + 32 <= y + 32; }

void Rules() {
    Stage6State& s = g_Stage6;
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
    SetQuadColour(Block().quad, 0xFFFFFFFFu);
    SetV(Block().quad, 0, 0.0625f);
    SetQuadColour(WideBlock().quad, 0xFFFFFFFFu);
    SetV(WideBlock().quad, 0, 0.0625f);
    SetQuadColour(LowBlock().quad, 0xFFFFFFFFu);
    SetU(LowBlock().quad, 0, 0.125f);
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
}

void Stage6DrawObjects() {
    // The chip at the foot of the goal floor, drawn over the map.
    static const Quad kGoalChip = MakeQuad(96, 224, 128, 256, 0.1875f, 0, 0.25f, 0.0625f);
    DrawQuad(kChipSheetSlot, kGoalChip);
    DrawQuad(4, Block().quad);
    DrawQuad(4, WideBlock().quad);
    DrawQuad(4, LowBlock().quad);
}

}  // namespace

void Stage6Script() {
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        Stage6State& s = g_Stage6;
        const int col0Frame = s.col0Frame;
        const unsigned goalTime = s.t[1];
        s = Stage6State{};
        s.col0Frame = col0Frame;
        s.t[1] = goalTime;
        DrawSparkEffect(0, 0, 0, 0, 0, 0);
        DrawBigEffect(0, 0, 0, 0, 0);
        DrawColumnEffect2(0, 0, 0, 0);
        DrawColumnEffect(0, 0, 0, 0);
    }
    AnimateGoalColumn();
    AnimateRock();
    for (int e = 1; e <= kStage6Events; ++e) RunEvent(e);
    Rules();
}

const StageScript kStage6Script = {Stage6Init, Stage6DrawObjects, Stage6Script};
