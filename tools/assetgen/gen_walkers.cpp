// The character sheet img/char.move.png: 256x1024, cells of 32x64 (u steps
// of 0.125, v steps of 0.0625), keyed on (1,1,1). A walker's or a loose
// object's quad is 64 px high and hangs from the top of its 32-px box, so
// its picture fills the cell's upper half and the lower half, which lies
// over the floor, stays empty.
//
//   columns 0..3 (blue, red, green, unpainted clothes), rows 0..9: the walk,
//     drawn facing left (the game mirrors it for walking right); row 10:
//     stuck, sitting down; row 13: casting, arms held out.
//   column 4, rows 0..3: the stone block, cool (row 0) to glowing hot.
//   column 5, row 0: a walker charred black by fire.
//   column 5, y 96..224: four frames of the life heart (32x32 each);
//     y 226..258: the lost life.
//   columns 6..7, rows 0..3: the wide wooden tub of water, whole, then
//     coming apart.
//   columns 4, 5, 6, rows 8..12: the paint digits 0..4 in red, green and
//     blue (5..7 where cells are free: no stage holds more than four).
//   row 13, columns 4..7: the boulder, still and then shaking and glowing.
//   row 14, columns 0..4: the ice block melting to a puddle.
//   row 15, columns 0..2, upper 32x32: the marks of red, green and blue
//     paint (flame, swirl, drop), worn over a painted walker.
//
// The partner's sheet img/char.partner.png has the same size, key and
// walker cells (columns 0..3 of rows 0..9, 10 and 13); the rest is key.
#include <array>
#include <cmath>
#include <string>

#include "hud_kit.h"
#include "looks.h"
#include "stage_sheets.h"
#include "text.h"

namespace ag::sheet {

namespace {

using look::Look;

constexpr int kW = 256, kH = 1024, kCellW = 32, kCellH = 64;

// ---------------------------------------------------------------- walkers
// A walker cell is a list of layers, far side first: the far arm and leg,
// the clothes behind the near leg, the near leg, the clothes in front of it,
// the near arm, the head, and what the pose adds (a casting arm, a dizzy
// spell). The two travellers share the layers; their builds differ in the
// numbers and in the clothes and head they draw.
enum class Kind { Walk, Cast, Stuck };

struct Pose {
    Kind kind = Kind::Walk;
    float stride = 0;   // near foot forward (to the left) .. back
    float liftNear = 0, liftFar = 0;
    float bob = 0;      // body lowered by this many px
    float swing = 0;    // near arm forward .. back
};

Pose walkPose(int frame) {
    Pose p;
    float a = float(frame) / 10.f * 2.f * float(kPi);
    p.stride = std::sin(a);
    p.liftNear = std::max(0.f, std::cos(a)) * 1.6f;
    p.liftFar = std::max(0.f, -std::cos(a)) * 1.6f;
    p.bob = std::fabs(std::cos(a)) > 0.7f ? 1.f : 0.f;
    p.swing = -std::sin(a);
    return p;
}

// Where the limbs of one cell go.
struct Rig {
    Pt farHip, farFoot, farShoulder, farHand, nearHip, nearFoot, nearShoulder, nearHand, head;
};

// A traveller's walk: where the hips, shoulders and hands sit and how far
// the feet and hands swing.
struct Gait {
    float hipY, stride, nearShoulderX, shoulderY, swing, handY, castY, headY, sparkY;
};

// Sitting stuck on the ground: the rig, where the sweat drop hangs and
// where the dizzy stars circle (round a bright heart for her).
struct Sitting {
    Rig rig;
    Pt sweat, dizzy;
    bool heart;
};

struct Cell;
using Layer = void (*)(Cell&);

struct Build {
    float legR, footRx, footRy, armR, handR;
    Gait gait;
    Sitting sitting;
    float topPaint;        // how much of the paint the shirt or blouse takes
    bool legsTakePaint;    // his trousers darken with the paint
    bool sleeveIsOver;     // his sleeves are the jacket's; hers the blouse's
    float farSleeveDark;
    Layer behind, inFront, head;
};

// One cell while it is drawn.
struct Cell {
    Canvas c{kCellW, kCellW};
    const Build& build;
    const Look& look;
    Pose pose;
    Rgba sparkle;
    bool frizz;
    Rig rig;
    Ramp top, over, legs, shoes, skin, accent, sleeve, farSleeve, farLegs, farShoes;
};

Rig walkingRig(const Gait& g, const Pose& p) {
    const float b = p.bob, hipY = g.hipY + b;
    Rig r;
    r.nearFoot = {16.f - g.stride * p.stride, 30.f - p.liftNear};
    r.farFoot = {16.5f + g.stride * p.stride, 30.f - p.liftFar};
    r.nearShoulder = {g.nearShoulderX, g.shoulderY + b};
    r.farShoulder = {18.f, g.shoulderY + b};
    r.nearHand = {g.nearShoulderX - g.swing * p.swing, g.handY + b};
    r.farHand = {18.f + g.swing * p.swing, g.handY + b};
    if (p.kind == Kind::Cast) {
        r.nearHand = {6.5f, g.castY + b};
        r.farHand = {9.f, g.castY - 3.f + b};
    }
    r.farHip = {17.f, hipY};
    r.nearHip = {15.f, hipY};
    r.head = {15.5f, g.headY + b};
    return r;
}

Cell startCell(const Build& build, const Look& look, const Pose& p, Rgba sparkle, bool frizz) {
    Cell k{.build = build, .look = look, .pose = p, .sparkle = sparkle, .frizz = frizz};
    k.rig = p.kind == Kind::Stuck ? build.sitting.rig : walkingRig(build.gait, p);
    k.top = shade(look.top);
    k.over = shade(look.over);
    k.legs = shade(look.legs);
    k.shoes = shade(look.shoes);
    k.skin = shade(look.skin);
    k.accent = shade(look.accent);
    k.sleeve = build.sleeveIsOver ? k.over : k.top;
    k.farSleeve = shade(darker(build.sleeveIsOver ? look.over : look.top, build.farSleeveDark));
    k.farLegs = shade(darker(look.legs, 0.2f));
    k.farShoes = shade(darker(look.shoes, 0.2f));
    return k;
}

void leg(Cell& k, Pt hip, Pt foot, const Ramp& cloth, const Ramp& shoe) {
    part(k.c, hLine(hip, {foot.x, foot.y - 1.5f}, k.build.legR), cloth, 1, true);
    part(k.c, hEllipse(foot.x - 1.f, foot.y, k.build.footRx, k.build.footRy), shoe, 0, true);
}

void arm(Cell& k, Pt shoulder, Pt hand, const Ramp& cloth) {
    part(k.c, hLine(shoulder, hand, k.build.armR), cloth, 1, true);
    part(k.c, hCircle(hand.x, hand.y, k.build.handR), k.skin, 0, false);
}

void farLeg(Cell& k) { leg(k, k.rig.farHip, k.rig.farFoot, k.farLegs, k.farShoes); }
void farArm(Cell& k) { arm(k, k.rig.farShoulder, k.rig.farHand, k.farSleeve); }
void nearLeg(Cell& k) { leg(k, k.rig.nearHip, k.rig.nearFoot, k.legs, k.shoes); }
void nearArm(Cell& k) { arm(k, k.rig.nearShoulder, k.rig.nearHand, k.sleeve); }
void nearArmUnlessCasting(Cell& k) {
    if (k.pose.kind != Kind::Cast) nearArm(k);
}
void behind(Cell& k) { k.build.behind(k); }
void inFront(Cell& k) { k.build.inFront(k); }
void head(Cell& k) { k.build.head(k); }

// Casting, the near arm comes over the face with a glint of the paint.
void castingArm(Cell& k) {
    if (k.pose.kind != Kind::Cast) return;
    nearArm(k);
    if (!k.sparkle.a) return;
    const Ramp sp = shade(k.sparkle);
    const int y = int(k.build.gait.sparkY);
    for (int d = -2; d <= 2; ++d) {
        k.c.set(3 + d, y, std::abs(d) == 2 ? sp.base : sp.shine);
        k.c.set(3, y + d, std::abs(d) == 2 ? sp.base : sp.shine);
    }
    k.c.set(3, y, pal::kEyeWhite);
}

// Stuck: a drop of sweat and a little swirl of dizziness.
void dizzy(Cell& k) {
    const Sitting& s = k.build.sitting;
    part(k.c, hEllipse(s.sweat.x, s.sweat.y, 1.4f, 2.f), shade(pal::kPowderBlue), 0, true);
    const int x = int(s.dizzy.x), y = int(s.dizzy.y);
    for (Pt d : {Pt{-1, 0}, Pt{0, -1}, Pt{1, 0}, Pt{0, 1}}) k.c.set(x + int(d.x), y + int(d.y), pal::kPaleGold);
    if (s.heart) k.c.set(x, y, pal::kEyeWhite);  // a bright heart, where the key would show
}

using Layers = std::array<Layer, 8>;
constexpr Layers kSittingLayers = {farLeg, farArm, behind, nearLeg, inFront, nearArm, head, dizzy};
constexpr Layers kWalkingLayers = {farArm, farLeg, behind, nearLeg, inFront, nearArmUnlessCasting, head, castingArm};

void drawCell(Canvas& sheet, int ox, int oy, const Build& build, const Look& look, const Pose& p, Rgba sparkle,
              bool frizz = false) {
    Cell k = startCell(build, look, p, sparkle, frizz);
    for (Layer layer : p.kind == Kind::Stuck ? kSittingLayers : kWalkingLayers) layer(k);
    sheet.blit(k.c, ox, oy);
}

void nothing(Cell&) {}

// ---------------------------------------------------------------- hero
// His head, facing left: face, hair with a fringe, ear, eyes. Charred, his
// hair stands on end and his eyes show white.
void heroHead(Canvas& c, float cx, float cy, const Look& o, bool closedEyes, bool frizz) {
    const Ramp skin = shade(o.skin), hair = shade(o.hair);
    Shape face = hEllipse(cx, cy, 6.4f, 6.f);
    part(c, face, skin, 1, false);
    Shape cap = hEllipse(cx + 1.2f, cy - 1.6f, 7.f, 5.6f);
    Shape window = hEllipse(cx - 2.f, cy + 2.2f, 5.4f, 4.6f);
    Shape back = hPoly({{cx + 1.f, cy - 4.f}, {cx + 7.6f, cy - 2.f}, {cx + 7.4f, cy + 4.f}, {cx + 3.f, cy + 5.f}});
    Shape hairS = ((cap | back) - window) | hPoly({{cx - 7.f, cy - 1.f}, {cx - 5.f, cy - 5.f}, {cx - 3.5f, cy - 0.5f}});
    if (frizz)
        for (int k = 0; k < 5; ++k) {
            float x = cx - 5.f + float(k) * 3.f;
            hairS = hairS | hPoly({{x - 1.5f, cy - 5.f}, {x + 0.5f, cy - 9.5f}, {x + 1.5f, cy - 5.f}});
        }
    c.fill(hairS.grow(1) - face, pal::kOutline);
    c.fill(hairS, hair.base);
    c.fill(hairS - hairS.shift(-1, -2), hair.shadow);
    c.fill((hairS & hEllipse(cx - 0.5f, cy - 5.f, 4.5f, 1.6f)), hair.light);
    // fringe tufts over the brow
    for (int k = 0; k < 3; ++k) c.set(int(cx - 5.5f + float(k) * 2.6f), int(cy - 1.f), hair.shadow);
    // ear
    c.fill(hEllipse(cx + 2.6f, cy + 1.2f, 1.4f, 1.8f), skin.base);
    c.set(int(cx + 2.6f), int(cy + 1.2f), skin.shadow);
    // eyes: two dark dashes towards the front of the face
    const Rgba eye = frizz ? o.iris : pal::kOutline;
    for (float ex : {cx - 4.5f, cx - 1.5f}) {
        c.set(int(ex), int(cy + 1.f), eye);
        c.set(closedEyes ? int(ex) + 1 : int(ex), closedEyes ? int(cy + 1.f) : int(cy), eye);
    }
    if (!frizz) c.set(int(cx - 3.f), int(cy + 3.f), shade(pal::kBlush).base);
}

void heroHeadLayer(Cell& k) {
    const bool sitting = k.pose.kind == Kind::Stuck;
    heroHead(k.c, k.rig.head.x, k.rig.head.y, k.look, sitting, k.frizz);
}

// The satchel on his back, the shirt under a vest open at the front.
void heroClothes(Cell& k) {
    const bool sitting = k.pose.kind == Kind::Stuck;
    const float b = k.pose.bob;
    if (sitting) {
        part(k.c, hRound(20.f, 20.f, 4.f, 5.f, 1.f), k.accent, 1, true);
        Shape torso = hRound(12.5f, 19.f, 9.f, 9.5f, 2.f);
        part(k.c, torso, k.top, 1, true);
        k.c.fill(torso & hRect(12.5f, 19.f, 2.5f, 9.f), k.over.base);
        k.c.fill(torso & hRect(18.5f, 19.f, 3.f, 9.f), k.over.shadow);
        return;
    }
    part(k.c, hRound(19.5f, 17.f + b, 4.5f, 5.5f, 1.f), k.accent, 1, true);
    Shape torso = hRound(11.5f, 14.5f + b, 9.f, 9.5f, 2.f);
    part(k.c, torso, k.top, 1, true);
    k.c.fill(torso & hRect(11.5f, 14.5f + b, 2.5f, 9.5f), k.over.base);
    k.c.fill(torso & hRect(17.f, 14.5f + b, 4.f, 9.5f), k.over.base);
    k.c.fill(torso & hRect(19.5f, 14.5f + b, 1.5f, 9.5f), k.over.shadow);
    k.c.fill(torso & hRect(11.5f, 22.f + b, 9.f, 1.f), k.shoes.base);  // the belt
}

constexpr Build kHeroBuild{
    .legR = 1.7f, .footRx = 2.7f, .footRy = 1.6f, .armR = 1.5f, .handR = 1.5f,
    .gait = {.hipY = 23.f, .stride = 3.6f, .nearShoulderX = 14.f, .shoulderY = 16.5f, .swing = 3.2f, .handY = 22.f,
             .castY = 13.5f, .headY = 8.5f, .sparkY = 12.f},
    .sitting = {.rig = {.farHip = {18.f, 28.f}, .farFoot = {9.f, 30.f}, .farShoulder = {19.f, 21.f}, .farHand = {23.f, 28.f},
                        .nearHip = {16.f, 28.f}, .nearFoot = {7.f, 30.5f}, .nearShoulder = {14.f, 21.f},
                        .nearHand = {11.f, 27.f}, .head = {15.f, 13.f}},
                .sweat = {24.5f, 10.f}, .dizzy = {8.f, 4.f}, .heart = false},
    .topPaint = 0.55f, .legsTakePaint = true, .sleeveIsOver = true, .farSleeveDark = 0.22f,
    .behind = heroClothes, .inFront = nothing, .head = heroHeadLayer,
};

// ---------------------------------------------------------------- partner
// Her cells repeat his: the same walk cycle, proportions and outline, a
// head shorter by a pixel. She wears a cream blouse under a pinafore, which
// takes the paint as his vest does, and an auburn ponytail tied with a bow
// below a hairband.

// The ponytail, tied at the back of the crown, behind the head. `sway`
// swings its tip back (+) or forward; `hang` lets it fall straight down.
void ponytail(Canvas& c, Pt knot, const Ramp& hair, float sway, bool hang) {
    Shape tail = hang ? hPoly({{knot.x - 0.5f, knot.y - 1.f}, {knot.x + 3.f, knot.y - 0.5f}, {knot.x + 4.5f, knot.y + 4.f},
                               {knot.x + 4.5f, knot.y + 11.f}, {knot.x + 3.f, knot.y + 12.5f}, {knot.x + 2.f, knot.y + 6.f}, {knot.x, knot.y + 2.5f}})
                      : hPoly({{knot.x - 0.5f, knot.y - 1.f}, {knot.x + 3.f, knot.y - 0.8f}, {knot.x + 5.5f, knot.y + 2.5f},
                               {knot.x + 6.f + sway, knot.y + 9.f}, {knot.x + 4.5f + sway, knot.y + 12.f}, {knot.x + 3.5f + 0.5f * sway, knot.y + 6.f},
                               {knot.x + 1.5f, knot.y + 3.f}});
    part(c, tail, hair, 1, true);
    c.fill(hLine({knot.x + 2.f, knot.y + 0.5f}, {knot.x + 4.f + (hang ? -1.f : 0.6f * sway), knot.y + 6.f}, 0.4f) & tail, hair.light);
}

// Her hair over the face and the hairband across it; returns the hair.
Shape partnerHair(Canvas& c, float cx, float cy, const Shape& face, const Ramp& hair, const Ramp& ribbon) {
    Shape cap = hEllipse(cx + 1.f, cy - 1.7f, 7.2f, 5.6f);
    Shape window = hEllipse(cx - 2.4f, cy + 2.8f, 5.2f, 4.2f);
    // hair down to the nape behind the ear
    Shape back = hPoly({{cx + 1.f, cy - 4.f}, {cx + 7.8f, cy - 2.f}, {cx + 7.6f, cy + 5.5f}, {cx + 4.5f, cy + 6.f}, {cx + 3.f, cy + 2.f}});
    // bangs swept forward to a point over the brow
    Shape bangs = hPoly({{cx - 7.2f, cy + 0.5f}, {cx - 5.5f, cy - 5.f}, {cx - 1.f, cy - 4.f}, {cx - 2.5f, cy - 0.5f}, {cx - 4.5f, cy - 1.5f}});
    Shape hairS = ((cap | back) - window) | bangs;
    c.fill(hairS.grow(1) - face, pal::kOutline);
    c.fill(hairS, hair.base);
    c.fill(hairS - hairS.shift(-1, -2), hair.shadow);
    c.fill(hairS & hEllipse(cx - 1.5f, cy - 5.f, 3.f, 1.f), hair.light);
    c.set(int(cx - 3.f), int(cy - 1.f), hair.shadow);
    // the hairband over the crown, from behind the ear to the top
    Shape band = (hEllipse(cx + 1.f, cy + 0.5f, 3.6f, 8.2f) - hEllipse(cx + 0.2f, cy + 0.5f, 3.3f, 7.2f)) & hRect(cx - 3.f, cy - 9.f, 7.f, 8.f) &
                 hairS;
    c.fill(band, ribbon.base);
    return hairS;
}

// The bow where the ponytail is tied, its loops standing up either side of
// the knot above the crown; too small for shapes, so set by pixel.
void bow(Canvas& c, Pt knot, const Ramp& ribbon) {
    static const char* const kBow[5] = {
        ".OO...OO.",
        "OLLO.OLLO",
        "OBBBKBBBO",
        "OSSO.OSSO",
        ".OO...OO.",
    };
    const int bx = int(knot.x) - 5, by = int(knot.y - 2.5f) - 2;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) {
            const char ch = kBow[y][x];
            if (ch == '.') continue;
            c.set(bx + x, by + y, ch == 'O' ? pal::kOutline : ch == 'L' ? ribbon.light : ch == 'B' ? ribbon.base : ribbon.shadow);
        }
}

// Her head, facing left.
void partnerHead(Canvas& c, float cx, float cy, const Look& d, bool closedEyes, float sway, bool hang) {
    const Ramp skin = shade(d.skin), hair = shade(d.hair), ribbon = shade(d.accent);
    const Pt knot{cx + 6.f, cy - 4.f};
    ponytail(c, knot, hair, sway, hang);
    Shape face = hEllipse(cx, cy, 6.2f, 5.8f);
    part(c, face, skin, 1, false);
    Shape hairS = partnerHair(c, cx, cy, face, hair, ribbon);
    bow(c, knot, ribbon);
    c.fill(hEllipse(cx + 2.4f, cy + 1.4f, 1.2f, 1.6f) - hairS, skin.base);  // ear
    // eyes, lashed at the outer corner, and a blush
    for (float ex : {cx - 4.5f, cx - 1.5f}) {
        c.set(int(ex), int(cy + 1.f), pal::kOutline);
        c.set(closedEyes ? int(ex) + 1 : int(ex), closedEyes ? int(cy + 1.f) : int(cy), pal::kOutline);
    }
    if (!closedEyes) c.set(int(cx - 1.5f) + 1, int(cy), pal::kOutline);
    c.set(int(cx - 3.f), int(cy + 3.f), shade(pal::kBlush).base);
    c.set(int(cx - 2.f), int(cy + 3.f), shade(pal::kBlush).light);
}

void partnerHeadLayer(Cell& k) {
    if (k.pose.kind == Kind::Stuck) return partnerHead(k.c, k.rig.head.x, k.rig.head.y, k.look, true, 0.f, true);
    const float sway = 0.8f * k.pose.swing + (k.pose.bob > 0 ? 0.5f : 0.f);
    partnerHead(k.c, k.rig.head.x, k.rig.head.y, k.look, false, sway, false);
}

// Sitting, the blouse goes behind her near leg and the pinafore in front.
void partnerBlouseSitting(Cell& k) {
    if (k.pose.kind == Kind::Stuck) part(k.c, hRound(12.5f, 20.f, 8.f, 6.5f, 2.f), k.top, 1, true);
}

void partnerDressSitting(Cell& k) {
    Shape torso = hRound(12.5f, 20.f, 8.f, 6.5f, 2.f);
    Shape skirt = hPoly({{12.f, 25.f}, {20.5f, 25.f}, {24.f, 30.5f}, {10.f, 30.5f}});
    part(k.c, skirt, k.over, 1, true);
    k.c.fill(hLine({15.f, 27.f}, {14.f, 30.f}, 0.3f) & skirt, k.over.shadow);
    k.c.fill(hLine({19.f, 27.f}, {20.f, 30.f}, 0.3f) & skirt, k.over.shadow);
    k.c.fill(torso & hRect(12.5f, 22.5f, 8.f, 4.f), k.over.base);
    k.c.fill(torso & hRect(17.f, 20.f, 1.5f, 3.f), k.over.base);
}

// Walking: the blouse, then the pinafore's bodice and strap, then its skirt.
void partnerDressWalking(Cell& k) {
    const float b = k.pose.bob;
    Shape torso = hRound(11.5f, 16.f + b, 9.f, 7.f, 2.f);
    part(k.c, torso, k.top, 1, true);
    k.c.fill(torso & hRect(11.5f, 18.5f + b, 9.f, 5.f), k.over.base);
    k.c.fill(torso & hRect(11.5f, 18.5f + b, 9.f, 1.f), k.over.light);
    k.c.fill(torso & hRect(19.f, 18.5f + b, 1.5f, 5.f), k.over.shadow);
    k.c.fill(torso & hRect(17.f, 16.f + b, 1.5f, 3.f), k.over.base);
    k.c.set(12, int(17.f + b), lighter(k.look.top, 0.4f));  // the collar
    const float hem = 26.f + b, flare = 0.6f * k.pose.stride;
    Shape skirt = hPoly({{11.8f, 21.5f + b}, {20.2f, 21.5f + b}, {22.5f + flare, hem}, {9.5f + flare, hem}});
    part(k.c, skirt, k.over, 1, true);
    for (float fx : {14.f, 17.5f}) k.c.fill(hLine({fx, 23.f + b}, {fx + flare - 0.5f, hem - 0.5f}, 0.3f) & skirt, k.over.shadow);
    k.c.fill(skirt & hRect(9.f, hem - 1.f, 14.f, 1.f), k.over.shadow);
}

void partnerDress(Cell& k) {
    if (k.pose.kind == Kind::Stuck)
        partnerDressSitting(k);
    else
        partnerDressWalking(k);
}

constexpr Build kPartnerBuild{
    .legR = 1.2f, .footRx = 2.3f, .footRy = 1.4f, .armR = 1.1f, .handR = 1.4f,
    .gait = {.hipY = 23.5f, .stride = 3.4f, .nearShoulderX = 15.f, .shoulderY = 17.5f, .swing = 3.f, .handY = 23.f,
             .castY = 14.5f, .headY = 9.5f, .sparkY = 13.f},
    .sitting = {.rig = {.farHip = {16.f, 28.5f}, .farFoot = {7.5f, 30.f}, .farShoulder = {18.5f, 21.5f}, .farHand = {21.5f, 28.f},
                        .nearHip = {14.f, 28.5f}, .nearFoot = {6.f, 30.5f}, .nearShoulder = {14.f, 22.f},
                        .nearHand = {11.5f, 27.5f}, .head = {15.f, 14.f}},
                .sweat = {28.5f, 12.f}, .dizzy = {8.f, 5.f}, .heart = true},
    .topPaint = 0.3f, .legsTakePaint = false, .sleeveIsOver = false, .farSleeveDark = 0.18f,
    .behind = partnerBlouseSitting, .inFront = partnerDress, .head = partnerHeadLayer,
};

// ---------------------------------------------------------------- columns
// Columns 0..3 wear the blue, red and green paint and none; the paint takes
// the vest or pinafore whole and tints the shirt (and his trousers).
Look paintedLook(const Build& b, const Look& base, int column) {
    if (column == 3) return base;
    const Rgba paint = column == 0 ? pal::kBlue : column == 1 ? pal::kRed : pal::kGreen;
    Look o = base;
    o.top = mix(base.top, lighter(paint, 0.35f), b.topPaint);
    o.over = paint;
    if (b.legsTakePaint) o.legs = mix(base.legs, darker(paint, 0.35f), 0.55f);
    return o;
}

// The walk, stuck and casting rows of the four columns.
void walkerColumns(Canvas& s, const Build& b, const Look& base) {
    for (int col = 0; col < 4; ++col) {
        const Look o = paintedLook(b, base, col);
        const Rgba paint = col == 0 ? pal::kBlue : col == 1 ? pal::kRed : col == 2 ? pal::kGreen : pal::kCream;
        for (int f = 0; f < 10; ++f) drawCell(s, col * kCellW, f * kCellH, b, o, walkPose(f), kClear);
        Pose stuck;
        stuck.kind = Kind::Stuck;
        drawCell(s, col * kCellW, 10 * kCellH, b, o, stuck, kClear);
        Pose cast;
        cast.kind = Kind::Cast;
        cast.stride = 0.55f;
        drawCell(s, col * kCellW, 13 * kCellH, b, o, cast, paint);
    }
}

Canvas partnerPicture() {
    Canvas s(kW, kH);
    walkerColumns(s, kPartnerBuild, look::kPartner);
    return s;
}

// ---------------------------------------------------------------- objects
// Heat: a stone's glow, and the embers of its cracks and seams.
Rgba hotRock() { return darker(pal::kFlame, 0.2f); }
Rgba ember() { return mix(pal::kRed, pal::kFlame, 0.5f); }

// The stone block; heat 0 cool .. 3 glowing.
void stoneBlock(Canvas& s, int ox, int oy, int heat) {
    Canvas c(kCellW, kCellW);
    const float h = float(heat) / 3.f;
    Rgba stone = mix(pal::kStone, hotRock(), 0.55f * h);
    Ramp r = shade(stone);
    Shape body = hRound(1.f, 2.f, 30.f, 29.f, 3.f);
    c.fill(body.grow(1), pal::kOutline);
    c.fill(body, r.base);
    c.fill(body - body.shift(-2, -2), r.shadow);
    c.fill(body - body.shift(2, 2), r.light);
    c.fill(body - body.shift(1, 1), r.shine);
    // chisel marks
    for (int k = 0; k < 6; ++k) {
        int x = 5 + int(hash01(k, 1, 9) * 20.f), y = 6 + int(hash01(k, 2, 9) * 20.f);
        c.set(x, y, r.shadow);
        c.set(x + 1, y, r.light);
    }
    // a carved spiral rune that glows with the heat
    Rgba rune = heat == 0 ? r.deep : mix(pal::kFlame, pal::kPaleGold, h);
    std::vector<Pt> sp;
    for (int i = 0; i <= 26; ++i) {
        float a = float(i) * 0.42f, rr = 1.f + float(i) * 0.3f;
        sp.push_back({16.f + std::cos(a) * rr, 16.5f + std::sin(a) * rr});
    }
    c.fill(Shape::polyline(sp, 0.6f).hard(), rune);
    if (heat >= 2) {  // glowing seams along the edges
        Rgba seam = mix(ember(), mix(pal::kFlame, pal::kSpark, 0.7f), h);
        for (int x = 4; x < 28; ++x)
            if (hash01(x, 5, 13) < 0.35f * h) c.set(x, 29, seam);
        for (int y = 6; y < 28; ++y)
            if (hash01(y, 6, 13) < 0.3f * h) c.set(29, y, seam);
    }
    if (heat == 3) {  // sparks leaping off
        c.set(4, 1, pal::kSpark);
        c.set(27, 0, pal::kSpark);
        c.set(15, 0, pal::kFlame);
    }
    s.blit(c, ox, oy);
}

// The wide wooden tub of water: 64x32. decay 0 whole .. 3 scattered planks.
void tub(Canvas& s, int ox, int oy, int decay) {
    Canvas c(64, kCellW);
    const Ramp wood = shade(mix(pal::kEarth, pal::kFlame, 0.25f)), band = shade(darker(pal::kStone, 0.4f)),
               water = shade(mix(pal::kBlue, pal::kSkyTop, 0.35f));
    if (decay <= 1) {
        float tilt = decay == 1 ? 1.f : 0.f;
        Shape body = hPoly({{3.f, 9.f}, {61.f, 9.f}, {57.f, 31.f}, {7.f, 31.f}});
        c.fill(body.grow(1), pal::kOutline);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x) {
                if (body.at(x, y) < 0.5f) continue;
                Rgba col = (x / 6) % 2 ? wood.base : wood.light;
                if (x % 6 == 0) col = wood.deep;
                if (x > 50) col = mix(col, wood.shadow, 0.6f);
                if (y > 27) col = mix(col, wood.shadow, 0.5f);
                c.at(x, y) = col;
            }
        for (float by : {14.f, 25.f}) {
            Shape b = hRect(0, by, 64, 2.f) & body;
            c.fill(b, band.base);
            c.fill(b & hRect(0, by, 64, 1.f), band.light);
        }
        // the water surface inside the rim
        Shape surf = hEllipse(32.f, 9.5f, 27.f, 3.2f);
        c.fill(surf.grow(1), pal::kOutline);
        c.fill(surf, water.base);
        c.fill(surf & hEllipse(28.f, 8.5f, 20.f, 1.4f), water.light);
        c.set(20, 8, water.shine);
        c.set(38, 9, water.shine);
        if (decay == 1) {
            // a stave sprung loose, water dribbling out
            part(c, hLine({56.f, 10.f}, {61.f + tilt, 28.f}, 1.6f), wood, 1, true);
            for (int y = 16; y < 31; y += 3) c.set(6 - (y % 2), y, water.light);
            part(c, hEllipse(60.f, 30.f, 3.f, 1.2f), water, 0, true);
        }
    } else if (decay == 2) {
        // half fallen apart: a low ring of staves, a spreading puddle
        part(c, hEllipse(32.f, 29.f, 30.f, 2.6f), water, 0, true);
        for (int k = 0; k < 7; ++k) {
            float x = 10.f + float(k) * 7.f;
            float top = 16.f + float((k * 5) % 7);
            part(c, hRect(x, top, 4.f, 29.f - top), wood, 1, true);
        }
        part(c, hRect(6.f, 22.f, 52.f, 2.f), band, 0, true);
    } else {
        // a few planks lying in a puddle
        part(c, hEllipse(32.f, 29.f, 30.f, 2.8f), water, 0, true);
        part(c, hLine({8.f, 27.f}, {26.f, 25.f}, 1.6f), wood, 1, true);
        part(c, hLine({30.f, 28.f}, {50.f, 26.f}, 1.6f), wood, 1, true);
        part(c, hLine({40.f, 24.f}, {56.f, 28.f}, 1.4f), wood, 1, true);
        c.set(20, 27, water.shine);
        c.set(44, 29, water.shine);
    }
    s.blit(c, ox, oy);
}

// The ice block melting: stage 0 whole .. 4 a puddle.
void iceBlock(Canvas& s, int ox, int oy, int melt) {
    Canvas c(kCellW, kCellW);
    const Ramp ice = shade(pal::kIce), water = shade(mix(pal::kBlue, pal::kSkyTop, 0.85f));
    if (melt >= 1) {
        float pw = 6.f + 3.5f * float(melt);
        part(c, hEllipse(16.f, 30.f, std::min(pw, 15.f), 1.6f), water, 0, true);
    }
    if (melt <= 3) {
        const float h = melt == 0 ? 28.f : melt == 1 ? 24.f : melt == 2 ? 16.f : 8.f;
        const float w = melt == 0 ? 28.f : melt == 1 ? 26.f : melt == 2 ? 22.f : 14.f;
        const float r = melt == 0 ? 3.f : 3.f + float(melt) * 2.f;
        Shape body = hRound(16.f - w * 0.5f, 31.f - h, w, h, r);
        c.fill(body.grow(1), pal::kSlate);
        c.fill(body, ice.base);
        c.fill(body - body.shift(-2, -2), ice.shadow);
        c.fill(body - body.shift(2, 2), ice.light);
        c.fill(body - body.shift(1, 1), ice.shine);
        // inner cracks and a bright glint
        float top = 31.f - h;
        c.fill(hLine({16.f - w * 0.2f, top + h * 0.3f}, {16.f + w * 0.1f, top + h * 0.6f}, 0.5f) & body, ice.light);
        c.fill(hLine({16.f + w * 0.15f, top + h * 0.2f}, {16.f + w * 0.3f, top + h * 0.5f}, 0.5f) & body, ice.shine);
        c.set(int(16.f - w * 0.3f), int(top + 3.f), pal::kWhite);
        if (melt >= 1)
            for (int k = 0; k < melt + 1; ++k) {  // drips running down
                int x = int(16.f - w * 0.4f + float(k) * w * 0.8f / float(melt + 1));
                c.set(x, int(top + h * 0.7f), water.shadow);
                c.set(x, int(top + h * 0.7f) + 1, water.base);
            }
    } else {
        c.set(12, 29, water.shine);
        c.set(20, 30, water.shine);
    }
    s.blit(c, ox, oy);
}

// The boulder: frame 0 still; 1..3 shaken and glowing ever hotter.
void boulder(Canvas& s, int ox, int oy, int frame) {
    Canvas c(kCellW, kCellW);
    const float heat = float(frame) / 3.f;
    const int dx = frame == 1 ? -1 : frame == 2 ? 1 : frame == 3 ? -1 : 0;
    Rgba rock = mix(mix(pal::kEarth, pal::kStone, 0.25f), hotRock(), 0.4f * heat);
    Ramp r = shade(rock);
    Shape body = hEllipse(16.f + float(dx), 17.5f, 14.5f, 13.5f) & hRect(0, 0, 32, 31);
    c.fill(body.grow(1), pal::kOutline);
    c.fill(body, r.base);
    c.fill(body - body.shift(-3, -3), r.shadow);
    c.fill(body - body.shift(2, 2), r.light);
    c.fill(hEllipse(10.f + float(dx), 10.f, 3.f, 2.f) & body, r.shine);
    // cracks, glowing when hot
    Rgba crack = frame == 0 ? r.deep : mix(ember(), pal::kSpark, heat);
    c.fill(Shape::polyline({{9.f + float(dx), 20.f}, {14.f + float(dx), 18.f}, {17.f + float(dx), 23.f}, {23.f + float(dx), 21.f}}, 0.5f).hard() & body,
           crack);
    c.fill(Shape::polyline({{18.f + float(dx), 8.f}, {20.f + float(dx), 13.f}, {25.f + float(dx), 14.f}}, 0.5f).hard() & body, crack);
    if (frame > 0) {  // dust shaken loose
        c.set(2, 29, r.light);
        c.set(29, 30, r.light);
        c.set(dx < 0 ? 28 : 3, 24, r.light);
    }
    s.blit(c, ox, oy);
}

// ---------------------------------------------------------------- HUD pieces
// A paint digit filling a 32x64 cell.
void digit(Canvas& s, int ox, int oy, int n, Rgba paint) {
    Canvas c(kCellW, kCellH);
    TextStyle st;
    st.face = Face::Gothic;
    st.size = 50;
    st.colour = pal::kWhite;
    st.outline = pal::kOutline;
    st.outlineWidth = 2;
    st.bold = true;
    st.align = Align::Centre;
    const std::string txt = std::to_string(n);
    // A wide digit (4) would leave its cell at full size: it is set smaller
    // until its ink, rim and all, fits.
    for (InkBox ink = measureInk(txt, st); st.size > 30 && (16 + ink.x0 < 0 || 16 + ink.x1 >= kCellW);
         ink = measureInk(txt, st))
        --st.size;
    TextSize sz = measureText(txt, st);
    drawText(c, 16, (kCellH - sz.h) / 2 + 1, txt, st);
    const Ramp pr = shade(paint);
    for (int y = 0; y < kCellH; ++y)
        for (int x = 0; x < kCellW; ++x) {
            Rgba& p = c.at(x, y);
            if (p.a < 128) {
                p = kClear;
                continue;
            }
            float t = (float(p.r) - float(pal::kOutline.r)) / (255.f - float(pal::kOutline.r));
            t = clampv(t, 0.f, 1.f);
            float v = float(y) / float(kCellH);
            Rgba fill = v < 0.36f ? pr.light : v < 0.62f ? pr.base : pr.shadow;
            if (v < 0.3f && t > 0.9f && (x + y) % 7 == 0) fill = pr.shine;
            p = mix(pal::kOutline, fill, t);
            p.a = 255;
        }
    s.blit(c, ox, oy);
}

void heart(Canvas& s, int ox, int oy, float scale, bool lost, int frame) {
    Canvas c(kCellW, kCellW);
    const float cx = 16.f, cy = 17.f, k = scale;
    Shape h = hCircle(cx - 4.6f * k, cy - 3.f * k, 5.4f * k) | hCircle(cx + 4.6f * k, cy - 3.f * k, 5.4f * k) |
              hPoly({{cx - 9.8f * k, cy - 1.5f * k}, {cx, cy + 10.5f * k}, {cx + 9.8f * k, cy - 1.5f * k}, {cx, cy - 3.f * k}});
    if (lost) {
        Ramp g = shade(darker(pal::kStone, 0.1f));
        Shape crack = hPoly({{cx - 1.f, cy - 6.f}, {cx + 1.5f, cy - 1.f}, {cx - 1.f, cy + 2.f}, {cx + 1.f, cy + 11.f},
                             {cx + 2.2f, cy + 11.f}, {cx + 0.5f, cy + 2.f}, {cx + 3.f, cy - 1.f}, {cx + 0.5f, cy - 6.f}});
        Shape left = (h - crack) & hRect(0, 0, cx + 1.f, 32);
        Shape right = (h - crack) - hRect(0, 0, cx + 1.f, 32);
        part(c, left.shift(-1, 1), g, 2, true);
        part(c, right.shift(1, 0), g, 2, true);
    } else {
        Ramp r = shade(pal::kRed);
        part(c, h, r, 2, true);
        c.fill(hEllipse(cx - 5.f * k, cy - 4.5f * k, 2.2f * k, 1.6f * k), r.shine);
        // a glint that travels round the heart
        static const Pt kGlint[4] = {{9, 9}, {12, 7}, {22, 8}, {24, 11}};
        Pt g = kGlint[frame & 3];
        const Rgba halo = lighter(pal::kRed, 0.9f);
        for (Pt d : {Pt{-1, 0}, Pt{1, 0}, Pt{0, -1}, Pt{0, 1}}) c.set(int(g.x + d.x), int(g.y + d.y) - 2, halo);
        c.set(int(g.x), int(g.y) - 2, pal::kGlint);
    }
    s.blit(c, ox, oy);
}

Canvas sheetPicture() {
    Canvas s(kW, kH);
    walkerColumns(s, kHeroBuild, look::kHero);
    // the charred walker, smoking
    drawCell(s, 5 * kCellW, 0, kHeroBuild, look::kCharred, walkPose(0), kClear, true);
    Canvas smoke(kCellW, kCellW);
    part(smoke, hCircle(24.f, 5.f, 2.5f) | hCircle(27.f, 2.5f, 2.f), shade(pal::kStone), 1, true, look::kCharred.skin);
    s.blit(smoke, 5 * kCellW, 0);
    // objects
    for (int heat = 0; heat < 4; ++heat) stoneBlock(s, 4 * kCellW, heat * kCellH, heat);
    for (int d = 0; d < 4; ++d) tub(s, 6 * kCellW, d * kCellH, d);
    for (int m = 0; m < 5; ++m) iceBlock(s, m * kCellW, 14 * kCellH, m);
    for (int f = 0; f < 4; ++f) boulder(s, (4 + f) * kCellW, 13 * kCellH, f);
    // the life hearts (a pulse) and the lost life
    static const float kPulse[4] = {0.9f, 0.97f, 1.04f, 0.97f};
    for (int f = 0; f < 4; ++f) heart(s, 5 * kCellW, 96 + 32 * f, kPulse[f], false, f);
    heart(s, 5 * kCellW, 226, 0.92f, true, 0);
    // the paint digits
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    for (int c = 0; c < 3; ++c)
        for (int n = 0; n <= 7; ++n) {
            int col = 4 + c, row = 8 + n;
            bool taken = row == 13 || (row == 14 && col == 4);  // boulder and ice frames
            if (!taken) digit(s, col * kCellW, row * kCellH, n, paints[c]);
        }
    // the paints' marks worn over a painted walker
    for (int c = 0; c < 3; ++c) hud::paintBadge(s, float(c * kCellW) + 16.f, 15.f * kCellH + 16.f, 13.f, paints[c]);
    return s;
}

}  // namespace

Canvas heroSheet() { return sheetPicture(); }

void genWalkers(Output& out) {
    Canvas sheet = sheetPicture();
    // Events may point either walker's quad at the shared pictures (the
    // charred walker, objects): the partner's sheet carries them too.
    Canvas partner = partnerPicture();
    partner.blit(sheet.crop(4 * kCellW, 0, 4 * kCellW, 16 * kCellH), 4 * kCellW, 0);
    out.keyedPng(kPicWalkers, sheet);
    out.keyedPng(kPicPartner, partner);
}

}  // namespace ag::sheet
