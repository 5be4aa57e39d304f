// The play screens' pictures: the brush cursor, the lettering sheet, the
// stage panels and backgrounds, the restart pictures, the title picture and
// the talk window. The pictures themselves are drawn in gen_lettering.cpp,
// gen_panels.cpp, gen_backgrounds.cpp and gen_title.cpp; the brush is here.
#include <cmath>

#include "families.h"
#include "hud_kit.h"
#include "hud_parts.h"
#include "output.h"
#include "palette.h"
#include "props.h"

namespace ag {

namespace hud {

namespace {

// ---------------------------------------------------------------- the brush
// The cursor is drawn 64x64 with the mouse on texel (52, 63) of its cell: the
// bristle tip. The brush leans from the handle at the upper left down to the
// tip at the lower right.
constexpr float kTipX = 53.0f, kTipY = 63.9f;

struct BrushPose {
    Pt tip;
    float press;   // 0 resting .. 1 bristles squashed flat on the paper
    bool splat;    // a fresh dab of paint under the tip
    bool flecks;   // drops flying off as the brush lifts
};

// The brush's own axes: s along it from the bristle tip towards the
// handle, k across it.
struct BrushFrame {
    Pt tip, d, n;
    float len;  // tip to the handle's end
    Pt at(float s, float k) const { return Pt{tip.x + d.x * s + n.x * k, tip.y + d.y * s + n.y * k}; }
};

BrushFrame brushFrame(Pt tip) {
    const float dxh = -43.f, dyh = -55.f;  // from the tip towards the handle end
    const float len = std::sqrt(dxh * dxh + dyh * dyh);
    const Pt d{dxh / len, dyh / len};
    return BrushFrame{tip, d, Pt{-d.y, d.x}, len};
}

// A fresh dab of paint under the tip.
void splat(Canvas& c, Pt tip, Rgba paint) {
    Ramp p = shade(paint);
    Shape blot = (Shape::ellipse(tip.x - 9, tip.y - 2.5f, 12.f, 3.6f) | Shape::circle(tip.x - 24, tip.y - 4.5f, 2.4f)).hard();
    c.fill(blot.grow(1), pal::kOutline);
    c.fill(blot, p.base);
    c.fill(Shape::ellipse(tip.x - 12, tip.y - 3.6f, 4.5f, 1.3f).hard(), p.light);
}

// Bristles: a plump tuft with a pointed tip, shorter and wider when
// pressed, the tip dragging to the left.
Shape tuftShape(const BrushFrame& b, float tuftLen, float press) {
    const float tuftW = 7.2f * (1.f + 0.45f * press);
    const int steps = 14;
    std::vector<Pt> tuft;
    for (float side : {1.f, -1.f})
        for (int j = 0; j <= steps; ++j) {
            float t = float(side > 0 ? j : steps - j) / steps;  // 0 at the tip .. 1 at the ferrule
            float w = tuftW * (press > 0.5f ? std::pow(t, 0.25f) * 0.8f + 0.2f : std::pow(std::sin(t * 1.7f), 0.8f));
            float bend = press * 3.5f * (1.f - t) * (1.f - t);
            tuft.push_back(b.at(t * tuftLen, side * w + bend));
        }
    return Shape::polygon(tuft).hard();
}

// The wooden handle with a ring at its end, and the metal ferrule.
void handleAndFerrule(Canvas& c, const BrushFrame& b, const Shape& handle, const Shape& ferrule, float f0, float f1) {
    Ramp wood = shade(pal::kPlank);
    fillShaded(c, handle, wood, 1);
    c.fill(Shape::capsule(b.at(f1 + 4.f, -1.4f), b.at(b.len - 6.f, -1.2f), 0.6f).hard(), wood.light);
    c.fill(Shape::circle(b.at(b.len - 3.f, 0).x, b.at(b.len - 3.f, 0).y, 1.6f).hard(), wood.deep);
    Ramp metal = shade(pal::kMetal);
    fillShaded(c, ferrule, metal, 1);
    c.fill(Shape::polygon({b.at(f0 + 3.5f, 5.f), b.at(f0 + 5.f, 5.f), b.at(f0 + 5.f, -5.f), b.at(f0 + 3.5f, -5.f)}).hard() & ferrule,
           metal.shadow);
}

// The bristles, dipped in the paint or (clean) showing a few lines.
void bristles(Canvas& c, const BrushFrame& b, const Shape& tuftS, float tuftLen, Rgba paint) {
    Ramp hair = shade(pal::kCream);
    fillShaded(c, tuftS, hair, 1);
    if (paint.a == 0) {
        for (float k : {-2.5f, 1.5f})
            c.fill(Shape::capsule(b.at(tuftLen * 0.25f, k), b.at(tuftLen * 0.8f, k * 1.3f), 0.5f).hard() & tuftS, hair.shadow);
        return;
    }
    Shape dipped = tuftS & Shape::polygon({b.at(-8, -20), b.at(tuftLen * 0.58f, -20), b.at(tuftLen * 0.48f, 20), b.at(-8, 20)}).hard();
    Ramp p = shade(paint);
    c.fill(dipped, p.base);
    c.fill(dipped - dipped.shift(-1, -1), p.shadow);
    c.fill(Shape::capsule(b.at(tuftLen * 0.18f, -2.f), b.at(tuftLen * 0.4f, -3.f), 0.9f).hard() & dipped, p.light);
}

// Drops flying off as the brush lifts.
void flecks(Canvas& c, Pt tip, Rgba paint) {
    Ramp p = shade(paint);
    for (Pt q : {Pt{tip.x - 18, tip.y - 9}, Pt{tip.x + 5, tip.y - 12}}) {
        Shape dot = Shape::circle(q.x, q.y, 2.2f).hard();
        c.fill(dot.grow(1), pal::kOutline);
        c.fill(dot, p.base);
    }
}

void drawBrush(Canvas& c, float ox, float oy, const BrushPose& pose, Rgba paint) {
    const BrushFrame b = brushFrame(Pt{ox + pose.tip.x, oy + pose.tip.y});
    const float len = b.len;
    if (pose.splat && paint.a > 0) splat(c, b.tip, paint);
    const float tuftLen = 22.f * (1.f - 0.3f * pose.press);
    Shape tuftS = tuftShape(b, tuftLen, pose.press);
    const float f0 = tuftLen - 1.f, f1 = tuftLen + 9.f;
    Shape ferrule = Shape::polygon({b.at(f0, 5.2f), b.at(f1, 4.4f), b.at(f1, -4.4f), b.at(f0, -5.2f)}).hard();
    Shape handle = (Shape::polygon({b.at(f1 - 1.f, 3.6f), b.at(len - 3.f, 2.7f), b.at(len - 3.f, -2.7f), b.at(f1 - 1.f, -3.6f)}) |
                    Shape::circle(b.at(len - 3.f, 0).x, b.at(len - 3.f, 0).y, 3.4f))
                       .hard();
    c.fill((tuftS | ferrule | handle).grow(1), pal::kOutline);
    handleAndFerrule(c, b, handle, ferrule, f0, f1);
    bristles(c, b, tuftS, tuftLen, paint);
    // the paint's mark beside the loaded tip, clear of the bristles
    if (paint.a > 0) paintBadge(c, b.tip.x - 2.f, b.tip.y - 35.f, 8.5f, paint);
    if (pose.flecks && paint.a > 0) flecks(c, b.tip, paint);
}

}  // namespace

Canvas brushSheet() {
    Canvas c(256, 256);
    const Rgba paints[4] = {pal::kRed, pal::kBlue, pal::kGreen, kClear};
    const BrushPose poses[4] = {
        {{kTipX, kTipY}, 0.f, false, false},             // resting, the tip on the hot spot
        {{kTipX - 4.f, kTipY - 6.f}, 0.f, false, false}, // raised to strike
        {{kTipX, kTipY}, 1.f, true, false},              // pressed into the paper
        {{kTipX - 1.5f, kTipY - 3.f}, 0.25f, true, true} // lifting off, the dab left behind
    };
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            Canvas cell(64, 64);
            drawBrush(cell, 0, 0, poses[row], paints[col]);
            c.blit(cell, col * 64, row * 64);
        }
    return c;
}

}  // namespace hud

void genHud(Output& out) {
    using namespace hud;
    // The English pass letters again only what carries words.
    const bool all = lang() == Lang::Ja;
    if (all) out.keyedPng(kPicBrush, brushSheet());
    out.keyedPng(kPicLettering, letteringSheet());
    for (int n = 1; n <= 7; ++n) out.keyedPng(kPicPanels[n], forFullScreenQuad(stagePanel(n)));
    for (int n = 1; n <= 8 && all; ++n) {
        Canvas bg = forFullScreenQuad(stageBackground(n));
        avoidBlackAndWhite(bg);
        out.keyedPng(kPicBackgrounds[n], bg);
    }
    out.keyedPng(kPicReset, resetPicture());
    out.keyedPng(kPicTimeUp, timeUpPicture());
    if (all) out.keyedPng(kPicGauge, gaugePicture());
    out.keyedPng(kPicTitle, forFullScreenQuad(titlePicture()));
    if (all) out.keyedPng(kPicTalkWindow, forFullScreenQuad(talkWindow()));
}

}  // namespace ag
