#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

namespace ag {

namespace {

uint8_t to8(float v) { return uint8_t(clampv(std::lround(v), 0L, 255L)); }


// Bounding box of a float rectangle, grown to whole pixels.
struct Box {
    int x0, y0, x1, y1;  // x1, y1 exclusive
};
Box boxOf(float x0, float y0, float x1, float y1) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        throw Failure("shape with a non-finite coordinate");
    return Box{int(std::floor(x0)) - 1, int(std::floor(y0)) - 1, int(std::ceil(x1)) + 1, int(std::ceil(y1)) + 1};
}

Shape fromCoverage(const Box& b, const std::function<float(float, float)>& cov) {
    Shape s(b.x0, b.y0, std::max(0, b.x1 - b.x0), std::max(0, b.y1 - b.y0));
    for (int y = b.y0; y < b.y1; ++y)
        for (int x = b.x0; x < b.x1; ++x) s.ref(x, y) = clampv(cov(x + 0.5f, y + 0.5f), 0.f, 1.f);
    return s;
}

}  // namespace

float bayer4(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (float(m[y & 3][x & 3]) + 0.5f) / 16.f - 0.5f;
}

Rgba mix(Rgba a, Rgba b, float t) {
    t = clampv(t, 0.f, 1.f);
    return Rgba{to8(lerpf(a.r, b.r, t)), to8(lerpf(a.g, b.g, t)), to8(lerpf(a.b, b.b, t)), to8(lerpf(a.a, b.a, t))};
}

Rgba withAlpha(Rgba c, float alpha) {
    c.a = to8(clampv(alpha, 0.f, 1.f) * 255.f);
    return c;
}

Rgba lighter(Rgba c, float t) {
    Rgba m = mix(c, pal::kWarmLight, t);
    m.a = c.a;
    return m;
}

Rgba darker(Rgba c, float t) {
    Rgba m = mix(c, pal::kCoolShadow, t);
    m.a = c.a;
    return m;
}

Ramp shade(Rgba base) {
    return Ramp{darker(base, 0.55f), darker(base, 0.28f), base, lighter(base, 0.32f), lighter(base, 0.62f)};
}

// ---------------------------------------------------------------- Shape

Shape Shape::rect(float x, float y, float w, float h) {
    float x1 = x + w, y1 = y + h;
    return fromCoverage(boxOf(x, y, x1, y1), [=](float px, float py) {
        float cx = std::min(px + 0.5f, x1) - std::max(px - 0.5f, x);
        float cy = std::min(py + 0.5f, y1) - std::max(py - 0.5f, y);
        return std::max(0.f, cx) * std::max(0.f, cy);
    });
}

Shape Shape::ellipse(float cx, float cy, float rx, float ry) {
    rx = std::max(rx, 0.01f);
    ry = std::max(ry, 0.01f);
    return fromCoverage(boxOf(cx - rx, cy - ry, cx + rx, cy + ry), [=](float px, float py) {
        float dx = px - cx, dy = py - cy;
        float f = dx * dx / (rx * rx) + dy * dy / (ry * ry);
        float gx = 2.f * dx / (rx * rx), gy = 2.f * dy / (ry * ry);
        float g = std::sqrt(gx * gx + gy * gy);
        if (g < 1e-6f) return 1.f;
        return 0.5f - (f - 1.f) / g;
    });
}

Shape Shape::roundRect(float x, float y, float w, float h, float radius) {
    radius = std::min({radius, w * 0.5f, h * 0.5f});
    float hx = w * 0.5f, hy = h * 0.5f, cx = x + hx, cy = y + hy;
    return fromCoverage(boxOf(x, y, x + w, y + h), [=](float px, float py) {
        float qx = std::fabs(px - cx) - (hx - radius), qy = std::fabs(py - cy) - (hy - radius);
        float ox = std::max(qx, 0.f), oy = std::max(qy, 0.f);
        float d = std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.f) - radius;
        return 0.5f - d;
    });
}

Shape Shape::capsule(Pt a, Pt b, float radius) {
    float bx = b.x - a.x, by = b.y - a.y;
    float len2 = bx * bx + by * by;
    return fromCoverage(
        boxOf(std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius, std::max(a.x, b.x) + radius,
              std::max(a.y, b.y) + radius),
        [=](float px, float py) {
            float t = len2 > 0 ? clampv(((px - a.x) * bx + (py - a.y) * by) / len2, 0.f, 1.f) : 0.f;
            float dx = px - (a.x + bx * t), dy = py - (a.y + by * t);
            return 0.5f - (std::sqrt(dx * dx + dy * dy) - radius);
        });
}

Shape Shape::polyline(const std::vector<Pt>& pts, float radius) {
    Shape s;
    for (size_t i = 0; i + 1 < pts.size(); ++i) s = s | capsule(pts[i], pts[i + 1], radius);
    return s;
}

Shape Shape::polygon(const std::vector<Pt>& pts) {
    if (pts.size() < 3) return Shape();
    for (const Pt& p : pts)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) throw Failure("polygon with a non-finite point");
    float minx = pts[0].x, maxx = minx, miny = pts[0].y, maxy = miny;
    for (const Pt& p : pts) {
        minx = std::min(minx, p.x);
        maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y);
        maxy = std::max(maxy, p.y);
    }
    Box b = boxOf(minx, miny, maxx, maxy);
    Shape s(b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0);
    constexpr int kSub = 5;
    struct Cross {
        float x;
        int dir;
    };
    std::vector<Cross> xs;
    for (int y = b.y0; y < b.y1; ++y) {
        for (int k = 0; k < kSub; ++k) {
            float sy = float(y) + (float(k) + 0.5f) / kSub;
            xs.clear();
            for (size_t i = 0; i < pts.size(); ++i) {
                Pt p = pts[i], q = pts[(i + 1) % pts.size()];
                if (p.y == q.y) continue;
                if (sy < std::min(p.y, q.y) || sy >= std::max(p.y, q.y)) continue;
                float x = p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y);
                if (!std::isfinite(x)) continue;
                xs.push_back({x, q.y > p.y ? 1 : -1});
            }
            std::sort(xs.begin(), xs.end(), [](const Cross& l, const Cross& r) { return l.x < r.x; });
            int wind = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                wind += xs[i].dir;
                if (wind == 0) continue;
                float xa = std::max(xs[i].x, float(b.x0)), xe = std::min(xs[i + 1].x, float(b.x1));
                for (int x = int(std::floor(xa)); x < int(std::ceil(xe)); ++x) {
                    float ov = std::min(xe, float(x + 1)) - std::max(xa, float(x));
                    if (ov > 0) s.ref(x, y) += ov / kSub;
                }
            }
        }
    }
    for (int y = b.y0; y < b.y1; ++y)
        for (int x = b.x0; x < b.x1; ++x) s.ref(x, y) = std::min(1.f, s.ref(x, y));
    return s;
}

Shape Shape::below(int x0, int x1, float bottom, const std::function<float(float)>& top) {
    std::vector<float> tops;
    float mint = bottom;
    for (int x = x0; x < x1; ++x) {
        tops.push_back(top(x + 0.5f));
        mint = std::min(mint, tops.back());
    }
    int y0 = int(std::floor(mint)), y1 = int(std::ceil(bottom));
    Shape s(x0, y0, x1 - x0, y1 - y0);
    for (int x = x0; x < x1; ++x) {
        float t = tops[size_t(x - x0)];
        for (int y = y0; y < y1; ++y) {
            float ov = std::min(float(y + 1), bottom) - std::max(float(y), t);
            s.ref(x, y) = clampv(ov, 0.f, 1.f);
        }
    }
    return s;
}

Shape Shape::where(int x0, int y0, int w, int h, const std::function<float(float, float)>& cov) {
    return fromCoverage(Box{x0, y0, x0 + w, y0 + h}, cov);
}

Shape Shape::operator|(const Shape& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    int x0 = std::min(x0_, o.x0_), y0 = std::min(y0_, o.y0_);
    int x1 = std::max(x0_ + w_, o.x0_ + o.w_), y1 = std::max(y0_ + h_, o.y0_ + o.h_);
    Shape s(x0, y0, x1 - x0, y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) s.ref(x, y) = std::max(at(x, y), o.at(x, y));
    return s;
}

Shape Shape::operator&(const Shape& o) const {
    int x0 = std::max(x0_, o.x0_), y0 = std::max(y0_, o.y0_);
    int x1 = std::min(x0_ + w_, o.x0_ + o.w_), y1 = std::min(y0_ + h_, o.y0_ + o.h_);
    if (x1 <= x0 || y1 <= y0) return Shape();
    Shape s(x0, y0, x1 - x0, y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) s.ref(x, y) = std::min(at(x, y), o.at(x, y));
    return s;
}

Shape Shape::operator-(const Shape& o) const {
    Shape s = *this;
    for (int y = y0_; y < y0_ + h_; ++y)
        for (int x = x0_; x < x0_ + w_; ++x) s.ref(x, y) = at(x, y) * (1.f - o.at(x, y));
    return s;
}

Shape Shape::shift(int dx, int dy) const {
    Shape s = *this;
    s.x0_ += dx;
    s.y0_ += dy;
    return s;
}

Shape Shape::hard(float threshold) const {
    Shape s = *this;
    for (float& v : s.a_) v = v >= threshold ? 1.f : 0.f;
    return s;
}

Shape Shape::grow(int px) const {
    Shape s(x0_ - px, y0_ - px, w_ + 2 * px, h_ + 2 * px);
    for (int y = s.y0_; y < s.y0_ + s.h_; ++y)
        for (int x = s.x0_; x < s.x0_ + s.w_; ++x) {
            float m = 0;
            for (int dy = -px; dy <= px; ++dy)
                for (int dx = -px; dx <= px; ++dx) m = std::max(m, at(x + dx, y + dy));
            s.ref(x, y) = m;
        }
    return s;
}

Shape Shape::scaled(float k) const {
    Shape s = *this;
    for (float& v : s.a_) v = clampv(v * k, 0.f, 1.f);
    return s;
}

Shape Shape::mirrorX(float axis) const {
    int nx0 = int(std::lround(2.f * axis)) - x0_ - w_;
    Shape s(nx0, y0_, w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) s.a_[size_t(y) * w_ + (w_ - 1 - x)] = a_[size_t(y) * w_ + x];
    return s;
}

// ---------------------------------------------------------------- Canvas

Rgba Canvas::get(int x, int y) const {
    return at(clampv(x, 0, w_ - 1), clampv(y, 0, h_ - 1));
}

void Canvas::plot(int x, int y, Rgba c, float coverage) {
    if (!inside(x, y) || coverage <= 0.f) return;
    Rgba& d = at(x, y);
    float sa = float(c.a) / 255.f * std::min(coverage, 1.f);
    if (sa <= 0.f) return;
    float da = float(d.a) / 255.f;
    float oa = sa + da * (1.f - sa);
    float kd = da * (1.f - sa);
    d.r = to8((c.r * sa + d.r * kd) / oa);
    d.g = to8((c.g * sa + d.g * kd) / oa);
    d.b = to8((c.b * sa + d.b * kd) / oa);
    d.a = to8(oa * 255.f);
}

void Canvas::clear(Rgba c) { std::fill(px_.begin(), px_.end(), c); }

void Canvas::fill(const Shape& s, Rgba c) {
    int x0 = std::max(0, s.x0()), y0 = std::max(0, s.y0());
    int x1 = std::min(w_, s.x0() + s.w()), y1 = std::min(h_, s.y0() + s.h());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) plot(x, y, c, s.at(x, y));
}

void Canvas::fill(const Shape& s, const PixelPaint& paint) {
    int x0 = std::max(0, s.x0()), y0 = std::max(0, s.y0());
    int x1 = std::min(w_, s.x0() + s.w()), y1 = std::min(h_, s.y0() + s.h());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float a = s.at(x, y);
            if (a > 0.f) plot(x, y, paint(x, y), a);
        }
}

void Canvas::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int yy = std::max(0, y); yy < std::min(h_, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(w_, x + w); ++xx) plot(xx, yy, c);
}

void Canvas::pixelLine(int x0, int y0, int x1, int y1, Rgba c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

namespace {
constexpr float kDither = 5.f;  // gradient dither amplitude in 8-bit steps

Rgba ditherColour(float r, float g, float b, float a, int x, int y) {
    float d = bayer4(x, y) * kDither;
    return Rgba{to8(r + d), to8(g + d), to8(b + d), to8(a)};
}
}  // namespace

void Canvas::vGradient(int x, int y, int w, int h, const std::vector<std::pair<float, Rgba>>& stops) {
    if (stops.empty() || h <= 0) return;
    for (int yy = std::max(0, y); yy < std::min(h_, y + h); ++yy) {
        float t = (float(yy - y) + 0.5f) / float(h);
        size_t i = 0;
        while (i + 1 < stops.size() && stops[i + 1].first < t) ++i;
        Rgba a = stops[i].second, b = a;
        float f = 0;
        if (i + 1 < stops.size() && t > stops[i].first) {
            b = stops[i + 1].second;
            f = (t - stops[i].first) / std::max(1e-6f, stops[i + 1].first - stops[i].first);
            f = clampv(f, 0.f, 1.f);
        }
        float r = lerpf(a.r, b.r, f), g = lerpf(a.g, b.g, f), bl = lerpf(a.b, b.b, f), al = lerpf(a.a, b.a, f);
        for (int xx = std::max(0, x); xx < std::min(w_, x + w); ++xx) plot(xx, yy, ditherColour(r, g, bl, al, xx, yy));
    }
}

void Canvas::radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer) {
    int x0 = std::max(0, int(cx - r) - 1), x1 = std::min(w_, int(cx + r) + 2);
    int y0 = std::max(0, int(cy - r) - 1), y1 = std::min(h_, int(cy + r) + 2);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float t = std::sqrt(dx * dx + dy * dy) / r;
            if (t >= 1.f) continue;
            float r8 = lerpf(inner.r, outer.r, t), g8 = lerpf(inner.g, outer.g, t), b8 = lerpf(inner.b, outer.b, t);
            float a8 = lerpf(inner.a, outer.a, t);
            plot(x, y, ditherColour(r8, g8, b8, a8, x, y));
        }
}

void Canvas::noise(int x, int y, int w, int h, float amount, Rng& rng) {
    for (int yy = std::max(0, y); yy < std::min(h_, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(w_, x + w); ++xx) {
            float n = float(rng.bipolar()) * 0.6f + bayer4(xx, yy) * 0.8f;
            Rgba& p = at(xx, yy);
            if (p.a == 0) continue;
            p.r = to8(p.r + n * amount);
            p.g = to8(p.g + n * amount);
            p.b = to8(p.b + n * amount);
        }
}

Shape Canvas::opaqueShape() const {
    Shape s(0, 0, w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) s.ref(x, y) = at(x, y).a >= 128 ? 1.f : 0.f;
    return s;
}

void Canvas::outline(Rgba c, bool diagonal) {
    std::vector<uint8_t> solid(px_.size());
    for (size_t i = 0; i < px_.size(); ++i) solid[i] = px_[i].a >= 128;
    auto isSolid = [&](int x, int y) { return inside(x, y) && solid[size_t(y) * w_ + x]; };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (solid[size_t(y) * w_ + x]) continue;
            bool edge = isSolid(x - 1, y) || isSolid(x + 1, y) || isSolid(x, y - 1) || isSolid(x, y + 1);
            if (!edge && diagonal)
                edge = isSolid(x - 1, y - 1) || isSolid(x + 1, y - 1) || isSolid(x - 1, y + 1) || isSolid(x + 1, y + 1);
            if (edge) at(x, y) = Rgba{c.r, c.g, c.b, 255};
        }
}

void Canvas::blit(const Canvas& src, int dx, int dy, float opacity) {
    for (int y = 0; y < src.h_; ++y)
        for (int x = 0; x < src.w_; ++x) plot(dx + x, dy + y, src.at(x, y), opacity);
}

void Canvas::blitScaled(const Canvas& src, int dx, int dy, int scale) {
    for (int y = 0; y < src.h_ * scale; ++y)
        for (int x = 0; x < src.w_ * scale; ++x) plot(dx + x, dy + y, src.at(x / scale, y / scale));
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    Canvas c(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx)
            if (inside(x + xx, y + yy)) c.at(xx, yy) = at(x + xx, y + yy);
    return c;
}

Canvas Canvas::scaled(int k) const {
    Canvas c(w_ * k, h_ * k);
    for (int y = 0; y < h_ * k; ++y)
        for (int x = 0; x < w_ * k; ++x) c.at(x, y) = at(x / k, y / k);
    return c;
}

void Canvas::mirrorH() {
    for (int y = 0; y < h_; ++y) std::reverse(px_.begin() + ptrdiff_t(y) * w_, px_.begin() + ptrdiff_t(y + 1) * w_);
}

Canvas Canvas::mirrored() const {
    Canvas c = *this;
    c.mirrorH();
    return c;
}

void Canvas::binarizeAlpha() {
    for (Rgba& p : px_) p.a = p.a >= 128 ? 255 : 0;
}

void Canvas::matte(Rgba bg) {
    for (Rgba& p : px_) {
        if (p.a == 0 || p.a == 255) continue;
        float a = p.a / 255.f;
        p = Rgba{to8(p.r * a + bg.r * (1 - a)), to8(p.g * a + bg.g * (1 - a)), to8(p.b * a + bg.b * (1 - a)), 255};
    }
}

void Canvas::keyHygiene(Rgba key) {
    const Rgba k{key.r, key.g, key.b, 255};
    for (Rgba& p : px_) {
        if (p.a < 128) {
            p = k;
            continue;
        }
        p.a = 255;
        if (p == k) p.b = uint8_t(k.b > 0 ? k.b - 1 : 1);  // one step off the key
    }
}

}  // namespace ag
