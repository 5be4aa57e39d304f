// Small objects drawn in several pictures: the paint brush, paint drops,
// outlined shapes. Sizes are in pixels of the target canvas; crisp = hard
// pixel edges (for keyed sheets), otherwise soft edges (for real alpha or
// opaque pictures).
#pragma once
#include <vector>

#include "canvas.h"
#include "palette.h"

namespace ag {

// Hard-edged shapes for pixel art.
inline Shape hEllipse(float cx, float cy, float rx, float ry) { return Shape::ellipse(cx, cy, rx, ry).hard(); }
inline Shape hCircle(float cx, float cy, float r) { return Shape::circle(cx, cy, r).hard(); }
inline Shape hPoly(const std::vector<Pt>& p) { return Shape::polygon(p).hard(); }
inline Shape hLine(Pt a, Pt b, float r) { return Shape::capsule(a, b, r).hard(); }
inline Shape hRect(float x, float y, float w, float h) { return Shape::rect(x, y, w, h).hard(); }
inline Shape hRound(float x, float y, float w, float h, float r) { return Shape::roundRect(x, y, w, h, r).hard(); }

// One part of a figure, prop or chip in the game's look: a 1-px rim (the dark
// outline), the base colour, a shadow band `band` px wide on the lower right
// and a lit edge on the upper left.
void part(Canvas& c, const Shape& s, const Ramp& r, int band = 1, bool lit = true, Rgba rim = pal::kOutline);

// Fills s with `fill` inside a `width`-px rim of `rim`.
void fillOutlined(Canvas& c, const Shape& s, Rgba fill, Rgba rim, int width = 1);
// The lit/shaded look of the game: base fill, a shadow band on the lower
// right, a light band on the upper left (each `band` px wide).
void fillShaded(Canvas& c, const Shape& s, const Ramp& r, int band = 1);

// A paint drop whose round belly is centred on (cx, cy) with radius r; the
// point rises above it.
void paintDrop(Canvas& c, float cx, float cy, float r, Rgba paint, bool crisp);
// Where a brush's parts lie, for the painted brush and the icon's SVG one:
// at(k, side) is the point k of the way from the handle's end to the tip,
// `side` pixels across the brush.
struct BrushAxis {
    Pt end;
    float dx, dy, len, nx, ny;
    Pt at(float k, float side) const { return Pt{end.x + dx * len * k + nx * side, end.y + dy * len * k + ny * side}; }
};
BrushAxis brushAxis(Pt end, Pt tip);
// The outlines of the bristle tuft (a plump tuft narrowing to the tip) and
// of the ferrule, for a brush `thickness` px thick.
std::vector<Pt> brushTuft(const BrushAxis& b, float thickness);
std::vector<Pt> brushFerrule(const BrushAxis& b, float thickness);

// A paint brush lying from `end` (handle end) to `tip` (bristle tip), the tip
// dipped in `paint` (kClear for a clean brush).
void paintBrush(Canvas& c, Pt end, Pt tip, float thickness, Rgba paint, bool crisp);

}  // namespace ag
