// RGBA pictures and the shapes drawn into them.
//
// A Shape is a coverage map (0..1 per pixel) over its bounding box. Shapes are
// anti-aliased when made; call hard() for crisp pixel-art edges. They combine
// with | (union), & (intersection) and - (cut away), and shift() moves them,
// which is how sprites get their shading: the lit part of a body is the body
// minus the body shifted towards the light.
//
// Canvas::fill(shape, colour) blends a shape over the picture. Pictures that
// the game loads with a colour key are finished with keyed(): every pixel that
// is less than half covered becomes the exact key, and no opaque pixel keeps
// the key's value.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "common.h"

namespace ag {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    constexpr bool operator==(const Rgba&) const = default;
    // 0xAARRGGBB, the way the game writes colours and keys.
    constexpr uint32_t argb() const {
        return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
    }
};

// 0xRRGGBB -> opaque colour (or with the given alpha).
constexpr Rgba hex(uint32_t rgb, uint8_t a = 255) {
    return Rgba{uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), a};
}
// 0xAARRGGBB -> colour.
constexpr Rgba fromArgb(uint32_t argb) {
    return Rgba{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
}
inline constexpr Rgba kClear{0, 0, 0, 0};

Rgba mix(Rgba a, Rgba b, float t);        // all four channels
Rgba withAlpha(Rgba c, float alpha);      // alpha in 0..1
Rgba lighter(Rgba c, float t);            // towards warm light
Rgba darker(Rgba c, float t);             // towards cool shadow

// Shades of one material, lit from the top left. shade(base) derives them
// with the game's hue shift (shadows lean violet, lights lean warm).
struct Ramp {
    Rgba deep, shadow, base, light, shine;
};
Ramp shade(Rgba base);

struct Pt {
    float x, y;
};

class Shape {
public:
    Shape() = default;
    Shape(int x0, int y0, int w, int h) : x0_(x0), y0_(y0), w_(w), h_(h), a_(size_t(w) * h, 0.f) {}

    // Primitives. Coordinates are in pixels; pixel (x, y) spans x..x+1, so a
    // circle centred on (10, 10) is centred on a pixel corner.
    static Shape rect(float x, float y, float w, float h);
    static Shape ellipse(float cx, float cy, float rx, float ry);
    static Shape circle(float cx, float cy, float r) { return ellipse(cx, cy, r, r); }
    static Shape roundRect(float x, float y, float w, float h, float radius);
    static Shape polygon(const std::vector<Pt>& pts);          // non-zero winding
    static Shape capsule(Pt a, Pt b, float radius);             // thick line, round ends
    static Shape polyline(const std::vector<Pt>& pts, float radius);
    // Area below the curve y = top(x) down to y = bottom, for x in [x0, x1).
    static Shape below(int x0, int x1, float bottom, const std::function<float(float)>& top);
    // Every pixel where the coverage function says so (x, y = pixel centre).
    static Shape where(int x0, int y0, int w, int h, const std::function<float(float, float)>& cov);

    Shape operator|(const Shape& o) const;  // union
    Shape operator&(const Shape& o) const;  // intersection
    Shape operator-(const Shape& o) const;  // this without o
    Shape shift(int dx, int dy) const;
    Shape hard(float threshold = 0.5f) const;   // coverage becomes 0 or 1
    Shape grow(int px = 1) const;               // dilate (8-neighbourhood)
    Shape scaled(float k) const;                // coverage times k
    Shape mirrorX(float axis) const;            // reflect about x = axis

    float at(int x, int y) const {
        x -= x0_;
        y -= y0_;
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0.f;
        return a_[size_t(y) * w_ + x];
    }
    float& ref(int x, int y) { return a_[size_t(y - y0_) * w_ + (x - x0_)]; }
    int x0() const { return x0_; }
    int y0() const { return y0_; }
    int w() const { return w_; }
    int h() const { return h_; }
    bool empty() const { return w_ <= 0 || h_ <= 0; }

private:
    int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
    std::vector<float> a_;
};

using PixelPaint = std::function<Rgba(int x, int y)>;

class Canvas {
public:
    Canvas() = default;
    Canvas(int w, int h, Rgba fill = kClear) : w_(w), h_(h), px_(size_t(w) * h, fill) {}

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba& at(int x, int y) { return px_[size_t(y) * w_ + x]; }
    const Rgba& at(int x, int y) const { return px_[size_t(y) * w_ + x]; }
    Rgba get(int x, int y) const;  // clamped to the edge
    const std::vector<Rgba>& pixels() const { return px_; }

    void set(int x, int y, Rgba c) {
        if (inside(x, y)) at(x, y) = c;
    }
    // Source-over blend of c scaled by coverage.
    void plot(int x, int y, Rgba c, float coverage = 1.f);

    void clear(Rgba c);
    void fill(const Shape& s, Rgba c);
    void fill(const Shape& s, const PixelPaint& paint);
    void fillRect(int x, int y, int w, int h, Rgba c);
    void fillEllipse(float cx, float cy, float rx, float ry, Rgba c) { fill(Shape::ellipse(cx, cy, rx, ry), c); }
    void fillCircle(float cx, float cy, float r, Rgba c) { fill(Shape::circle(cx, cy, r), c); }
    void fillRoundRect(float x, float y, float w, float h, float r, Rgba c) {
        fill(Shape::roundRect(x, y, w, h, r), c);
    }
    void fillPolygon(const std::vector<Pt>& pts, Rgba c) { fill(Shape::polygon(pts), c); }
    void line(float x0, float y0, float x1, float y1, Rgba c, float width = 1.f) {
        fill(Shape::capsule({x0, y0}, {x1, y1}, width * 0.5f), c);
    }
    // One-pixel hard line (Bresenham), for pixel-art details.
    void pixelLine(int x0, int y0, int x1, int y1, Rgba c);

    // Gradients, dithered (4x4 ordered) so they do not band; stops are
    // (position 0..1, colour) pairs in order.
    void vGradient(int x, int y, int w, int h, const std::vector<std::pair<float, Rgba>>& stops);
    void vGradient(int x, int y, int w, int h, Rgba top, Rgba bottom) {
        vGradient(x, y, w, h, {{0.f, top}, {1.f, bottom}});
    }
    // Blends a radial glow: inner colour at the centre fading to outer at r.
    void radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer);
    // Gentle texture: ordered dither plus seeded noise of +-amount on the
    // colour channels of the rectangle's opaque pixels.
    void noise(int x, int y, int w, int h, float amount, Rng& rng);

    // 1-px dark outline around the opaque (alpha >= 128) pixels, drawn into
    // the transparent pixels next to them (4-neighbourhood; 8 with diagonal).
    void outline(Rgba c, bool diagonal = false);
    // The opaque area as a hard shape.
    Shape opaqueShape() const;

    void blit(const Canvas& src, int dx, int dy, float opacity = 1.f);
    void blitScaled(const Canvas& src, int dx, int dy, int scale);  // nearest neighbour
    Canvas crop(int x, int y, int w, int h) const;
    Canvas scaled(int k) const;  // nearest neighbour, k times larger
    void mirrorH();
    Canvas mirrored() const;

    // Alpha becomes 0 or 255 (threshold 128).
    void binarizeAlpha();
    // Partly covered pixels are blended onto bg and become opaque; fully
    // transparent ones stay so. Use it when the game shows the picture over a
    // known colour (the white cleared screen), so soft edges stay soft.
    void matte(Rgba bg);
    // Colour-key hygiene: every opaque pixel equal to the key is nudged by
    // one step; every transparent pixel becomes the exact key. Run it once,
    // as the last step (Output's keyed writers do): on a picture that is
    // already keyed it would nudge the key itself.
    void keyHygiene(Rgba key);
    // binarizeAlpha() then keyHygiene(key): ready to save as a keyed picture.
    void keyed(Rgba key) {
        binarizeAlpha();
        keyHygiene(key);
    }

private:
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};

// 4x4 Bayer threshold in (-0.5, 0.5).
float bayer4(int x, int y);

}  // namespace ag
