#include "stage/effects.h"

#include "base/platform.h"
#include "stage/screen_layout.h"
#include "stage/stage_map.h"

Quad g_SparkQuad = kWhiteQuad;
Quad g_ColumnQuad = kWhiteQuad;
Quad g_Column2Quad = kWhiteQuad;
Quad g_BigEffectQuad = kWhiteQuad;
Quad g_SandQuad = kWhiteQuad;
Quad g_FireQuad = kWhiteQuad;
Quad g_TwinkleQuad = kWhiteQuad;
Quad g_GlowDotQuad = kWhiteQuad;
Quad g_RingBurstQuad = kWhiteQuad;
Quad g_WaveStripQuad = {{
    {0, 262, 0, 1, 0xFFFFFFFFu, 0, 0},
    {640, 262, 0, 1, 0xFFFFFFFFu, 0, 0},
    {640, 390, 0, 1, 0xFFFFFFFFu, 0, 0},
    {0, 390, 0, 1, 0xFFFFFFFFu, 0, 0},
}};

RingBurst g_RingBursts[kRingBurstCount] = {};

namespace {

// An effect that counts frames.
struct FrameAnim {
    float x, y;
    int frame;
    uint32_t last;
};

// An effect that walks the cells of a grid sheet.
struct SheetAnim {
    float x, y;
    float u0, v0;
    uint32_t last;
};

FrameAnim s_Spark, s_Column, s_Column2;
float s_SparkV = 0.0f;
SheetAnim s_Big, s_Sand, s_Fire;
float s_TwinkleFrame = 0.0f;
uint32_t s_TwinkleLast = 0;
float s_GlowU = 0.0f;
float s_WaveV = 0.0f;
uint32_t s_WaveLast = 0;

// True once `interval` ms have passed since `last`; the wait then restarts.
// Called after the quad is filled, so an advance shows from the next call.
bool StepDue(uint32_t& last, uint32_t interval) {
    if (g_Now - last < interval) return false;
    last = g_Now;
    return true;
}

// 0 or more: white at that opacity, normal blending (a soft picture);
// negative: opaque white added onto the screen (its bright copy).
void ApplyAlpha(Quad& q, int alpha) {
    if (alpha >= 0) {
        SetQuadColour(q, (uint32_t(alpha % 256) << 24) | 0x00FFFFFFu);
        SetAdditiveBlend(false);
    } else {
        SetQuadColour(q, 0xFFFFFFFFu);
        SetAdditiveBlend(true);
    }
}

// Additive at brightness grey (its low byte), so the picture fades with it.
void ApplyGrey(Quad& q, int grey) {
    SetQuadColour(q, 0xFF000000u + uint32_t(grey & 0xFF) * 0x010101u);
    SetAdditiveBlend(true);
}

// Stores the position while animating, rewinds the frame otherwise.
void Follow(FrameAnim& a, float x, float y, int animate) {
    if (animate) {
        a.x = x;
        a.y = y;
    } else {
        a.frame = 0;
    }
}

void Follow(SheetAnim& a, float x, float y, int animate) {
    if (animate) {
        a.x = x;
        a.y = y;
    } else {
        a.u0 = a.v0 = 0.0f;
    }
}

// Next cell of a 4-wide sheet whose rows are `rowHeight` high. Returns true
// when the step ran off the last row.
bool NextSheetCell(SheetAnim& a, float rowHeight) {
    a.u0 += 0.25f;
    if (a.u0 >= 1.0f) {
        a.u0 = 0.0f;
        a.v0 += rowHeight;
    }
    return a.v0 >= 1.0f;
}

void DrawColumn(FrameAnim& a, Quad& q, int column, int lastFrame, uint32_t interval, float x, float y,
                int alpha, int animate) {
    Follow(a, x, y, animate);
    SetQuadRect(q, a.x, a.y, a.x + 96.0f, a.y + 128.0f);
    // The column has 8 rows; a counter past the last keeps showing it.
    const int row = a.frame < 7 ? a.frame : 7;
    const LayoutRect uv = Effect2UV({column, row});
    SetQuadUV(q, uv.x0, uv.y0, uv.x1, uv.y1);
    ApplyAlpha(q, alpha);
    DrawQuad(kSlotEffect2, q);
    if (StepDue(a.last, interval) && animate && a.frame < lastFrame) ++a.frame;
}

}  // namespace

void DrawSparkEffect(float x, float y, int alpha, int animate, int facing, int row) {
    FrameAnim& a = s_Spark;
    Follow(a, x, y, animate);
    constexpr float kStep = kEffect1Cell / kEffect1Sheet;
    if (row >= 0 && row <= 2) s_SparkV = float(kSparkRows[row]) * kStep;
    SetQuadRect(g_SparkQuad, a.x + 32.0f, a.y + 25.0f, a.x + 64.0f, a.y + 57.0f);
    const float uL = float(a.frame) * kStep, uR = float(a.frame + 1) * kStep;
    // Facing 0 mirrors the picture by swapping u, never x (quads keep winding).
    if (facing == 0) {
        SetQuadUV(g_SparkQuad, uR, s_SparkV, uL, s_SparkV + kStep);
    } else {
        SetQuadUV(g_SparkQuad, uL, s_SparkV, uR, s_SparkV + kStep);
    }
    ApplyAlpha(g_SparkQuad, alpha);
    DrawQuad(kSlotEffect1, g_SparkQuad);
    if (StepDue(a.last, 50) && animate && a.frame < 8) ++a.frame;
}

void DrawColumnEffect(float x, float y, int alpha, int animate) {
    DrawColumn(s_Column, g_ColumnQuad, kPillarColumn, 5, 250, x, y, alpha, animate);
}

void DrawColumnEffect2(float x, float y, int alpha, int animate) {
    DrawColumn(s_Column2, g_Column2Quad, kWhirlwindColumn, 8, 50, x, y, alpha, animate);
}

void DrawBigEffect(float x, float y, int alpha, int animate, int kind) {
    SheetAnim& a = s_Big;
    Follow(a, x, y, animate);
    SetQuadRect(g_BigEffectQuad, a.x - 80.0f, a.y - 80.0f, a.x + 112.0f, a.y + 112.0f);
    SetQuadUV(g_BigEffectQuad, a.u0, a.v0, a.u0 + 0.25f, a.v0 + 0.25f);
    ApplyAlpha(g_BigEffectQuad, alpha);
    const int slot = kind == 0 ? kSlotEffHeart : kind == 1 ? kSlotEffBlue : kind == 2 ? kSlotEffWindow : -1;
    DrawQuad(slot, g_BigEffectQuad);  // an unknown kind draws nothing
    // After the 16th frame it stays on the last one until rewound.
    if (StepDue(a.last, 30) && animate && NextSheetCell(a, 0.25f)) a.u0 = a.v0 = 0.75f;
}

void DrawSandEffect(float x, float y, int alpha, int animate) {
    SheetAnim& a = s_Sand;
    Follow(a, x, y, animate);
    SetQuadRect(g_SandQuad, a.x - 80.0f, a.y - 80.0f, a.x + 112.0f, a.y + 112.0f);
    SetQuadUV(g_SandQuad, a.u0, a.v0, a.u0 + 0.25f, a.v0 + 0.5f);
    ApplyAlpha(g_SandQuad, alpha);
    DrawQuad(kSlotSand, g_SandQuad);
    if (StepDue(a.last, 25) && animate && NextSheetCell(a, 0.5f)) a.u0 = a.v0 = 0.0f;
}

void DrawFireEffect(float x, float y, int grey) {
    SheetAnim& a = s_Fire;
    SetQuadRect(g_FireQuad, x, y, x + 64.0f, y + 64.0f);
    SetQuadUV(g_FireQuad, a.u0, a.v0, a.u0 + 0.25f, a.v0 + 0.25f);
    ApplyGrey(g_FireQuad, grey);
    DrawQuad(kSlotFire, g_FireQuad);
    if (StepDue(a.last, 50) && NextSheetCell(a, 0.25f)) a.u0 = a.v0 = 0.0f;
}

void DrawTwinkle(float x, float y, int grey) {
    SetQuadRect(g_TwinkleQuad, x, y, x + 32.0f, y + 32.0f);
    constexpr float kStep = kEffect1Cell / kEffect1Sheet;
    SetQuadUV(g_TwinkleQuad, s_TwinkleFrame * kStep, kStep * kTwinkleRow, (s_TwinkleFrame + 1.0f) * kStep,
              kStep * (kTwinkleRow + 1));
    ApplyGrey(g_TwinkleQuad, grey);
    DrawQuad(kSlotEffect1, g_TwinkleQuad);
    if (StepDue(s_TwinkleLast, 118)) {
        s_TwinkleFrame += 1.0f;
        if (s_TwinkleFrame >= 7.0f) s_TwinkleFrame = 0.0f;
    }
}

void DrawGlowDot(float x, float y, int grey, int keepColumn) {
    const LayoutRect uv = Effect2UV(kGlowDotCell);
    if (keepColumn == 0) s_GlowU = uv.x0;
    SetQuadRect(g_GlowDotQuad, x, y, x + 32.0f, y + 32.0f);
    SetQuadUV(g_GlowDotQuad, s_GlowU, uv.y0, s_GlowU + (uv.x1 - uv.x0), uv.y1);
    ApplyGrey(g_GlowDotQuad, grey);
    DrawQuad(kSlotEffect2, g_GlowDotQuad);
}

void DrawGlowDot(float x, float y, int grey) { DrawGlowDot(x, y, grey, 0); }

void DrawRingBurst(float x, float y, float size, int grey) {
    SetQuadRect(g_RingBurstQuad, x, y, x + size, y + size);
    const LayoutRect uv = Effect2UV(kRingOfFireCell);
    SetQuadUV(g_RingBurstQuad, uv.x0, uv.y0, uv.x1, uv.y1);
    ApplyGrey(g_RingBurstQuad, grey);
    DrawQuad(kSlotEffect2, g_RingBurstQuad);
}

void UpdateRingBursts(float x, float y, int spawn) {
    if (spawn) {
        for (RingBurst& r : g_RingBursts) {
            if (r.life <= 0) {
                r = {x, y, 255};
                break;
            }
        }
    }
    // Every call ages every ring, whoever makes it: 64 calls from birth.
    for (RingBurst& r : g_RingBursts) {
        if (r.life <= 0) continue;
        const int size = 255 - r.life;
        DrawRingBurst(r.x - float(size / 2), r.y - float(size / 2), float(size), r.life);
        r.life -= 4;
    }
}

void DrawWaveStrip() {
    SetQuadUV(g_WaveStripQuad, 0.0f, s_WaveV + 0.01f, 1.0f, s_WaveV + 0.25f);
    DrawQuad(kSlotWave, g_WaveStripQuad);
    if (StepDue(s_WaveLast, 1000)) {
        s_WaveV += 0.25f;
        if (s_WaveV >= 1.0f) s_WaveV = 0.0f;
    }
}
