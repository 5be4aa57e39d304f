#include "props.h"

#include <cmath>

#include "palette.h"

namespace ag {

void fillOutlined(Canvas& c, const Shape& s, Rgba fill, Rgba rim, int width) {
    c.fill(s.grow(width), rim);
    c.fill(s, fill);
}

void part(Canvas& c, const Shape& s, const Ramp& r, int band, bool lit, Rgba rim) {
    c.fill(s.grow(1), rim);
    c.fill(s, r.base);
    if (band > 0) c.fill(s - s.shift(-band, -band), r.shadow);
    if (lit) c.fill(s - s.shift(1, 1), r.light);
}

void fillShaded(Canvas& c, const Shape& s, const Ramp& r, int band) {
    c.fill(s, r.base);
    c.fill(s - s.shift(-band, -band), r.shadow);
    c.fill(s - s.shift(band, band), r.light);
}

void paintDrop(Canvas& c, float cx, float cy, float r, Rgba paint, bool crisp) {
    auto f = [crisp](Shape s) { return crisp ? s.hard() : s; };
    Shape belly = Shape::circle(cx, cy, r);
    Shape point = Shape::polygon({{cx - r * 0.78f, cy - r * 0.55f}, {cx, cy - r * 2.1f}, {cx + r * 0.78f, cy - r * 0.55f}});
    Shape drop = f(belly | point);
    Ramp rp = shade(paint);
    c.fill(drop.grow(1), pal::kOutline);
    c.fill(drop, rp.base);
    c.fill((drop & f(Shape::circle(cx + r * 0.35f, cy + r * 0.35f, r * 0.95f))) - f(Shape::circle(cx, cy, r * 0.8f)),
           rp.shadow);
    c.fill(f(Shape::ellipse(cx - r * 0.38f, cy - r * 0.3f, r * 0.26f, r * 0.36f)), rp.shine);
}

BrushAxis brushAxis(Pt end, Pt tip) {
    float dx = tip.x - end.x, dy = tip.y - end.y;
    float len = std::sqrt(dx * dx + dy * dy);
    dx /= len;
    dy /= len;
    return BrushAxis{end, dx, dy, len, -dy, dx};
}

std::vector<Pt> brushTuft(const BrushAxis& b, float t) {
    const float bw = t * 1.25f;
    return {b.at(0.62f, -bw * 0.9f), b.at(0.72f, -bw * 1.12f), b.at(0.84f, -bw * 0.95f),
            b.at(0.95f, -bw * 0.4f), b.at(1.0f, 0),            b.at(0.95f, bw * 0.4f),
            b.at(0.84f, bw * 0.95f), b.at(0.72f, bw * 1.12f),  b.at(0.62f, bw * 0.9f)};
}

std::vector<Pt> brushFerrule(const BrushAxis& b, float t) {
    return {b.at(0.5f, -t * 0.62f), b.at(0.64f, -t * 0.75f), b.at(0.64f, t * 0.75f), b.at(0.5f, t * 0.62f)};
}

void paintBrush(Canvas& c, Pt end, Pt tip, float t, Rgba paint, bool crisp) {
    auto f = [crisp](Shape s) { return crisp ? s.hard() : s; };
    const BrushAxis b = brushAxis(end, tip);
    auto at = [&b](float k, float side) { return b.at(k, side); };

    // Bristles: a plump tuft narrowing to the tip.
    const float bw = t * 1.25f;
    Shape tuft = f(Shape::polygon(brushTuft(b, t)));
    Shape dipped = tuft & f(Shape::polygon({at(0.78f, -bw * 2), at(1.1f, -bw * 2), at(1.1f, bw * 2), at(0.78f, bw * 2)}));
    // Handle and ferrule.
    Shape handle = f(Shape::capsule(at(0.0f, 0), at(0.58f, 0), t * 0.5f));
    Shape ferrule = f(Shape::polygon(brushFerrule(b, t)));

    Shape all = handle | ferrule | tuft;
    c.fill(all.grow(1), pal::kOutline);
    Ramp wood = shade(pal::kPlank);
    fillShaded(c, handle, wood, std::max(1, int(t * 0.18f)));
    Ramp metal = shade(pal::kMetal);
    fillShaded(c, ferrule, metal, std::max(1, int(t * 0.18f)));
    c.fill(f(Shape::capsule(at(0.52f, -t * 0.1f), at(0.62f, -t * 0.1f), std::max(0.6f, t * 0.12f))), metal.shine);
    Ramp hair = shade(pal::kCream);
    fillShaded(c, tuft, hair, std::max(1, int(t * 0.2f)));
    if (paint.a > 0) fillShaded(c, dipped, shade(paint), std::max(1, int(t * 0.2f)));
    // A ring at the handle's end.
    c.fill(f(Shape::capsule(at(0.02f, -t * 0.3f), at(0.02f, t * 0.3f), std::max(0.6f, t * 0.14f))), wood.deep);
}

}  // namespace ag
