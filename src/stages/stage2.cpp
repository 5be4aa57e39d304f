// Stage 2 teaches the blue paint and lets the partner walk. Water puts out a
// block on the top shelf and a flickering block on the partner's shelf,
// makes a plant grow so the hero does not land on its thorns, and washes a
// loose block off the middle shelf into the gap. Both walkers then meet at
// the right end of the bottom floor.
#include <algorithm>
#include <initializer_list>

#include "app/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage2State g_Stage2;
// Who reached the goal first; the stage inits clear them, the scripts leave
// them alone on a reset.

namespace {

SprayParticle s_TopTwinkles[20];
SprayParticle s_PlantTwinkles[20];
SprayParticle s_FlickerTwinkles[20];
SprayParticle s_BlockTwinkles[20];

Faller& Block() { return g_Fallers[2][0]; }

void SetCell(int row, int col, ChipCode code) { MapCell(2, row, col) = code; }

void SetCells(const int (*cells)[2], const ChipCode* codes, int n) {
    for (int i = 0; i < n; ++i) SetCell(cells[i][0], cells[i][1], codes[i]);
}

// A soft copy under a bright additive one.
void Spark(float x, float y) {
    DrawSparkEffect(x, y, -1, 1, 1, 1);
    DrawSparkEffect(x, y, 128, 1, 1, 1);
}

void Big(float x, float y) {
    DrawBigEffect(x, y, -1, 1, 1);
    DrawBigEffect(x, y, 70, 1, 1);
}

void ResetSparkAndBig() {
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}

// Two colour bursts on the second frame of the window; one gate serves every
// event, and a frame of a running event outside its window rewinds it.
void SpawnWindow(int count, int from, int to, float x, float y) {
    int& gate = g_Stage2.spawnGate;
    if (count >= from && count <= to) {
        if (gate == 1) {
            SpawnColourBurst(x, y, 1, 3, 1);
            SpawnColourBurst(x, y, 1, 3, 1);
        }
        gate += 1;
    } else {
        gate = 0;
    }
}

// Twinkles drift down slowly; the pass runs at most every 30 ms.
void Twinkles(uint32_t* lastPass, SprayParticle* spray, float x, float y) {
    UpdateSprayEvery(30, lastPass, spray, 20, DrawTwinkle, 0, 0.2f, 4, x, y, 60, 60);
}

bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

void GoalColumn() {
    Stage2State& s = g_Stage2;
    if (g_Now - s.goalStepTime < 250) return;
    s.goalStepTime = g_Now;
    static const ChipCode kGoal[4][2] = {{42, 58}, {43, 59}, {44, 60}, {45, 61}};
    SetCell(8, 19, kGoal[s.goalFrame][0]);
    SetCell(9, 19, kGoal[s.goalFrame][1]);
    s.goalFrame = (s.goalFrame + 1) % 4;
}

// The 2x2 block on the top shelf, put out by a blue hero just before it.
void TopEvent() {
    Stage2State& s = g_Stage2;
    if (!(g_Hero.x + 32 == 192 && g_HeroPaint == kPaintBlue && g_Hero.facing == 0)) return;
    g_Hero.halted = 1;
    g_HeroPose = 2;
    const int c = s.topCount;
    const float x = g_Hero.x, y = g_Hero.y;
    if (c < 15) Spark(x, y);
    if (c == 1) PlayEffect(1);
    SpawnWindow(c, 1, 15, x + 32, y + 32);
    if (c >= 15 && c <= 40) Twinkles(&s.topSprayTime, s_TopTwinkles, x + 16, y - 16);
    if (c == 20) PlayEffect(3);
    if (c > 20) Big(x + 48, y + 16);
    if (c >= 15 && c <= 70) {
        if (g_Now - s.topStepTime >= 150) {
            s.topStepTime = g_Now;
            static const int kCells[4][2] = {{2, 6}, {2, 7}, {3, 6}, {3, 7}};
            // The block shrinks in four pictures and leaves shelf behind.
            static const ChipCode kFrames[5][4] = {
                {48, 49, 64, 65}, {50, 51, 66, 67}, {52, 53, 68, 69}, {54, 55, 70, 71}, {0, 0, 2, 2}};
            SetCells(kCells, kFrames[s.topFrame], 4);
            if (s.topFrame < 4) {
                s.topFrame += 1;
            } else {
                g_HeroPaint = 0;
                g_Hero.halted = 0;
                ResetSparkAndBig();
            }
        }
        g_HeroPose = 0;
    }
    if (s.topCount < 70) s.topCount += 1;
}

// The plant on the middle shelf grows a step higher under a blue partner.
void PlantEvent() {
    Stage2State& s = g_Stage2;
    if (!(s.heroCaught == 0 && g_Partner.x + 32 == 304 && g_Partner.y + 32 >= 192 &&
          g_PartnerPaint == kPaintBlue && g_Partner.facing == 0 && s.plantFrame <= 4))
        return;
    g_Partner.halted = 1;
    g_PartnerPose = 2;
    const int c = s.plantCount;
    const float x = g_Partner.x, y = g_Partner.y;
    if (c < 15) Spark(x, y);
    if (c == 1) PlayEffect(1);
    SpawnWindow(c, 1, 15, x + 32, y + 32);
    if (c >= 15 && c < 35) Twinkles(&s.plantSprayTime, s_PlantTwinkles, x + 16, y - 32);
    if (c == 20) PlayEffect(3);
    if (c > 20) Big(x + 32, y + 16);
    if (c >= 20) {
        if (g_Now - s.plantStepTime >= 100) {
            s.plantStepTime = g_Now;
            static const int kCells[6][2] = {{7, 9}, {7, 10}, {6, 9}, {6, 10}, {5, 9}, {5, 10}};
            static const ChipCode kFrames[5][6] = {{32, 33, 16, 17, 0, 0},
                                                   {34, 35, 18, 19, 0, 0},
                                                   {36, 37, 20, 21, 4, 5},
                                                   {38, 39, 22, 23, 6, 7},
                                                   {40, 41, 24, 25, 8, 9}};
            SetCells(kCells, kFrames[s.plantFrame], 6);
            if (s.plantFrame < 4) {
                s.plantFrame += 1;
            } else {
                g_PartnerPaint = 0;
                g_Partner.halted = 0;
                s.plantFrame = 5;
                ResetSparkAndBig();
            }
        }
        g_PartnerPose = 0;
    }
    if (s.plantCount < 70) s.plantCount += 1;
}

void Flicker() {
    Stage2State& s = g_Stage2;
    if (s.flickerOut != 0 || g_Now - s.flickerStepTime < 250) return;
    s.flickerStepTime = g_Now;
    static const ChipCode kFrames[3][2] = {{10, 26}, {11, 27}, {12, 28}};
    SetCell(6, 5, kFrames[s.flickerFrame][0]);
    SetCell(7, 5, kFrames[s.flickerFrame][1]);
    s.flickerFrame = (s.flickerFrame + 1) % 3;
}

// The flickering block at the left of the middle shelf, put out by a blue
// partner walking left into it; she then walks down to the bottom floor.
void FlickerEvent() {
    Stage2State& s = g_Stage2;
    if (!(g_Partner.x == 192 && g_PartnerPaint == kPaintBlue && g_Partner.facing == 1)) return;
    s.flickerOut = 1;
    g_Partner.halted = 1;
    g_PartnerPose = 2;
    const int c = s.flickerCount;
    const float x = g_Partner.x, y = g_Partner.y;
    if (c < 15) Spark(x - 64, y);
    if (c == 1) PlayEffect(1);
    SpawnWindow(c, 1, 15, x - 12, y + 32);
    if (c >= 15 && c < 35) Twinkles(&s.flickerSprayTime, s_FlickerTwinkles, x - 64, y - 8);
    if (c == 20) PlayEffect(3);
    if (c > 20) Big(x - 32, y + 16);
    if (c >= 35) {
        SetCell(6, 5, 0);
        SetCell(7, 5, 30);
        g_PartnerPaint = 0;
        g_Partner.halted = 0;
        ResetSparkAndBig();
        g_PartnerPose = 0;
    }
    if (s.flickerCount < 42) s.flickerCount += 1;
}

// A blue hero washes the loose block off the end of the middle shelf.
void BlockEvent() {
    Stage2State& s = g_Stage2;
    if (!(g_Hero.x + 32 == 447 && g_Hero.y + 32 == 224 && g_HeroPaint == kPaintBlue && g_Hero.facing == 0)) return;
    g_Hero.halted = 1;
    g_HeroPose = 2;
    const int c = s.blockCount;
    const float x = g_Hero.x, y = g_Hero.y;
    if (c < 15) Spark(x, y);
    if (c == 1) PlayEffect(1);
    SpawnWindow(c, 1, 15, x + 32, y + 32);
    if (c >= 15 && c <= 40) Twinkles(&s.topSprayTime, s_BlockTwinkles, x + 16, y - 16);
    if (c == 20) PlayEffect(3);
    if (c > 20) Big(x + 32, y + 16);

    Faller& b = Block();
    if (g_Now - s.topStepTime >= 25) {
        s.topStepTime = g_Now;
        if (b.x <= 480) b.x += 2;
    }
    if (b.y + 32 == 288) {
        if (s.splashCount == 0) PlayEffect(7);
        if (s.splashCount < 10) DrawSandEffect(b.x, b.y + 40, -1, 1);
        if (s.splashCount > 10) {
            g_HeroPaint = 0;
            g_Hero.halted = 0;
            g_HeroPose = 0;
            DrawSandEffect(0, 0, 0, 0);
            ResetSparkAndBig();
        }
        if (s.splashCount < 30) s.splashCount += 1;
    }
    if (s.blockCount < 50) s.blockCount += 1;
}

void WalkerRules() {
    Stage2State& s = g_Stage2;
    Faller& b = Block();
    // The hero dropping from the top shelf over the plant: an ungrown plant
    // catches him on its thorns for good.
    if (InRange(g_Hero.x, 256, 320) && InRange(g_Hero.y, 96, 128)) s.heroDropped = 1;
    if (InRange(g_Hero.x, 256, 320) && g_Hero.y + 32 == 192 && s.heroDropped == 1) {
        g_Hero.halted = 1;
        s.heroCaught = 1;
    }
    if (s.heroCaught == 1) {
        g_HeroQuad.v[0].u = g_HeroQuad.v[3].u = g_HeroColumnU;
        g_HeroQuad.v[1].u = g_HeroQuad.v[2].u = g_HeroColumnU + 0.125f;
        g_HeroQuad.v[0].v = g_HeroQuad.v[1].v = 0.625f;
        g_HeroQuad.v[2].v = g_HeroQuad.v[3].v = 0.6875f;
    }

    // Narrow boxes near the plant: the partner can step into its columns to
    // water it, the hero can walk back through it.
    const bool middleRow = InRange(g_Partner.y, 192, 224);
    g_Partner.collisionMode = InRange(g_Partner.x, 256, 352) && middleRow ? 1 : 0;
    g_Hero.collisionMode = InRange(g_Hero.x, 256, 418) && InRange(g_Hero.y, 192, 224) ? 1 : 0;

    // The block turns walkers that walk into it from the left.
    if (g_Hero.x + 32 == b.x && g_Hero.y == b.y) g_Hero.facing = 1;
    if (g_Partner.x + 32 == b.x && g_Partner.y == b.y) g_Partner.facing = 1;

    // The hero floats over the washed-off block while its top is level.
    g_Hero.gravityOff =
        InRange(b.y, g_Hero.y, g_Hero.y + 16) && g_Hero.x + 32 >= b.x && b.x + 32 >= g_Hero.x ? 1 : 0;

    const bool heroHome = g_Hero.x >= 576 && g_Hero.x + 32 <= 608 && g_Hero.y >= 256 && g_Hero.y + 32 <= 288;
    const bool partnerHome =
        g_Partner.x >= 544 && g_Partner.x + 32 <= 576 && g_Partner.y >= 256 && g_Partner.y + 32 <= 288;
    MeetAtGoal(heroHome, partnerHome, true);
}

void Stage2Init() {
    Faller& b = Block();
    b.quad.v[0].v = b.quad.v[1].v = 0.0f;
    b.quad.v[2].v = b.quad.v[3].v = 0.0625f;
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
    g_Stage2.blockCount = 0;
    g_Stage2.splashCount = 0;
}

void Stage2DrawObjects() { DrawQuad(4, Block().quad); }

}  // namespace

void Stage2Script() {
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        g_Stage2 = Stage2State{};
        for (SprayParticle* a : {s_TopTwinkles, s_PlantTwinkles, s_FlickerTwinkles, s_BlockTwinkles})
            std::fill(a, a + 20, SprayParticle{});
        DrawSparkEffect(0, 0, 0, 0, 0, 0);
        DrawBigEffect(0, 0, 0, 0, 0);
        DrawSandEffect(0, 0, 0, 0);
    }
    GoalColumn();
    TopEvent();
    PlantEvent();
    Flicker();
    FlickerEvent();
    BlockEvent();
    WalkerRules();
}

const StageScript kStage2Script = {Stage2Init, Stage2DrawObjects, Stage2Script};
