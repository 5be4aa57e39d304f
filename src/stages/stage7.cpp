// Stage 7 gives one paint of each colour. The hero's wind or water shoves the
// block on the top floor onto a ledge; his fire then burns the ledge so the
// block drops onto the flickering stone and smashes it, while his wind or
// water clears the stone directly. Wind or water at the partner's block
// pushes it off its floor; fire only makes a block shake. The partner's wind
// or fire clears the tall rock. Standing on the flickering stone traps a
// walker for good.
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

Stage7State g_Stage7;

namespace {

constexpr int kStage = 7;
constexpr int kHero = 0, kPartner = 1;
constexpr PaintColour kTrapped = 4;  // no event starts with it; no brush paints over it

// Twinkles of the water events, by event number, and the trapped walkers'
// glow; like every spray they are never rewound.
SprayParticle s_Twinkles[kStage7Events + 1][20];
SprayParticle s_TrapHero[20], s_TrapPartner[20];

Faller& Block() { return g_Fallers[kStage][0]; }         // faller 1, top floor
Faller& PartnerBlock() { return g_Fallers[kStage][1]; }  // faller 2, partner's floor

void SetCell(int row, int col, ChipCode code) { MapCell(kStage, row, col) = code; }

Walker& WalkerOf(int who) { return who == kHero ? g_Hero : g_Partner; }
PaintColour& PaintOf(int who) { return who == kHero ? g_HeroPaint : g_PartnerPaint; }
int& PoseOf(int who) { return who == kHero ? g_HeroPose : g_PartnerPose; }

void SetU(Quad& q, float u0, float u1) {
    q.v[0].u = q.v[3].u = u0;
    q.v[1].u = q.v[2].u = u1;
}
void SetV(Quad& q, float v0, float v1) {
    q.v[0].v = q.v[1].v = v0;
    q.v[2].v = q.v[3].v = v1;
}

bool Due(unsigned& last, unsigned interval) {
    if (g_Now - last < interval) return false;
    last = g_Now;
    return true;
}

enum Gesture : uint8_t { kFire, kWind, kWater };

void EndEvent(int who, Gesture g) {
    PaintOf(who) = 0;
    WalkerOf(who).halted = 0;
    PoseOf(who) = 0;
    if (g == kFire) DrawColumnEffect(0, 0, 0, 0);
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    if (g == kWind) DrawColumnEffect2(0, 0, 0, 0);
}


// The gestures; `right` mirrors them for a walker facing right.
void FireGesture(const Walker& w, int n, bool right) {
    Stage7State& s = g_Stage7;
    const float near = right ? w.x : w.x - 64;
    const float ringX = right ? w.x + 48 : w.x - 16;
    if (n < 15) {
        DrawSparkEffect(near, w.y, 128, 1, right ? 1 : 0, 0);
        DrawSparkEffect(near, w.y, -1, 1, right ? 1 : 0, 0);
    }
    if (n == 1) PlayEffect(1);
    RingWindow(s.ringGateA, n > 10 && n <= 12, ringX, w.y + 48, 1);
    if (n >= 15 && n < 20) {
        DrawColumnEffect(near, w.y - 64, 50, 1);
        DrawColumnEffect(near, w.y - 64, -1, 1);
    }
    if (n == 17) PlayEffect(0);
    RingWindow(s.ringGateB, n >= 18 && n <= 20, ringX, w.y, 1);
    if (n > 20) {
        const float bigX = right ? w.x + 32 : w.x - 32;
        DrawBigEffect(bigX, w.y, 70, 1, 0);
        DrawBigEffect(bigX, w.y, -1, 1, 0);
    }
}

void WindGesture(const Walker& w, int n, bool right) {
    const float near = right ? w.x : w.x - 64;
    if (n < 30) {
        DrawSparkEffect(near, w.y, 100, 1, right ? 1 : 0, 2);
        DrawSparkEffect(near, w.y, -1, 1, right ? 1 : 0, 2);
    }
    if (n == 1) PlayEffect(1);
    if (n >= 10 && n < 20) {
        DrawColumnEffect2(near, w.y - 64, 70, 1);
        DrawColumnEffect2(near, w.y - 64, -1, 1);
    }
    if (n == 13) PlayEffect(5);
    if (n > 20) {
        const float bigX = right ? w.x + 32 : w.x - 32;
        DrawBigEffect(bigX, w.y, 70, 1, 2);
        DrawBigEffect(bigX, w.y, -1, 1, 2);
    }
}

void WaterGesture(const Walker& w, int n, bool right, int event, float sprayX, float sprayY) {
    Stage7State& s = g_Stage7;
    const float near = right ? w.x : w.x - 64;
    if (n < 15) {
        DrawSparkEffect(near, w.y, -1, 1, right ? 1 : 0, 1);
        DrawSparkEffect(near, w.y, 128, 1, right ? 1 : 0, 1);
    }
    if (n == 1) PlayEffect(1);
    // Two rings of drops on the window's second tick.
    if (n >= 1 && n <= 15) {
        if (s.ringGateA == 1) {
            const float rx = right ? w.x + 32 : w.x;
            SpawnColourBurst(rx, w.y + 32, 1, 3, 1);
            SpawnColourBurst(rx, w.y + 32, 1, 3, 1);
        }
        s.ringGateA += 1;
    } else {
        s.ringGateA = 0;
    }
    if (n >= 15 && n < 35 && Due(s.t[6], 30))
        UpdateSpray(s_Twinkles[event], 20, DrawTwinkle, 0, right ? 0.5f : 0.2f, right ? 5 : 4, sprayX, sprayY, 60,
                    60);
    if (n > 20) {
        const float bigX = right ? w.x + 32 : w.x - 32;
        DrawBigEffect(bigX, w.y + 16, 70, 1, 1);
        DrawBigEffect(bigX, w.y + 16, -1, 1, 1);
    }
    if (n == 20) PlayEffect(3);
}

struct EventCtx {
    int event, who, n;
    Gesture gesture;
};

void End(const EventCtx& c) {
    EndEvent(c.who, c.gesture);
    if (c.event == 10) DrawColumnEffect(0, 0, 0, 0);
}

// Moves a block 2 pixels every 25 ms while `mayMove` holds.
void Push(Faller& f, unsigned& timer, bool mayMove, float dx, int n) {
    if (!Due(timer, 25)) return;
    if (!mayMove) return;
    f.x += dx;
    if (n == 35) PlayEffect(8);
}

// Fire only rocks a block through seven pictures, then lets the walker go.
void Shake(const EventCtx& c, Faller& f, unsigned& timer, int& step, bool alongU) {
    static const float kU[7] = {0.5f, 0.625f, 0.75f, 0.875f, 0.75f, 0.625f, 0.5f};
    static const float kV[7] = {0, 0.0625f, 0.125f, 0.1875f, 0.125f, 0.0625f, 0};
    if (!Due(timer, 150)) return;
    if (step < 7) {
        if (alongU)
            SetU(f.quad, kU[step], kU[step] + 0.125f);
        else
            SetV(f.quad, kV[step], kV[step] + 0.0625f);
        step += 1;
        return;
    }
    End(c);
    step = 0;
}

// Event 1: wind blows the flickering stone away in two 200 ms steps.
void BlowStoneAway(const EventCtx& c) {
    Stage7State& s = g_Stage7;
    if (c.n <= 30 || !Due(s.t[3], 200) || s.obstacleState != 1) return;
    if (s.obstacleStep == 0) {
        SetCell(4, 12, 60);
        SetCell(5, 12, 76);
        s.obstacleStep = 1;
    } else {
        SetCell(4, 12, 0);
        SetCell(5, 12, 77);
        End(c);
        s.obstacleState = 2;
    }
}

// Event 2: fire burns the ledge; the block on it falls through the stone.
void BurnLedge(const EventCtx& c) {
    Stage7State& s = g_Stage7;
    if (c.n >= 30) SetCell(2, 12, 0);
    if (Block().y < 96) return;
    s.obstacleState = 1;
    SetCell(4, 12, 0);
    SetCell(5, 12, 77);
    if (Block().y >= 128) {
        End(c);
        g_Hero.facing = 0;
        s.obstacleState = 2;
        s.faller1State = 2;
    }
}

void WashStoneAway(const EventCtx& c) {
    if (c.n <= 30) return;
    SetCell(4, 12, 0);
    SetCell(5, 12, 77);
    End(c);
    g_Stage7.obstacleState = 2;
}

void PushBlockOntoLedge(const EventCtx& c) {
    Stage7State& s = g_Stage7;
    if (c.n <= 30) return;
    Push(Block(), s.t[4], Block().x <= 384, 2, c.n);
    if (Block().y == 32) {
        End(c);
        s.heroStopLow = 0;
        s.faller1State = 1;
    }
}

void ShakeBlock(const EventCtx& c) {
    if (c.n >= 30) Shake(c, Block(), g_Stage7.t[4], g_Stage7.faller1Frame, true);
}

void PushPartnerBlock(const EventCtx& c) {
    Stage7State& s = g_Stage7;
    if (c.n <= 30) return;
    Push(PartnerBlock(), s.t[5], PartnerBlock().x >= 65, -2, c.n);
    if (PartnerBlock().y == 160) {
        End(c);
        s.faller2Moved = 1;
    }
}

void ShakePartnerBlock(const EventCtx& c) {
    if (c.n >= 30) Shake(c, PartnerBlock(), g_Stage7.t[5], g_Stage7.faller2Frame, false);
}

// Events 13 and 14: the tall rock goes; two floor cells stay on the
// partner's floor and the top floor has a gap.
void ClearTallRock(const EventCtx& c) {
    if (c.gesture == kWind ? c.n <= 50 : c.n < 50) return;
    SetCell(1, 6, 0);
    SetCell(1, 7, 0);
    SetCell(2, 6, 0);
    SetCell(2, 7, 0);
    SetCell(3, 6, 7);
    SetCell(3, 7, 7);
    End(c);
}

bool Always() { return true; }
bool StoneStanding() { return g_Stage7.obstacleState <= 1; }
bool StoneStandingPartnerClean() { return g_Stage7.obstacleState <= 1 && g_PartnerPaint == 0; }
bool BlockAtStart() { return g_Stage7.faller1State == 0; }
bool PartnerBlockInPlace() { return g_Stage7.faller2Moved == 0; }

constexpr float kUpToY = -1;  // y: the floor at 96 or any above it

struct EventRow {
    uint8_t who;
    PaintColour paint;
    uint8_t facing;
    float x, y;  // kUpToY: y 96 or less
    Gesture gesture;
    int limit;
    bool (*ready)();
    void (*act)(const EventCtx&);
    float sprayDx, sprayDy;  // water: twinkles' origin from the walker
};

constexpr PaintColour R = kPaintRed, G = kPaintGreen, B = kPaintBlue;

// The fourteen events, in the order they are tried every tick.
const EventRow kEvents[kStage7Events + 1] = {
    {},
    {kHero, G, 1, 416, 128, kWind, 70, StoneStanding, BlowStoneAway, 0, 0},
    {kHero, R, 1, 417, 128, kFire, 71, StoneStandingPartnerClean, BurnLedge, 0, 0},
    {kHero, B, 1, 416, 128, kWater, 70, Always, WashStoneAway, -32, -32},
    {kHero, G, 0, 319, 0, kWind, 70, BlockAtStart, PushBlockOntoLedge, 0, 0},
    {kHero, B, 0, 319, 0, kWater, 70, BlockAtStart, PushBlockOntoLedge, 48, -16},
    {kHero, R, 0, 319, 0, kFire, 71, BlockAtStart, ShakeBlock, 0, 0},
    {kPartner, G, 1, 129, 64, kWind, 70, PartnerBlockInPlace, PushPartnerBlock, 0, 0},
    {kPartner, B, 1, 129, 64, kWater, 70, PartnerBlockInPlace, PushPartnerBlock, -32, 0},
    {kPartner, R, 1, 129, 64, kFire, 70, PartnerBlockInPlace, ShakePartnerBlock, 0, 0},
    {kHero, G, 1, 129, 64, kWind, 70, PartnerBlockInPlace, PushPartnerBlock, 0, 0},
    {kHero, B, 1, 129, 64, kWater, 70, PartnerBlockInPlace, PushPartnerBlock, -32, 0},
    {kHero, R, 1, 129, 64, kFire, 70, PartnerBlockInPlace, ShakePartnerBlock, 0, 0},
    {kPartner, G, 0, 183, kUpToY, kWind, 70, Always, ClearTallRock, 0, 0},
    {kPartner, R, 0, 183, kUpToY, kFire, 70, Always, ClearTallRock, 0, 0},
};

void RunEvent(int e) {
    const EventRow& row = kEvents[e];
    Walker& w = WalkerOf(row.who);
    if (PaintOf(row.who) != row.paint || w.facing != row.facing || w.x != row.x) return;
    if (row.y == kUpToY ? w.y > 96 : w.y != row.y) return;
    if (!row.ready()) return;
    Stage7State& s = g_Stage7;
    if (e == 1) s.obstacleState = 1;
    int& n = s.count[e];
    w.halted = 1;
    PoseOf(row.who) = 2;
    const bool right = row.facing == 0;
    switch (row.gesture) {
        case kFire: FireGesture(w, n, right); break;
        case kWind: WindGesture(w, n, right); break;
        case kWater: WaterGesture(w, n, right, e, w.x + row.sprayDx, w.y + row.sprayDy); break;
    }
    row.act({e, row.who, n, row.gesture});
    if (n < row.limit) n += 1;
}

void AnimateGoalColumn() {
    Stage7State& s = g_Stage7;
    if (!Due(s.t[1], 250)) return;
    SetCell(8, 0, ChipCode(160 + s.col0Frame));
    SetCell(9, 0, ChipCode(176 + s.col0Frame));
    s.col0Frame = (s.col0Frame + 1) % 4;
}

void AnimateStone() {
    Stage7State& s = g_Stage7;
    if (!Due(s.t[2], 250) || s.obstacleState != 0) return;
    SetCell(4, 12, ChipCode(57 + s.obstacleIdleFrame));
    SetCell(5, 12, ChipCode(73 + s.obstacleIdleFrame));
    s.obstacleIdleFrame = (s.obstacleIdleFrame + 1) % 3;
}

bool SameY(const Walker& w, const Faller& f) { return w.y == f.y; }

bool InBox(const Walker& w, const Faller& f) {
    return f.y - 32 <= w.y && w.y <= f.y && f.x - 32 <= w.x && w.x <= f.x + 32;
}
bool OnLowBlock(const Walker& w, const Faller& f) {
    return f.y - 16 <= w.y && w.y <= f.y && f.x - 32 <= w.x && w.x <= f.x + 32;
}

bool OnStone(const Walker& w) { return w.x >= 384 && w.x + 32 <= 416 && w.y + 32 == 128; }

bool At(const Walker& w, float x, float y) {
    return w.x >= x && w.x + 32 <= x + 32 && w.y >= y && w.y + 32 <= y + 32;
}

// A trapped walker glows for 21 ticks and then just stands, caught.
void HoldTrapped(Walker& w, Quad& q, SprayParticle* glow, int& count) {
    if (count >= 0 && count <= 20)
        UpdateSpray(glow, 20, DrawGlowDot, 0, 0.5f, 9, w.x - 16, w.y, 50, 50);
    SetQuadUV(q, 0.625f, 0, 0.75f, 0.0625f);
    w.halted = 1;
    if (count < 21) count += 1;
}

void Rules() {
    Stage7State& s = g_Stage7;
    const Faller &f1 = Block(), &f2 = PartnerBlock();
    // The blocks are not in the map, so the script turns the walkers at them.
    if (g_Hero.x + 32 == f1.x && SameY(g_Hero, f1)) g_Hero.facing = 1;
    if (f1.x + 32 == g_Hero.x && SameY(g_Hero, f1)) g_Hero.facing = 0;
    if (f2.x + 32 == g_Hero.x && SameY(g_Hero, f2)) g_Hero.facing = 0;
    if (f2.x + 32 == g_Partner.x && SameY(g_Partner, f2)) g_Partner.facing = 0;
    if (g_Partner.x + 32 == f2.x && SameY(g_Partner, f2)) g_Partner.facing = 1;

    g_Hero.gravityOff = (InBox(g_Hero, f1) || OnLowBlock(g_Hero, f2)) ? 1 : 0;
    g_Partner.gravityOff = (OnLowBlock(g_Partner, f2) || InBox(g_Partner, f1)) ? 1 : 0;

    // A narrow box near the tall rock lets the partner walk a little into it.
    g_Partner.collisionMode =
        (g_Partner.x >= 128 && g_Partner.x <= 192 && g_Partner.y >= 64 && g_Partner.y <= 96) ? 1 : 0;

    if (OnStone(g_Hero) && s.faller1State != 2) g_HeroPaint = kTrapped;
    if (OnStone(g_Partner) && s.faller1State != 2) g_PartnerPaint = kTrapped;

    if (g_Hero.x + 32 <= 240 && g_Hero.y == 0 && g_Hero.facing == 1) s.heroStopLow = 1;
    if (s.heroStopLow == 1 && g_Hero.y == 128) {
        SetQuadUV(g_HeroQuad, g_HeroColumnU, 0.625f, g_HeroColumnU + 0.125f, 0.6875f);
        g_Hero.halted = 1;
    }

    if (g_HeroPaint == kTrapped) HoldTrapped(g_Hero, g_HeroQuad, s_TrapHero, s.trapCountHero);
    if (g_PartnerPaint == kTrapped) HoldTrapped(g_Partner, g_PartnerQuad, s_TrapPartner, s.trapCountPartner);

    // The first to reach the bottom floor's end waits facing the other.
    MeetAtGoal(At(g_Hero, 32, 256), At(g_Partner, 64, 256), false);
}

void Stage7Init() {
    SetQuadColour(Block().quad, 0xFFFFFFFFu);
    SetU(Block().quad, 0.5f, 0.625f);
    SetQuadColour(PartnerBlock().quad, 0xFFFFFFFFu);
    SetV(PartnerBlock().quad, 0, 0.0625f);
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
}

void Stage7DrawObjects() {
    // A rock chip hanging in the gap of the top floor; it is only a picture.
    static const Quad kGapChip = MakeQuad(416, 32, 448, 64, 0.4375f, 0, 0.5f, 0.0625f);
    DrawQuad(kChipSheetSlot, kGapChip);
    DrawQuad(4, Block().quad);
    DrawQuad(4, PartnerBlock().quad);
}

}  // namespace

void Stage7Script() {
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        const unsigned sprayTime = g_Stage7.t[6];
        g_Stage7 = Stage7State{};
        g_Stage7.t[6] = sprayTime;
        UpdateRingBursts(0, 0, 0);
        DrawSparkEffect(0, 0, 0, 0, 0, 0);
        DrawBigEffect(0, 0, 0, 0, 0);
        DrawColumnEffect2(0, 0, 0, 0);
        DrawColumnEffect(0, 0, 0, 0);
        DrawSandEffect(0, 0, 0, 0);
    }
    AnimateGoalColumn();
    AnimateStone();
    for (int e = 1; e <= kStage7Events; ++e) RunEvent(e);
    Rules();
}

const StageScript kStage7Script = {Stage7Init, Stage7DrawObjects, Stage7Script};
