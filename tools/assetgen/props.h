// Small objects drawn in several pictures: the paint brush, paint drops,
// outlined shapes. Sizes are in pixels of the target canvas; crisp = hard
// pixel edges (for keyed sheets), otherwise soft edges (for real alpha or
// opaque pictures).
#pragma once
#include <vector>

#include "canvas.h"

namespace ag {

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
