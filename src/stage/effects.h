// The stage events' effect pictures: sparks, light columns, large bursts,
// sand and fire clouds, twinkles, glow dots, growing rings and the stage-3
// wave strip. Each call draws one quad at once, over what is already drawn.
//
// Colour arguments come in two kinds. An alpha (spark, columns, big burst,
// sand) of 0 or more draws white at that opacity with normal blending; a
// negative alpha draws opaque white additively. A grey (rings, glow dots,
// twinkles, fire) draws additively at that brightness. The routines switch
// the blend mode and leave it switched; the stage frame sets it back.
//
// The animated routines keep their frame from call to call and stage to
// stage: a call with animate set stores (x, y) and lets the frame run on; a
// call with animate 0 goes back to the first frame at the stored position.
// Scripts rewind a routine by one call with all arguments 0.
#pragma once
#include <cstdint>

#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "stage/spray.h"

// Texture slots of the effect pictures.

// A spark beside a walker: effect1, 9 frames 50 ms apart, then holds.
// row picks the sheet row: 0 red, 1 blue, 2 green (other rows keep the last).
// facing 1 draws the picture as stored, 0 mirrored.
void DrawSparkEffect(float x, float y, int alpha, int animate, int facing, int row);

// A column of light 96x128: effect2, 6 frames 250 ms apart, then holds.
void DrawColumnEffect(float x, float y, int alpha, int animate);

// The faster column: effect2, 8 frames 50 ms apart, then holds.
void DrawColumnEffect2(float x, float y, int alpha, int animate);

// A 192x192 burst of 16 frames 30 ms apart that holds its last frame.
// kind 0 red (eff.ハート完), 1 blue (eff.Blue), 2 green (eff.window).
void DrawBigEffect(float x, float y, int alpha, int animate, int kind);

// A 192x192 sand cloud of 8 frames 25 ms apart, looping.
void DrawSandEffect(float x, float y, int alpha, int animate);

// A 64x64 fire cloud of 16 frames 50 ms apart, looping, at (x, y).
void DrawFireEffect(float x, float y, int grey);

// A 32x32 twinkle of 7 frames 118 ms apart, looping, at (x, y).
void DrawTwinkle(float x, float y, int grey);

// A 32x32 glow dot at (x, y). keepColumn 0 selects the dot's sheet column;
// any other value keeps the column of the previous call.
void DrawGlowDot(float x, float y, int grey, int keepColumn);
// As a spray's draw routine (keepColumn 0).
void DrawGlowDot(float x, float y, int grey);

// A ring size x size with its top-left at (x, y).
void DrawRingBurst(float x, float y, float size, int grey);

// A growing ring: life 255 at birth, -4 per call; drawn centred on its point.
struct RingBurst {
    float x, y;
    int life;  // alive while greater than 0
};
constexpr int kRingBurstCount = 10;
extern RingBurst g_RingBursts[kRingBurstCount];  // never reset: rings die out

// With spawn set, starts a ring at (x, y) in the first free record (dropped
// when all ten live); then, always, draws and ages every live ring.
void UpdateRingBursts(float x, float y, int spawn);

// The stage-3 water strip across (0, 262)-(640, 390); its picture scrolls
// one quarter every second.
void DrawWaveStrip();

// The quads the routines draw through (read them to see what was drawn last).
extern Quad g_SparkQuad, g_ColumnQuad, g_Column2Quad, g_BigEffectQuad, g_SandQuad;
extern Quad g_FireQuad, g_TwinkleQuad, g_GlowDotQuad, g_RingBurstQuad, g_WaveStripQuad;
