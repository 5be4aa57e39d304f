// The brush cursor and its stroke, the droplets of a loaded brush, the
// painting of the walkers, their sprite rows, and the effect pools that
// painting spawns.
#pragma once
#include "gfx/gfx.h"
#include "stage/spray.h"

extern float g_BrushAnim;     // v offset of the stroke: 0, .25, .5, .75, 1
extern int g_BrushStroking;   // 1 while a stroke runs
extern Quad g_BrushQuad;
extern float g_HeroColumnU, g_PartnerColumnU;
extern float g_HeroWalkRow, g_PartnerWalkRow;

// Draws the brush at the mouse (and a loaded brush's droplets) and steps
// the stroke animation.
void UpdateBrush();
void UpdateBrushStroke();
// The stroke's state as a replay's start notes it ("STROKING ANIM SINCE":
// SINCE is how long ago its last step was) and puts it back; now: the time
// of the tick to come. Load returns false on damaged text.
void SaveBrushStroke(char* out, int size, uint32_t now);
bool LoadBrushStroke(const char* text, uint32_t now);
// The brush again where UpdateBrush left it, over what was drawn since
// (game over's button); nothing is stepped.
void DrawBrushCursor();
// The clean brush at rest at the mouse, as a pointer (dialogues); nothing
// is stepped.
void DrawRestingBrush();

// One droplet or spark: variant 0 blue, 1 green, 2 red.
void DrawPaintDroplet(float x, float y, int grey, int variant);

// Game pixels around a walker's 32x64 box where a finger's press still
// paints him: a phone shows the box about 20x40 CSS pixels in portrait.
constexpr int kFingerSlop = 12;

// The mark of the paint each walker wears (flame, swirl, drop) over his
// head, so that the paints differ by shape as well as hue.
void DrawPaintMarks();

// Paint clicks on a walker, its colour column, trail and first-tick marks.
void UpdateHeroPaint();
void UpdatePartnerPaint();
void UpdateStage1Partner();
void UpdateHeroPose();
void UpdatePartnerPose();

// Effect pools: ten records each, a life of 255 counting down per call.
void UpdateSmokePuffs(float x, float y, int spawn, int blend, int variant);
void DrawSmokePuff(float x, float y, float w, float h, int life, int blend, int variant);
void SpawnColourBurst(float x, float y, int spawn, int column, int row);
void DrawColourBurst(float x, float y, float size, int grey, int column, int row);
void UpdateBursts(float x, float y, int spawn);
void DrawBurst(float x, float y, float size, int grey);
void UpdateMirroredBursts(float x, float y, int spawn);
void DrawMirroredBurst(float x, float y, float size, int grey);
