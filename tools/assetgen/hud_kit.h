// Helpers shared by the play-screen pictures (brush, lettering sheet, stage
// panels, backgrounds, title, talk window): the mapping of full-screen
// pictures, lettering centred on its ink, paint pots and the small motifs
// (apple clock, retry arrow, star) that appear in more than one of them.
#pragma once
#include <string_view>

#include "canvas.h"
#include "text.h"

namespace ag::hud {

constexpr int kScreenW = 640, kScreenH = 480;

// Pictures drawn with the game's full-screen quad are sampled from v 0.01 at
// the top: picture row = 4.8 + 0.99 * screen row. Pictures are painted in
// screen coordinates and then resampled with this so that what the player
// sees lands on the pixel the scenes test for clicks.
float pictureRow(float screenY);
Canvas forFullScreenQuad(const Canvas& screen);

// Backgrounds are loaded with the black key in some scenes and the white key
// in others: nudges every opaque pure black or pure white pixel one step.
void avoidBlackAndWhite(Canvas& c);

// A fine paper grain over the opaque pixels: a fixed 16x16 tile of small
// brightness steps (+-amount). Unlike free noise it repeats along flat rows,
// so the large pictures stay quick to compress.
void paperGrain(Canvas& c, int amount);

// Draws text so that the middle of its ink (not of its line box) lands on
// (cx, cy). Returns the ink rectangle's size.
TextSize textCentred(Canvas& c, float cx, float cy, std::string_view utf8, TextStyle st);
// The same for a piece of a line (a word set in pieces of several colours):
// across, the piece's own ink is centred on cx; down, the whole line's ink
// is centred on cy, so every piece sits on the line's one baseline.
TextSize textCentred(Canvas& c, float cx, float cy, std::string_view utf8, TextStyle st, std::string_view line);
// The size of the text's ink rectangle (no drawing).
TextSize inkSize(std::string_view utf8, TextStyle st);

// A glazed clay paint pot standing in the 64x64 box at (x, y): the paint's
// colour on the belly and in the mouth, drips over the rim and the sign of
// its element (flame, swirl, drop) on the belly.
void paintPot(Canvas& c, float x, float y, Rgba paint);
// The element signs alone, centred on (cx, cy), about `size` px tall.
void flameSign(Canvas& c, float cx, float cy, float size, Rgba col);
// weight: the gusts' line width as a share of the size.
void windSign(Canvas& c, float cx, float cy, float size, Rgba col, float weight = 0.075f);
void dropSign(Canvas& c, float cx, float cy, float size, Rgba col);
// A paint's own mark on a small cream disc of radius r, outlined: the pots'
// flame (red), swirl (green) or drop (blue), bold enough to read at a few
// pixels, so that no player needs the hue to tell the paints apart.
void paintBadge(Canvas& c, float cx, float cy, float r, Rgba paint);

// A round red apple with a leaf; with clockFace, a clock dial on its cheek.
void apple(Canvas& c, float cx, float cy, float r, bool clockFace, bool crisp);
// A circular "try again" arrow centred on (cx, cy), radius r, stroke w.
void retryArrow(Canvas& c, float cx, float cy, float r, float w, Rgba col);

// Five-pointed star.
Shape star(float cx, float cy, float rOuter, float rInner, float turn = 0.f);

}  // namespace ag::hud
