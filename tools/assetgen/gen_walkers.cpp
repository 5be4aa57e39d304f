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
#include <cmath>
#include <string>

#include "hud_kit.h"
#include "stage_sheets.h"
#include "text.h"

namespace ag::sheet {

namespace {

constexpr int kW = 256, kH = 1024, kCellW = 32, kCellH = 64;

// ---------------------------------------------------------------- walkers
struct Outfit {
    Rgba shirt, vest, trousers, boots, hair, skin, bag;
};

Outfit outfitFor(int column) {
    Outfit o{pal::kCream, pal::kBrown, hex(0x6E4E3E), pal::kDarkBrown, pal::kHeroHair, pal::kSkin, hex(0x9A6A40)};
    if (column == 3) return o;
    Rgba paint = column == 0 ? pal::kBlue : column == 1 ? pal::kRed : pal::kGreen;
    o.shirt = mix(pal::kCream, lighter(paint, 0.35f), 0.55f);
    o.vest = paint;
    o.trousers = mix(o.trousers, darker(paint, 0.35f), 0.55f);
    return o;
}

Outfit sootOutfit() {
    Rgba s = hex(0x3C3642);
    return Outfit{hex(0x4A4450), s, hex(0x34303A), hex(0x2E2A34), hex(0x2E2A34), hex(0x544E5A), s};
}

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

// The head, facing left: face, hair with a fringe, ear, eyes.
void head(Canvas& c, float cx, float cy, const Outfit& o, bool closedEyes, bool frizz) {
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
    for (int k = 0; k < 3; ++k) {
        float x = cx - 5.5f + float(k) * 2.6f;
        c.set(int(x), int(cy - 1.f), hair.shadow);
    }
    // ear
    Shape ear = hEllipse(cx + 2.6f, cy + 1.2f, 1.4f, 1.8f);
    c.fill(ear, skin.base);
    c.set(int(cx + 2.6f), int(cy + 1.2f), skin.shadow);
    // eyes: two dark dashes towards the front of the face
    const Rgba eye = frizz ? hex(0xF4F0E8) : pal::kOutline;
    for (float ex : {cx - 4.5f, cx - 1.5f}) {
        if (closedEyes) {
            c.set(int(ex), int(cy + 1.f), eye);
            c.set(int(ex) + 1, int(cy + 1.f), eye);
        } else {
            c.set(int(ex), int(cy), eye);
            c.set(int(ex), int(cy + 1.f), eye);
        }
    }
    if (!frizz) c.set(int(cx - 3.f), int(cy + 3.f), shade(pal::kBlush).base);
}

// One walker in the 32x32 box at (ox, oy), facing left.
void walker(Canvas& sheet, int ox, int oy, const Pose& p, const Outfit& o, Rgba sparkle, bool frizz = false) {
    Canvas c(kCellW, kCellW);
    const Ramp shirt = shade(o.shirt), vest = shade(o.vest), trousers = shade(o.trousers), boots = shade(o.boots),
               skin = shade(o.skin), bag = shade(o.bag);
    // the sleeves are the jacket's, so the paint shows on the arms too
    const Ramp farTrousers = shade(darker(o.trousers, 0.2f)), farBoots = shade(darker(o.boots, 0.2f)),
               farShirt = shade(darker(o.vest, 0.22f)), sleeve = vest;
    auto leg = [&](Pt hip, Pt foot, const Ramp& tr, const Ramp& bt) {
        part(c, hLine(hip, {foot.x, foot.y - 1.5f}, 1.7f), tr, 1, true);
        part(c, hEllipse(foot.x - 1.f, foot.y, 2.7f, 1.6f), bt, 0, true);
    };
    auto arm = [&](Pt shoulder, Pt hand, const Ramp& cloth) {
        part(c, hLine(shoulder, hand, 1.5f), cloth, 1, true);
        part(c, hCircle(hand.x, hand.y, 1.5f), skin, 0, false);
    };

    if (p.kind == Kind::Stuck) {
        // sitting on the ground, legs out in front, head hanging
        leg({18.f, 28.f}, {9.f, 30.f}, farTrousers, farBoots);
        arm({19.f, 21.f}, {23.f, 28.f}, farShirt);
        part(c, hRound(20.f, 20.f, 4.f, 5.f, 1.f), bag, 1, true);
        Shape torso = hRound(12.5f, 19.f, 9.f, 9.5f, 2.f);
        part(c, torso, shirt, 1, true);
        c.fill(torso & hRect(12.5f, 19.f, 2.5f, 9.f), vest.base);
        c.fill(torso & hRect(18.5f, 19.f, 3.f, 9.f), vest.shadow);
        leg({16.f, 28.f}, {7.f, 30.5f}, trousers, boots);
        arm({14.f, 21.f}, {11.f, 27.f}, sleeve);
        head(c, 15.f, 13.f, o, true, frizz);
        // a drop of sweat and a little swirl of dizziness
        part(c, hEllipse(24.5f, 10.f, 1.4f, 2.f), shade(hex(0x8AC8F0)), 0, true);
        c.set(7, 4, hex(0xF4E6A0));
        c.set(8, 3, hex(0xF4E6A0));
        c.set(9, 4, hex(0xF4E6A0));
        c.set(8, 5, hex(0xF4E6A0));
    } else {
        const float b = p.bob;
        const float hipY = 23.f + b;
        Pt nearFoot{16.f - 3.6f * p.stride, 30.f - p.liftNear};
        Pt farFoot{16.5f + 3.6f * p.stride, 30.f - p.liftFar};
        Pt nearShoulder{14.f, 16.5f + b}, farShoulder{18.f, 16.5f + b};
        Pt nearHand{14.f - 3.2f * p.swing, 22.f + b}, farHand{18.f + 3.2f * p.swing, 22.f + b};
        if (p.kind == Kind::Cast) {
            nearHand = {6.5f, 13.5f + b};
            farHand = {9.f, 10.5f + b};
        }
        arm(farShoulder, farHand, farShirt);
        leg({17.f, hipY}, farFoot, farTrousers, farBoots);
        part(c, hRound(19.5f, 17.f + b, 4.5f, 5.5f, 1.f), bag, 1, true);
        Shape torso = hRound(11.5f, 14.5f + b, 9.f, 9.5f, 2.f);
        part(c, torso, shirt, 1, true);
        // the vest: open at the front, a belt at the waist
        c.fill(torso & hRect(11.5f, 14.5f + b, 2.5f, 9.5f), vest.base);
        c.fill(torso & hRect(17.f, 14.5f + b, 4.f, 9.5f), vest.base);
        c.fill(torso & hRect(19.5f, 14.5f + b, 1.5f, 9.5f), vest.shadow);
        c.fill(torso & hRect(11.5f, 22.f + b, 9.f, 1.f), boots.base);
        leg({15.f, hipY}, nearFoot, trousers, boots);
        if (p.kind != Kind::Cast) arm(nearShoulder, nearHand, sleeve);
        head(c, 15.5f, 8.5f + b, o, false, frizz);
        if (p.kind == Kind::Cast) {
            arm(nearShoulder, nearHand, sleeve);
            // a glint of the paint he casts
            if (sparkle.a) {
                Ramp sp = shade(sparkle);
                for (int k = -2; k <= 2; ++k) {
                    c.set(3 + k, 12, std::abs(k) == 2 ? sp.base : sp.shine);
                    c.set(3, 12 + k, std::abs(k) == 2 ? sp.base : sp.shine);
                }
                c.set(3, 12, hex(0xFFFCF0));
            }
        }
    }
    sheet.blit(c, ox, oy);
}

// ---------------------------------------------------------------- partner
// The partner's sheet repeats the walker cells of the hero's: the same walk
// cycle, proportions and outline, a head shorter by a pixel. She wears a
// cream blouse under a pinafore, which takes the paint as his jacket does,
// and an auburn ponytail tied with a yellow bow below a yellow hairband.
struct Dress {
    Rgba blouse, pinafore, legs, shoes, hair, ribbon, skin;
};

Dress dressFor(int column) {
    Dress d{pal::kCream, hex(0xA8623C), hex(0xF2E6D2), hex(0x6A3428), pal::kPartnerHair, hex(0xF2C14E), pal::kSkin};
    if (column == 3) return d;
    Rgba paint = column == 0 ? pal::kBlue : column == 1 ? pal::kRed : pal::kGreen;
    d.blouse = mix(pal::kCream, lighter(paint, 0.35f), 0.3f);
    d.pinafore = paint;
    return d;
}

// Her head, facing left. `sway` swings the ponytail's tip back (+) or
// forward; `hang` lets it fall straight down (sitting).
void partnerHead(Canvas& c, float cx, float cy, const Dress& d, bool closedEyes, float sway, bool hang = false) {
    const Ramp skin = shade(d.skin), hair = shade(d.hair), ribbon = shade(d.ribbon);
    // the ponytail, tied at the back of the crown, behind the head
    const Pt knot{cx + 6.f, cy - 4.f};
    Shape tail = hang ? hPoly({{knot.x - 0.5f, knot.y - 1.f}, {knot.x + 3.f, knot.y - 0.5f}, {knot.x + 4.5f, knot.y + 4.f},
                               {knot.x + 4.5f, knot.y + 11.f}, {knot.x + 3.f, knot.y + 12.5f}, {knot.x + 2.f, knot.y + 6.f}, {knot.x, knot.y + 2.5f}})
                      : hPoly({{knot.x - 0.5f, knot.y - 1.f}, {knot.x + 3.f, knot.y - 0.8f}, {knot.x + 5.5f, knot.y + 2.5f},
                               {knot.x + 6.f + sway, knot.y + 9.f}, {knot.x + 4.5f + sway, knot.y + 12.f}, {knot.x + 3.5f + 0.5f * sway, knot.y + 6.f},
                               {knot.x + 1.5f, knot.y + 3.f}});
    part(c, tail, hair, 1, true);
    c.fill(hLine({knot.x + 2.f, knot.y + 0.5f}, {knot.x + 4.f + (hang ? -1.f : 0.6f * sway), knot.y + 6.f}, 0.4f) & tail, hair.light);
    Shape face = hEllipse(cx, cy, 6.2f, 5.8f);
    part(c, face, skin, 1, false);
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
    // the bow where the ponytail is tied, its loops standing up either side
    // of the knot above the crown; too small for shapes, so set by pixel
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
    // ear
    c.fill(hEllipse(cx + 2.4f, cy + 1.4f, 1.2f, 1.6f) - hairS, skin.base);
    // eyes, lashed at the outer corner, and a blush
    for (float ex : {cx - 4.5f, cx - 1.5f}) {
        if (closedEyes) {
            c.set(int(ex), int(cy + 1.f), pal::kOutline);
            c.set(int(ex) + 1, int(cy + 1.f), pal::kOutline);
        } else {
            c.set(int(ex), int(cy), pal::kOutline);
            c.set(int(ex), int(cy + 1.f), pal::kOutline);
        }
    }
    if (!closedEyes) c.set(int(cx - 1.5f) + 1, int(cy), pal::kOutline);
    c.set(int(cx - 3.f), int(cy + 3.f), shade(pal::kBlush).base);
    c.set(int(cx - 2.f), int(cy + 3.f), shade(pal::kBlush).light);
}

// The partner in the 32x32 box at (ox, oy), facing left.
void partner(Canvas& sheet, int ox, int oy, const Pose& p, const Dress& d, Rgba sparkle) {
    Canvas c(kCellW, kCellW);
    const Ramp blouse = shade(d.blouse), pina = shade(d.pinafore), legs = shade(d.legs), shoes = shade(d.shoes), skin = shade(d.skin);
    const Ramp farSleeve = shade(darker(d.blouse, 0.18f)), farLegs = shade(darker(d.legs, 0.2f)), farShoes = shade(darker(d.shoes, 0.2f));
    auto leg = [&](Pt hip, Pt foot, const Ramp& lg, const Ramp& sh) {
        part(c, hLine(hip, {foot.x, foot.y - 1.5f}, 1.2f), lg, 1, true);
        part(c, hEllipse(foot.x - 1.f, foot.y, 2.3f, 1.4f), sh, 0, true);
    };
    auto arm = [&](Pt shoulder, Pt hand, const Ramp& cloth) {
        part(c, hLine(shoulder, hand, 1.1f), cloth, 1, true);
        part(c, hCircle(hand.x, hand.y, 1.4f), skin, 0, false);
    };

    if (p.kind == Kind::Stuck) {
        // sitting on the ground, skirt spread, legs out in front, head hanging
        leg({16.f, 28.5f}, {7.5f, 30.f}, farLegs, farShoes);
        arm({18.5f, 21.5f}, {21.5f, 28.f}, farSleeve);
        Shape torso = hRound(12.5f, 20.f, 8.f, 6.5f, 2.f);
        part(c, torso, blouse, 1, true);
        Shape skirt = hPoly({{12.f, 25.f}, {20.5f, 25.f}, {24.f, 30.5f}, {10.f, 30.5f}});
        leg({14.f, 28.5f}, {6.f, 30.5f}, legs, shoes);
        part(c, skirt, pina, 1, true);
        c.fill(hLine({15.f, 27.f}, {14.f, 30.f}, 0.3f) & skirt, pina.shadow);
        c.fill(hLine({19.f, 27.f}, {20.f, 30.f}, 0.3f) & skirt, pina.shadow);
        c.fill(torso & hRect(12.5f, 22.5f, 8.f, 4.f), pina.base);
        c.fill(torso & hRect(17.f, 20.f, 1.5f, 3.f), pina.base);
        arm({14.f, 22.f}, {11.5f, 27.5f}, blouse);
        partnerHead(c, 15.f, 14.f, d, true, 0.f, true);
        // a drop of sweat and a little swirl of dizziness
        part(c, hEllipse(28.5f, 12.f, 1.4f, 2.f), shade(hex(0x8AC8F0)), 0, true);
        c.set(7, 5, hex(0xF4E6A0));
        c.set(8, 4, hex(0xF4E6A0));
        c.set(9, 5, hex(0xF4E6A0));
        c.set(8, 6, hex(0xF4E6A0));
        c.set(8, 5, hex(0xFFFCF0));  // a bright heart, where the key would show
    } else {
        const float b = p.bob;
        const float hipY = 23.5f + b;
        Pt nearFoot{16.f - 3.4f * p.stride, 30.f - p.liftNear};
        Pt farFoot{16.5f + 3.4f * p.stride, 30.f - p.liftFar};
        Pt nearShoulder{15.f, 17.5f + b}, farShoulder{18.f, 17.5f + b};
        Pt nearHand{15.f - 3.f * p.swing, 23.f + b}, farHand{18.f + 3.f * p.swing, 23.f + b};
        if (p.kind == Kind::Cast) {
            nearHand = {6.5f, 14.5f + b};
            farHand = {9.f, 11.5f + b};
        }
        arm(farShoulder, farHand, farSleeve);
        leg({17.f, hipY}, farFoot, farLegs, farShoes);
        leg({15.f, hipY}, nearFoot, legs, shoes);
        // blouse, then the pinafore's bodice and strap, then its skirt
        Shape torso = hRound(11.5f, 16.f + b, 9.f, 7.f, 2.f);
        part(c, torso, blouse, 1, true);
        c.fill(torso & hRect(11.5f, 18.5f + b, 9.f, 5.f), pina.base);
        c.fill(torso & hRect(11.5f, 18.5f + b, 9.f, 1.f), pina.light);
        c.fill(torso & hRect(19.f, 18.5f + b, 1.5f, 5.f), pina.shadow);
        c.fill(torso & hRect(17.f, 16.f + b, 1.5f, 3.f), pina.base);
        c.set(12, int(17.f + b), lighter(d.blouse, 0.4f));  // the collar
        const float hem = 26.f + b, flare = 0.6f * p.stride;
        Shape skirt = hPoly({{11.8f, 21.5f + b}, {20.2f, 21.5f + b}, {22.5f + flare, hem}, {9.5f + flare, hem}});
        part(c, skirt, pina, 1, true);
        for (float fx : {14.f, 17.5f}) c.fill(hLine({fx, 23.f + b}, {fx + flare - 0.5f, hem - 0.5f}, 0.3f) & skirt, pina.shadow);
        c.fill(skirt & hRect(9.f, hem - 1.f, 14.f, 1.f), pina.shadow);
        if (p.kind != Kind::Cast) arm(nearShoulder, nearHand, blouse);
        partnerHead(c, 15.5f, 9.5f + b, d, false, 0.8f * p.swing + (b > 0 ? 0.5f : 0.f));
        if (p.kind == Kind::Cast) {
            arm(nearShoulder, nearHand, blouse);
            if (sparkle.a) {
                Ramp sp = shade(sparkle);
                for (int k = -2; k <= 2; ++k) {
                    c.set(3 + k, 13, std::abs(k) == 2 ? sp.base : sp.shine);
                    c.set(3, 13 + k, std::abs(k) == 2 ? sp.base : sp.shine);
                }
                c.set(3, 13, hex(0xFFFCF0));
            }
        }
    }
    sheet.blit(c, ox, oy);
}

Canvas partnerPicture() {
    Canvas s(kW, kH);
    for (int col = 0; col < 4; ++col) {
        Dress d = dressFor(col);
        Rgba paint = col == 0 ? pal::kBlue : col == 1 ? pal::kRed : col == 2 ? pal::kGreen : hex(0xFFF2C0);
        for (int f = 0; f < 10; ++f) partner(s, col * kCellW, f * kCellH, walkPose(f), d, kClear);
        Pose stuck;
        stuck.kind = Kind::Stuck;
        partner(s, col * kCellW, 10 * kCellH, stuck, d, kClear);
        Pose cast;
        cast.kind = Kind::Cast;
        cast.stride = 0.55f;
        partner(s, col * kCellW, 13 * kCellH, cast, d, paint);
    }
    return s;
}

// ---------------------------------------------------------------- objects
// The stone block; heat 0 cool .. 3 glowing.
void stoneBlock(Canvas& s, int ox, int oy, int heat) {
    Canvas c(kCellW, kCellW);
    const float h = float(heat) / 3.f;
    Rgba stone = mix(hex(0x8E8AA2), hex(0xC06A4A), 0.55f * h);
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
    Rgba rune = heat == 0 ? r.deep : mix(hex(0xF28A3A), hex(0xFFF0A0), h);
    std::vector<Pt> sp;
    for (int i = 0; i <= 26; ++i) {
        float a = float(i) * 0.42f, rr = 1.f + float(i) * 0.3f;
        sp.push_back({16.f + std::cos(a) * rr, 16.5f + std::sin(a) * rr});
    }
    c.fill(Shape::polyline(sp, 0.6f).hard(), rune);
    if (heat >= 2) {  // glowing seams along the edges
        Rgba seam = mix(hex(0xE0603A), hex(0xFFC060), h);
        for (int x = 4; x < 28; ++x)
            if (hash01(x, 5, 13) < 0.35f * h) c.set(x, 29, seam);
        for (int y = 6; y < 28; ++y)
            if (hash01(y, 6, 13) < 0.3f * h) c.set(29, y, seam);
    }
    if (heat == 3) {  // sparks leaping off
        c.set(4, 1, hex(0xFFD070));
        c.set(27, 0, hex(0xFFD070));
        c.set(15, 0, hex(0xF28A3A));
    }
    s.blit(c, ox, oy);
}

// The wide wooden tub of water: 64x32. decay 0 whole .. 3 scattered planks.
void tub(Canvas& s, int ox, int oy, int decay) {
    Canvas c(64, kCellW);
    const Ramp wood = shade(hex(0xB07A48)), band = shade(hex(0x6E6A7E)), water = shade(hex(0x4E96DC));
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
    const Ramp ice = shade(hex(0x9ADCF2)), water = shade(hex(0x6AB6E8));
    if (melt >= 1) {
        float pw = 6.f + 3.5f * float(melt);
        part(c, hEllipse(16.f, 30.f, std::min(pw, 15.f), 1.6f), water, 0, true);
    }
    if (melt <= 3) {
        const float h = melt == 0 ? 28.f : melt == 1 ? 24.f : melt == 2 ? 16.f : 8.f;
        const float w = melt == 0 ? 28.f : melt == 1 ? 26.f : melt == 2 ? 22.f : 14.f;
        const float r = melt == 0 ? 3.f : 3.f + float(melt) * 2.f;
        Shape body = hRound(16.f - w * 0.5f, 31.f - h, w, h, r);
        c.fill(body.grow(1), hex(0x2B3A5A));
        c.fill(body, ice.base);
        c.fill(body - body.shift(-2, -2), ice.shadow);
        c.fill(body - body.shift(2, 2), ice.light);
        c.fill(body - body.shift(1, 1), ice.shine);
        // inner cracks and a bright glint
        float top = 31.f - h;
        c.fill(hLine({16.f - w * 0.2f, top + h * 0.3f}, {16.f + w * 0.1f, top + h * 0.6f}, 0.5f) & body, ice.light);
        c.fill(hLine({16.f + w * 0.15f, top + h * 0.2f}, {16.f + w * 0.3f, top + h * 0.5f}, 0.5f) & body, ice.shine);
        c.set(int(16.f - w * 0.3f), int(top + 3.f), hex(0xFFFFFF));
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
    Rgba rock = mix(hex(0xA07E66), hex(0xC86A48), 0.4f * heat);
    Ramp r = shade(rock);
    Shape body = hEllipse(16.f + float(dx), 17.5f, 14.5f, 13.5f) & hRect(0, 0, 32, 31);
    c.fill(body.grow(1), pal::kOutline);
    c.fill(body, r.base);
    c.fill(body - body.shift(-3, -3), r.shadow);
    c.fill(body - body.shift(2, 2), r.light);
    c.fill(hEllipse(10.f + float(dx), 10.f, 3.f, 2.f) & body, r.shine);
    // cracks, glowing when hot
    Rgba crack = frame == 0 ? r.deep : mix(hex(0xE86A3A), hex(0xFFD27A), heat);
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
    st.colour = hex(0xFFFFFF);
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
        Ramp g = shade(hex(0x8A8496));
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
        c.set(int(g.x), int(g.y) - 2, hex(0xFFF6E0));
        c.set(int(g.x) - 1, int(g.y) - 2, hex(0xFFE0C0));
        c.set(int(g.x) + 1, int(g.y) - 2, hex(0xFFE0C0));
        c.set(int(g.x), int(g.y) - 3, hex(0xFFE0C0));
        c.set(int(g.x), int(g.y) - 1, hex(0xFFE0C0));
    }
    s.blit(c, ox, oy);
}

Canvas sheetPicture() {
    Canvas s(kW, kH);
    // the walkers
    for (int col = 0; col < 4; ++col) {
        Outfit o = outfitFor(col);
        Rgba paint = col == 0 ? pal::kBlue : col == 1 ? pal::kRed : col == 2 ? pal::kGreen : hex(0xFFF2C0);
        for (int f = 0; f < 10; ++f) walker(s, col * kCellW, f * kCellH, walkPose(f), o, kClear);
        Pose stuck;
        stuck.kind = Kind::Stuck;
        walker(s, col * kCellW, 10 * kCellH, stuck, o, kClear);
        Pose cast;
        cast.kind = Kind::Cast;
        cast.stride = 0.55f;
        walker(s, col * kCellW, 13 * kCellH, cast, o, paint);
    }
    // the charred walker
    {
        Pose still = walkPose(0);
        walker(s, 5 * kCellW, 0, still, sootOutfit(), kClear, true);
        Canvas smoke(kCellW, kCellW);
        Ramp sm = shade(hex(0x9A94A2));
        part(smoke, hCircle(24.f, 5.f, 2.5f) | hCircle(27.f, 2.5f, 2.f), sm, 1, true, hex(0x5A5462));
        s.blit(smoke, 5 * kCellW, 0);
    }
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
