// Stage 1 teaches the red paint: a post, a block and a flame give way to a
// hero who arrives in front of them wearing fire. Burning the flame's
// surroundings drops the partner's ledge; the falling block puts the flame out.
#include <algorithm>
#include <initializer_list>

#include "app/platform.h"
#include "sound/sound.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage1State g_Stage1;

namespace {

SprayParticle s_BlockSteam[10];
SprayParticle s_Fire[20];
SprayParticle s_FlameSteam[10];

Faller& Block() { return g_Fallers[1][0]; }

void SetCell(int row, int col, ChipCode code) { MapCell(1, row, col) = code; }

void ResetPictures() {
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawColumnEffect(0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}


bool Triggered(float triggerRight) {
    return g_HeroPaint == kPaintRed && g_Hero.facing == 0 && g_Hero.x + 32 == triggerRight;
}

// The common opening of an event block: the hero stands and casts.
void BeginEvent() {
    g_Hero.halted = 1;
    UpdateRingBursts(0, 0, 0);
    g_HeroPose = 2;
}

void EndEvent() {
    g_HeroPaint = 0;
    g_Hero.halted = 0;
    ResetPictures();
    g_HeroPose = 0;
}

void Spark(int c, int from, int to, float x, float y) {
    if (c >= from && c < to) {
        DrawSparkEffect(x, y, 128, 1, 1, 0);
        DrawSparkEffect(x, y, -1, 1, 1, 0);
    }
}

void Column(float x, float y, int alpha) {
    DrawColumnEffect(x, y, alpha, 1);
    DrawColumnEffect(x, y, -1, 1);
}

void Big(float x, float y) {
    DrawBigEffect(x, y, 70, 1, 0);
    DrawBigEffect(x, y, -1, 1, 0);
}

void PostEvent() {
    Stage1State& s = g_Stage1;
    if (!Triggered(192)) return;
    BeginEvent();
    int c = s.postCount;
    float x = g_Hero.x, y = g_Hero.y;
    Spark(c, 0, 15, x, y);
    if (c == 1) PlayEffect(1);
    RingWindow(s.ringGateA, c >= 11 && c <= 12, x + 48, y + 48, 2);
    if (c >= 15 && c < 20) Column(x, y - 64, 50);
    if (c == 17) {
        PlayEffect(0);
        SetCell(4, 6, 0);
        SetCell(5, 6, 0);
        SetCell(6, 6, 2);
    }
    RingWindow(s.ringGateB, c >= 15 && c <= 20, x + 48, y, 2);
    if (c > 20) Big(x + 32, y);
    if (c == 50) EndEvent();
    if (s.postCount < 70) s.postCount += 1;
}

void BlockEvent() {
    Stage1State& s = g_Stage1;
    if (!Triggered(352)) return;
    BeginEvent();
    int c = s.blockCount;
    float x = g_Hero.x, y = g_Hero.y;
    Spark(c, 0, 15, x, y);
    if (c == 1) PlayEffect(1);
    RingWindow(s.ringGateA, c >= 11 && c <= 12, x + 64, y + 48, 2);
    if (c >= 15 && c < 20) Column(x + 16, y - 64, 100);
    if (c == 17) PlayEffect(0);
    RingWindow(s.ringGateB, c >= 15 && c <= 20, x + 64, y, 2);
    if (c > 20) Big(x + 48, y);
    if (c >= 20 && c < 50) {
        if (c == 30) PlayEffect(2);
        UpdateSpray(s_BlockSteam, 10, DrawGlowDot, 0, 0.5f, 9, x + 16, y, 50, 50);
        if (g_Now - s.blockStepTime >= 100) {
            s.blockStepTime = g_Now;
            // The block chars in four pictures, then leaves a floor behind.
            static const ChipCode kFrames[4][4] = {
                {96, 97, 112, 113}, {98, 99, 114, 115}, {100, 101, 116, 117}, {102, 103, 118, 119}};
            if (s.blockFrame < 4) {
                const ChipCode* f = kFrames[s.blockFrame];
                SetCell(6, 11, f[0]);
                SetCell(6, 12, f[1]);
                SetCell(7, 11, f[2]);
                SetCell(7, 12, f[3]);
                s.blockFrame += 1;
            } else {
                SetCell(6, 11, 0);
                SetCell(6, 12, 0);
                SetCell(7, 11, 16);
                SetCell(7, 12, 16);
                g_HeroPaint = 0;
                g_Hero.halted = 0;
                ResetPictures();
            }
        }
        g_HeroPose = 0;
    }
    if (s.blockCount < 71) s.blockCount += 1;
}

void FlameFlicker() {
    Stage1State& s = g_Stage1;
    if (s.flameOut != 0 || g_Now - s.flameStepTime < 250) return;
    s.flameStepTime = g_Now;
    static const ChipCode kFlame[3][2] = {{144, 160}, {145, 161}, {146, 162}};
    SetCell(7, 16, kFlame[s.flameFrame][0]);
    SetCell(8, 16, kFlame[s.flameFrame][1]);
    s.flameFrame = (s.flameFrame + 1) % 3;
}

void FlameEvent() {
    Stage1State& s = g_Stage1;
    if (!Triggered(512)) return;
    BeginEvent();
    int c = s.flameCount;
    float x = g_Hero.x, y = g_Hero.y;
    Spark(c, 1, 15, x, y);
    if (c == 1) PlayEffect(1);
    RingWindow(s.ringGateA, c >= 11 && c <= 12, x + 48, y + 48, 2);
    if (c >= 15 && c <= 20) Column(x, y - 64, 100);
    if (c == 17) PlayEffect(0);
    RingWindow(s.ringGateB, c >= 15 && c <= 20, x + 48, y, 2);
    if (c > 20) Big(x + 32, y);
    if (c >= 20 && c <= 30) UpdateSpray(s_Fire, 20, DrawFireEffect, 1, 0, 2, 480, 128, 100, 50);
    if (c >= 30) {
        if (s.ledgeGone == 0) {
            for (int col = 15; col <= 19; ++col) SetCell(5, col, 0);
            s.ledgeGone = 1;
        } else {
            Faller& b = Block();
            if (b.y + 32 >= 200) {
                if (c == 50) PlayEffect(2);
                UpdateSpray(s_FlameSteam, 10, DrawGlowDot, 0, 0.5f, 9, b.x - 24, b.y + 16, 50, 50);
            }
            if (c >= 85) {
                SetQuadColour(b.quad, 0x00FFFFFFu);
                SetCell(7, 16, 0);
                SetCell(8, 16, 2);
                g_HeroPaint = 0;
                s.flameOut = 1;
                g_Hero.halted = 0;
                s.blockCount = 0;
                s.flameCount = 0;
                ResetPictures();
                g_HeroPose = 0;
            }
        }
    }
    if (s.flameCount < 90) s.flameCount += 1;
}

void WinTest() {
    if (g_Partner.x == g_Hero.x + 32) {
        g_Hero.halted = 1;
        g_TimerPaused = 1;
        g_StageCleared = 1;
    }
}

void Stage1Init() { SetQuadColour(Block().quad, 0xFFFFFFFFu); }

void Stage1DrawObjects() { DrawQuad(4, Block().quad); }

}  // namespace

void Stage1Script() {
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        g_Stage1 = Stage1State{};
        for (SprayParticle* a : {s_BlockSteam, s_FlameSteam}) std::fill(a, a + 10, SprayParticle{});
        std::fill(s_Fire, s_Fire + 20, SprayParticle{});
        UpdateRingBursts(0, 0, 0);
        ResetPictures();
    }
    UpdateRingBursts(0, 0, 0);
    PostEvent();
    UpdateRingBursts(0, 0, 0);
    BlockEvent();
    UpdateRingBursts(0, 0, 0);
    FlameFlicker();
    UpdateRingBursts(0, 0, 0);
    FlameEvent();
    UpdateRingBursts(0, 0, 0);
    WinTest();
}

const StageScript kStage1Script = {Stage1Init, Stage1DrawObjects, Stage1Script};
