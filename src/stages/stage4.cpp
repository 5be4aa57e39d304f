// Stage 4 is the first with all three paints, and most places answer each
// paint in their own way: at a flame green blows and blue washes it out while
// red does nothing; at the plant blue makes it grow into a bridge and red or
// green clears it away; the blocks are shoved by green or blue, or burnt by
// red. The hero walks the bottom floor, the partner starts on the top shelf;
// they meet at the right end of the floor beside the goal column.
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

Stage4State g_Stage4;

namespace {

// Twinkles of the six blue events (hero and partner at each flame, the
// block, the plant), glow of the burning block and tub, steam, the trap.
enum { kTwinkleHero1, kTwinklePartner1, kTwinkleHero2, kTwinklePartner2, kTwinkleBlock, kTwinklePlant };
SprayParticle s_Twinkles[6][20];
SprayParticle s_BlockGlow[20];
SprayParticle s_TubGlow[20];
SprayParticle s_Steam[20];
SprayParticle s_Charring[20];

Faller& Block() { return g_Fallers[4][0]; }
Faller& Tub() { return g_Fallers[4][1]; }

void SetCell(int row, int col, ChipCode code) { MapCell(4, row, col) = code; }

void SetFallerV(Faller& f, float v0) {
    f.quad.v[0].v = f.quad.v[1].v = v0;
    f.quad.v[2].v = f.quad.v[3].v = v0 + 0.0625f;
}


// Where a cast puts its pictures, relative to the actor.
struct Cast {
    float ax = 0;                             // spark
    int flag = 1;                             // spark facing flag
    float cx = 0;                             // column
    float bx = 32;                            // big picture
    float aX = 48, aY = 48, bX = 48, bY = 0;  // red ring points A and B
    int bFrom = 15, bTo = 17;                 // red ring window B
    int bursts = 2;                           // rings per spawn
    int columnAlpha = 100;
    float pX = 32, pY = 32;   // blue colour bursts
    float oX = 16, oY = -32;  // blue twinkle origin
};

void ResetPictures() {
    DrawColumnEffect(0, 0, 0, 0);
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    DrawColumnEffect2(0, 0, 0, 0);
    DrawSandEffect(0, 0, 0, 0);
}

// While an event runs its walker stands still in the casting pose.
void Hold(const Actor& a) {
    a.w.halted = 1;
    a.pose = 2;
}

// The paint is spent: the walker goes on and the pictures rewind.
void Finish(const Actor& a) {
    a.paint = 0;
    a.w.halted = 0;
    a.pose = 0;
    ResetPictures();
}

void CountUp(int& n, int limit) {
    if (n < limit) n += 1;
}


void RedCast(const Cast& k, int c, float x, float y) {
    Stage4State& s = g_Stage4;
    if (c >= 0 && c < 15) {
        DrawSparkEffect(x + k.ax, y, 128, 1, k.flag, 0);
        DrawSparkEffect(x + k.ax, y, -1, 1, k.flag, 0);
    }
    if (c == 1) PlayEffect(1);
    RingWindow(s.spawnGateA, c >= 11 && c <= 12, x + k.aX, y + k.aY, k.bursts);
    RingWindow(s.spawnGateB, c >= k.bFrom && c <= k.bTo, x + k.bX, y + k.bY, k.bursts);
    if (c >= 15 && c < 20) {
        DrawColumnEffect(x + k.cx, y - 64, k.columnAlpha, 1);
        DrawColumnEffect(x + k.cx, y - 64, -1, 1);
    }
    if (c == 17) PlayEffect(0);
    if (c > 20) {
        DrawBigEffect(x + k.bx, y, 70, 1, 0);
        DrawBigEffect(x + k.bx, y, -1, 1, 0);
    }
}

void GreenCast(const Cast& k, int c, float x, float y) {
    if (c >= 0 && c < 30) {
        DrawSparkEffect(x + k.ax, y, 100, 1, k.flag, 2);
        DrawSparkEffect(x + k.ax, y, -1, 1, k.flag, 2);
    }
    if (c == 1) PlayEffect(1);
    if (c >= 10 && c < 20) {
        DrawColumnEffect2(x + k.cx, y - 64, 70, 1);
        DrawColumnEffect2(x + k.cx, y - 64, -1, 1);
    }
    if (c == 13) PlayEffect(5);
    if (c > 20) {
        DrawBigEffect(x + k.bx, y, 70, 1, 2);
        DrawBigEffect(x + k.bx, y, -1, 1, 2);
    }
}

void BlueCast(const Cast& k, int c, float x, float y, SprayParticle* twinkles) {
    Stage4State& s = g_Stage4;
    if (c >= 0 && c < 15) {
        DrawSparkEffect(x + k.ax, y, -1, 1, k.flag, 1);
        DrawSparkEffect(x + k.ax, y, 128, 1, k.flag, 1);
    }
    if (c == 1) PlayEffect(1);
    if (c >= 1 && c <= 15) {
        if (s.spawnGateA == 1) {
            SpawnColourBurst(x + k.pX, y + k.pY, 1, 3, 1);
            SpawnColourBurst(x + k.pX, y + k.pY, 1, 3, 1);
        }
        s.spawnGateA += 1;
    } else {
        s.spawnGateA = 0;
    }
    if (c >= 15 && c < 35)
        UpdateSprayEvery(30, &s.effectTime, twinkles, 20, DrawTwinkle, 0, 0.2f, 4, x + k.oX, y + k.oY, 60, 60);
    if (c == 20) PlayEffect(3);
    if (c > 20) {
        DrawBigEffect(x + k.bx, y + 16, 70, 1, 1);
        DrawBigEffect(x + k.bx, y + 16, -1, 1, 1);
    }
}

void GoalColumn() {
    Stage4State& s = g_Stage4;
    if (g_Now - s.goalStepTime < 250) return;
    s.goalStepTime = g_Now;
    SetCell(7, 19, ChipCode(128 + s.goalFrame));
    SetCell(8, 19, ChipCode(144 + s.goalFrame));
    s.goalFrame = (s.goalFrame + 1) % 4;
}

struct FlameRefs {
    int& state;
    int& step;
    int& frame;
    unsigned& stepTime;
};
// Flame f: 0 in column 15, 1 in column 16.
FlameRefs Flame(int f) {
    Stage4State& s = g_Stage4;
    if (f == 0) return {s.flame1State, s.flame1Step, s.flame1Frame, s.flame1StepTime};
    return {s.flame2State, s.flame2Step, s.flame2Frame, s.flame2StepTime};
}

// A flame flickers until it is put out.
void FlameFlicker(int f) {
    const FlameRefs fl = Flame(f);
    if (fl.state != 0 || g_Now - fl.stepTime < 250) return;
    fl.stepTime = g_Now;
    SetCell(7, 15 + f, ChipCode(52 + fl.frame));
    SetCell(8, 15 + f, ChipCode(68 + fl.frame));
    fl.frame = (fl.frame + 1) % 3;
}

void FlameOut(int f) {
    SetCell(7, 15 + f, 0);
    SetCell(8, 15 + f, 72);
}

// Sites 1 and 2: a walker on the floor facing flame f. Red only shows its
// pictures; green blows the flame out in two steps; blue washes it out.
void FlameEvents(int f, const Actor& a, int who) {
    Stage4State& s = g_Stage4;
    const float x = a.w.x, y = a.w.y;
    if (x + 32 != 480 + 32 * f || y + 32 != 256 || a.w.facing != 0) return;
    int* n = s.flameCount[f][who];
    const FlameRefs fl = Flame(f);
    const Cast k;
    if (a.paint == kPaintRed && fl.state == 0) {
        Hold(a);
        const int c = n[0];
        RedCast(k, c, x, y);
        if (c == 30) Finish(a);
        CountUp(n[0], 31);
    }
    if (a.paint == kPaintGreen && fl.state <= 1) {
        fl.state = 1;  // the flame stops flickering at once
        Hold(a);
        const int c = n[1];
        GreenCast(k, c, x, y);
        // The steps may wait for the shared step time; they go on while the
        // counter stands at its limit, so the walker is never left holding.
        if (c > 30 && g_Now - s.effectTime >= 200 && fl.state == 1) {
            s.effectTime = g_Now;
            if (fl.step == 0) {
                SetCell(7, 15 + f, 55);
                SetCell(8, 15 + f, 71);
                fl.step = 1;
            } else {
                FlameOut(f);
                Finish(a);
                fl.state = 2;
            }
        }
        CountUp(n[1], 50);
    }
    if (a.paint == kPaintBlue && fl.state == 0) {
        Hold(a);
        const int c = n[2];
        BlueCast(k, c, x, y, s_Twinkles[f * 2 + who]);
        if (c == 40) {
            FlameOut(f);
            Finish(a);
            fl.state = 2;
        }
        CountUp(n[2], 42);
    }
}

// The block lands on the short shelf: a thud and a cloud of sand; returns
// true when the cloud has settled.
bool Splash(int& n, int limit, int sandFrom) {
    const Faller& b = Block();
    if (n == 0) PlayEffect(7);
    if (n >= sandFrom && n < 10) DrawSandEffect(b.x, b.y + 40, -1, 1);
    const bool over = n > 10;
    CountUp(n, limit);
    return over;
}

// Site 3: the partner faces the block on the top shelf from its right.
void BlockEvents() {
    Stage4State& s = g_Stage4;
    const Actor a = PartnerActor();
    const float x = g_Partner.x, y = g_Partner.y;
    if (x != 289 || y + 32 != 64 || g_Partner.facing != 1 || s.blockState != 0) return;
    Cast k;
    k.ax = -64;
    k.flag = 0;
    k.cx = -64;
    k.bx = -32;
    Faller& b = Block();
    if (a.paint == kPaintGreen) {
        Hold(a);
        const int c = s.blockCount[0];
        GreenCast(k, c, x, y);
        if (c >= 21 && g_Now - s.pushTime >= 20) {
            s.pushTime = g_Now;
            if (b.x >= 224) b.x -= 2;
        }
        if (b.y + 32 == 128 && Splash(s.splashCount[0], 30, 1)) {
            Finish(a);
            s.blockState = 1;
        }
        CountUp(s.blockCount[0], 61);
    }
    if (a.paint == kPaintBlue) {
        Hold(a);
        const int c = s.blockCount[1];
        k.pX = 0;
        k.pY = 32;
        k.oX = -64;
        k.oY = -16;
        BlueCast(k, c, x, y, s_Twinkles[kTwinkleBlock]);
        if (c >= 31 && g_Now - s.pushTime >= 25) {
            s.pushTime = g_Now;
            if (b.x >= 224) b.x -= 2;
        }
        if (b.y + 32 == 128 && Splash(s.splashCount[1], 30, 1)) {
            Finish(a);
            s.blockState = 1;
        }
        CountUp(s.blockCount[1], 50);
    }
    if (a.paint == kPaintRed) {
        Hold(a);
        const int c = s.blockCount[2];
        k.aX = -16;
        k.bX = -16;
        k.bTo = 20;
        k.bursts = 1;
        RedCast(k, c, x, y);
        if (c >= 20) {
            UpdateSpray(s_BlockGlow, 20, DrawGlowDot, 0, 0.5f, 9, x - 64, y, 60, 60);
            if (g_Now - s.pushTime >= 100) {
                s.pushTime = g_Now;
                // Glowing hotter, then the shelf end under it burns away
                // and it cools while it drops.
                static const float kV[7] = {0, 0.0625f, 0.125f, 0.1875f, 0.125f, 0.0625f, 0};
                SetFallerV(b, kV[s.block1Frame]);
                if (s.block1Frame == 4) SetCell(2, 8, 0);
                if (s.block1Frame < 6) s.block1Frame += 1;
            }
        }
        if (b.y + 32 >= 127 && b.y + 32 <= 129 && Splash(s.splashCount[2], 20, 0)) {
            Finish(a);
            s.blockState = 1;
        }
        CountUp(s.blockCount[2], 83);
    }
}

// The plant cells for each growth step: (8,5), (8,6), (7,5), (7,6), (6,5),
// (6,6).
// clang-format off
constexpr ChipCode kPlantGrowth[5][6] = {
    {36, 37, 20, 21,  0,  0},
    {38, 39, 22, 23,  0,  0},
    {40, 41, 24, 25,  0,  0},
    {42, 43, 26, 27, 10, 11},
    {44, 45, 28, 29, 12, 13},
};
// clang-format on

void SetPlant(const ChipCode* c) {
    SetCell(8, 5, c[0]);
    SetCell(8, 6, c[1]);
    SetCell(7, 5, c[2]);
    SetCell(7, 6, c[3]);
    SetCell(6, 5, c[4]);
    SetCell(6, 6, c[5]);
}

// The plant is cleared away: floor under it, nothing above.
void ClearPlant() {
    static const ChipCode kGone[6] = {5, 5, 0, 0, 0, 0};
    SetPlant(kGone);
}

// Site 4: the hero against the plant (his narrow box lets him this close).
void PlantEvents() {
    Stage4State& s = g_Stage4;
    const Actor a = HeroActor();
    const float x = g_Hero.x, y = g_Hero.y;
    if (x + 32 != 176 || g_Hero.facing != 0) return;
    if (a.paint == kPaintBlue && s.plantGrowth <= 4 && s.plantDone == 0 && s.partnerNearPlant == 0) {
        Hold(a);
        const int c = s.plantCount[0];
        BlueCast(Cast{}, c, x, y, s_Twinkles[kTwinklePlant]);
        if (c >= 31 && g_Now - s.growTime >= 120) {
            s.growTime = g_Now;
            SetPlant(kPlantGrowth[s.plantGrowth]);
            s.plantGrowth += 1;
            if (s.plantGrowth == 5) {
                Finish(a);
                s.plantDone = 1;
            }
        }
        CountUp(s.plantCount[0], 70);
    }
    Cast red;
    red.bursts = 1;
    red.columnAlpha = 50;
    if (a.paint == kPaintRed && s.plantGrowth == 0 && s.plantDone == 0) {
        Hold(a);
        const int c = s.plantCount[1];
        RedCast(red, c, x, y);
        if (c >= 30) ClearPlant();
        if (c == 42) {
            Finish(a);
            s.plantDone = 1;
        }
        CountUp(s.plantCount[1], 43);
    }
    if (a.paint == kPaintGreen && s.plantGrowth == 0 && s.plantDone == 0) {
        Hold(a);
        const int c = s.plantCount[2];
        GreenCast(Cast{}, c, x, y);
        if (c > 30) ClearPlant();
        if (c == 49) {
            Finish(a);
            s.plantDone = 1;
        }
        CountUp(s.plantCount[2], 50);
    }
    if (a.paint == kPaintRed && s.plantGrowth == 5) {
        Hold(a);
        const int c = s.plantCount[3];
        red.bFrom = 18;
        red.bTo = 20;
        RedCast(red, c, x, y);
        if (c >= 30) ClearPlant();
        if (c == 40) Finish(a);
        CountUp(s.plantCount[3], 41);
    }
    if (a.paint == kPaintGreen && s.plantGrowth == 5) {
        Hold(a);
        const int c = s.plantCount[2];  // shared with the small plant's green
        Cast k;
        k.flag = 0;
        GreenCast(k, c, x, y);
        if (c > 30) ClearPlant();
        if (c == 49) Finish(a);
        CountUp(s.plantCount[2], 50);
    }
}

// Site 5: the partner reaches the wide tub on the right middle shelf.
void TubEvents() {
    Stage4State& s = g_Stage4;
    const Actor a = PartnerActor();
    const float x = g_Partner.x, y = g_Partner.y;
    if (x + 32 != 415 || y + 32 != 192 || g_Partner.facing != 0 || s.tankState != 0) return;
    Cast k;
    k.cx = 16;
    k.bx = 48;
    Faller& t = Tub();
    if (a.paint == kPaintGreen) {
        Hold(a);
        const int c = s.tankCount[0];
        GreenCast(k, c, x, y);
        if (c >= 21 && g_Now - s.pushTime >= 25) {
            s.pushTime = g_Now;
            if (t.x + 32 <= 512) {
                t.x += 2;
                if (c == 25) PlayEffect(8);
            }
        }
        // Blown off the shelf, the tub lands on both flames: steam.
        if (t.y + 32 == 224) {
            const int n = s.steamCount;
            if (n > 0 && n < 20) UpdateSpray(s_Steam, 20, DrawGlowDot, 0, 0.5f, 9, t.x, t.y, 60, 60);
            if (n == 3) PlayEffect(2);
            if (n >= 20) {
                FlameOut(0);
                FlameOut(1);
                SetQuadColour(t.quad, 0x00FFFFFFu);
                Finish(a);
                s.tankState = 1;
                s.flame1State = 1;
                s.flame2State = 1;
            }
            CountUp(s.steamCount, 24);
        }
        CountUp(s.tankCount[0], 50);
    }
    if (a.paint == kPaintRed) {
        Hold(a);
        const int c = s.tankCount[1];
        k.aX = 64;
        k.bX = 64;
        k.bTo = 20;
        k.bursts = 1;
        k.columnAlpha = 50;
        RedCast(k, c, x, y);
        if (c >= 30) {
            if (c == 35) PlayEffect(2);
            UpdateSpray(s_TubGlow, 20, DrawGlowDot, 0, 0.6f, 5, x + 16, y, 60, 60);
            if (g_Now - s.pushTime >= 100) {
                s.pushTime = g_Now;
                if (s.tankFrame < 4) {
                    SetFallerV(t, 0.0625f * float(s.tankFrame));
                    s.tankFrame += 1;
                } else {
                    SetQuadColour(t.quad, 0x00FFFFFFu);  // burnt away
                    Finish(a);
                    s.tankState = 1;
                    s.tankBurnt = 1;
                }
            }
        }
        CountUp(s.tankCount[1], 51);
    }
}

void Rules() {
    Stage4State& s = g_Stage4;
    const Faller& b = Block();
    const Faller& t = Tub();
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    if (b.x + 32 == p.x && b.y == p.y) p.facing = 0;
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
    for (Faller* f : {&Block(), &Tub()}) {
        SetFallerV(*f, 0);
        SetQuadColour(f->quad, 0xFFFFFFFFu);
    }
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
}

void Stage4DrawObjects() {
    DrawStageFallers(4);
    // The charred picture is on the shared character sheet only; the
    // partner's own sheet is empty there, so it shows through from behind.
    if (g_Stage4.partnerCharred == 1) DrawQuad(4, g_PartnerQuad);
}

}  // namespace

void Stage4Script() {
    Stage4State& s = g_Stage4;
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        s = Stage4State{};
        for (auto& a : s_Twinkles) std::fill(a, a + 20, SprayParticle{});
        for (SprayParticle* a : {s_BlockGlow, s_TubGlow, s_Steam, s_Charring}) std::fill(a, a + 20, SprayParticle{});
        SetQuadColour(Tub().quad, 0xFFFFFFFFu);
        UpdateRingBursts(0, 0, 0);
        ResetPictures();
    }
    GoalColumn();
    FlameFlicker(0);
    FlameFlicker(1);
    for (int f = 0; f < 2; ++f) {
        FlameEvents(f, HeroActor(), 0);
        FlameEvents(f, PartnerActor(), 1);
    }
    BlockEvents();
    PlantEvents();
    TubEvents();
    Rules();
}

const StageScript kStage4Script = {Stage4Init, Stage4DrawObjects, Stage4Script};
