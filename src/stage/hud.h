// The stage panel's moving parts (time strip, paint digits, lives) and the
// start and clear banners.
#pragma once
#include "gfx/gfx.h"

extern Quad TimeStrip;
extern Quad PaintDigit[3];  // red, green, blue
extern Quad LivesLabel, LifeIcon, LostLifeIcon;
extern Quad StageLabel, StageNumber, BannerBar, BannerRoller;
extern Quad ClearLetter[4];
extern float g_LifeAnimV;

// Corners of a sprite centred at (cx, cy) with half-sizes (sx, sy), turned
// by angle a (radians) about its centre.
void BannerTransform(Quad& q, float cx, float cy, float sx, float sy, float a);

// Puts the time strip at its start: from the time window's left edge.
void ResetTimeStrip();
// Writes the glyph of story place p (1..9) into StageNumber.
void SetStageNumberGlyph(int playPosition);

void UpdatePaintDigits();
// A pot with no paint left is washed pale, so it never looks loaded.
constexpr uint32_t kEmptyPotWash = 0xC8F2E8D4u;
void DrawEmptyPots(int digitsDrawn);
void DrawTimeStrip();
void DrawLives();
// The start banner: drawn only once a lost life's picture is gone, its
// number zooming in from then on.
void StartBanner();
float StartBannerDrawnZoom();  // 5 (largest) down to 1
void ClearBanner();
void DrawResetPicture();
void DrawTimeUpPicture();
// The last reset or time-up picture stays over the restarted stage for
// kLossPictureMs, held long enough to read and then fading, so a lost life
// is seen.
constexpr uint32_t kLossPictureHoldMs = 500;
constexpr uint32_t kLossPictureMs = 700;
void DrawLossAfterimage();
// Alpha (0..255) the after-image has at this tick; 0 when none shows.
int LossAfterimageAlpha();

// The strip's top-right x: the time is up at the time window's right edge.
inline float TimeStripRight() { return TimeStrip.v[1].x; }
