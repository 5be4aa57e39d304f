// The face sheet `img/kao.png` (1024x512, keyed on green): 160x160 cells at
// (160*col, 160*row). Row 0: the hero in four moods; row 1: the partner;
// row 2: the god of the three paints; moods in columns 0..3 are calm,
// smiling/determined, surprised, troubled, except that the god's fourth
// cell is his "demon king" disguise (the only talk that shows that cell has
// him playing one). Column 4 of row 0 is the cover panel laid over a
// portrait to dim it or hide it. The 160x288 rectangle at (800, 0) holds
// the help screen's seventh page, drawn by the help pages' own code.
//
// Portraits are painted as 80x80 pixel art and doubled. The hero faces
// right (he speaks from the left side); the partner faces left; the god
// faces the player.
#include <cmath>

#include "families.h"
#include "frontend_kit.h"
#include "looks.h"
#include "output.h"
#include "palette.h"
#include "props.h"
#include "stage/screen_layout.h"

namespace ag {

namespace {

constexpr int kCell = 160, kArt = 80;

enum class Mouth { Calm, Smile, Grin, Oh, Frown, Wavy, Hidden };
enum class Eyes { Open, Happy, Closed, Wide, Gentle };

struct Mood {
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Calm;
    float browRaise = 0;   // px up
    float browTilt = 0;    // + inner ends up (worry), - inner ends down (resolve)
    float lidDrop = 0;     // 0..1 of the upper eye hidden by the lid
    bool blush = false;
    bool sweat = false;
    bool sparkle = false;  // a small shine mark beside the head
    bool shock = false;    // surprise lines
};

Mood moodOf(int col) {
    Mood m;
    switch (col) {
        case 0: m.mouth = Mouth::Calm; break;
        case 1:
            m.mouth = Mouth::Grin;
            m.browTilt = -1.2f;
            m.eyes = Eyes::Open;
            m.lidDrop = 0.15f;
            m.sparkle = true;
            break;
        case 2:
            m.eyes = Eyes::Wide;
            m.mouth = Mouth::Oh;
            m.browRaise = 2.5f;
            m.shock = true;
            break;
        default:
            m.mouth = Mouth::Wavy;
            m.browTilt = 1.6f;
            m.lidDrop = 0.3f;
            m.sweat = true;
            break;
    }
    return m;
}


// What the features need of a character: the turn of the head and the
// colours of the look.
struct Person {
    float turn = 1.f;  // 1 = three-quarter view to the right, 0 = facing front
    Rgba skin, iris, brow;
};

Person personOf(const look::Look& l, float turn) { return Person{turn, l.skin, l.iris, l.brow}; }

// Face geometry shared by the features.
struct FaceGeo {
    float cx, eyeY, nearX, farX, mouthX, mouthY, noseX, noseY, chinY;
    Shape face;
};

FaceGeo faceGeo(const Person& p) {
    FaceGeo g;
    const float t = p.turn;
    g.cx = 40.f + 6.f * t;
    g.eyeY = 40.f;
    g.nearX = g.cx - 7.5f - 0.5f * t;
    g.farX = g.cx + 7.5f - 0.5f * t;
    g.mouthX = g.cx + 1.5f * t;
    g.mouthY = 51.f;
    g.noseX = g.cx + 4.5f * t;
    g.noseY = 46.f;
    g.chinY = 57.f;
    Shape skull = hEllipse(40.f + 1.f * t, 37.f, 16.5f, 17.f);
    Shape jaw = hPoly({{24.5f + 1.f * t, 40.f}, {29.f + 2.f * t, 51.f}, {36.f + 5.f * t, 56.5f}, {g.cx + 2.f * t, g.chinY},
                          {g.cx + 6.f + 2.f * t, 55.f}, {55.f + 1.5f * t, 44.f}, {56.5f + 0.5f * t, 36.f}});
    g.face = skull | jaw;
    if (t > 0.5f) g.face = g.face | hEllipse(57.f, g.noseY - 1.f, 1.6f, 2.2f);  // the nose's tip on the profile
    return g;
}

void eye(Canvas& c, float x, float y, float w, const Person& p, const Mood& m, bool far) {
    const Rgba line = pal::kOutline;
    if (far) w *= (1.f - 0.22f * p.turn);
    if (m.eyes == Eyes::Happy) {
        c.fill(hLine({x - w * 0.55f, y + 1.f}, {x, y - 1.5f}, 0.85f) | hLine({x, y - 1.5f}, {x + w * 0.55f, y + 1.f}, 0.85f), line);
        return;
    }
    if (m.eyes == Eyes::Closed || m.eyes == Eyes::Gentle) {
        // a soft downward arc, lashes at the outer end
        c.fill(hLine({x - w * 0.55f, y - 0.5f}, {x, y + 1.f}, 0.8f) | hLine({x, y + 1.f}, {x + w * 0.55f, y - 0.5f}, 0.8f), line);
        return;
    }
    const bool wide = m.eyes == Eyes::Wide;
    const float h = wide ? 9.f : 8.f;
    const float top = y - h * 0.5f + m.lidDrop * h * 0.45f, bottom = y + h * 0.5f;
    Shape white = hEllipse(x, y, w * 0.5f + (wide ? 0.5f : 0.f), h * 0.5f) & Shape::rect(x - w, top, 2 * w, bottom - top + 1).hard();
    c.fill(white, pal::kEyeWhite);
    // iris: darker at the top, a bright fleck below
    const float ir = wide ? w * 0.26f : w * 0.36f;
    const float ix = x + 0.6f * p.turn * (far ? 1.f : 0.6f);
    Ramp ri = shade(p.iris);
    Shape iris = hEllipse(ix, y + 0.5f, ir, h * 0.36f) & white;
    c.fill(iris, ri.base);
    c.fill(iris & Shape::rect(x - w, top, 2 * w, (bottom - top) * 0.4f).hard(), ri.deep);
    c.fill(iris & hEllipse(ix, y + 2.5f, ir * 0.7f, 1.2f), ri.light);
    c.fill(hEllipse(ix, y + 0.5f, std::max(0.6f, ir * 0.45f), h * 0.17f) & white, pal::kNight);
    c.fill(Shape::rect(std::floor(ix - ir * 0.6f), std::floor(y - h * 0.18f), 1.5f, 1.5f).hard() & white, pal::kEyeWhite);
    // upper lid line with a lash flick at the outer corner; a faint lower lid
    const float outer = p.turn > 0.5f ? (far ? 1.f : -1.f) : (x < 40.f ? -1.f : 1.f);
    c.fill(hLine({x - w * 0.55f, top + 0.2f}, {x + w * 0.55f, top + 0.2f}, 0.9f), line);
    c.fill(hLine({x + outer * w * 0.5f, top + 0.3f}, {x + outer * (w * 0.5f + 1.5f), top - 0.8f}, 0.7f), line);
    c.fill(Shape::rect(x - w * 0.2f, bottom, w * 0.4f, 1.f).hard(), shade(p.skin).shadow);
}

void brows(Canvas& c, const FaceGeo& g, const Person& p, const Mood& m, float w) {
    float y = g.eyeY - 7.5f - m.browRaise;
    for (int side = 0; side < 2; ++side) {
        bool far = side == 1;
        float x = far ? g.farX : g.nearX;
        float bw = far ? w * (1.f - 0.2f * p.turn) : w;
        // the inner end is the one towards the face's centre line
        float innerDir = far ? -1.f : 1.f;
        float xin = x + innerDir * bw * 0.55f, xout = x - innerDir * bw * 0.6f;
        float yin = y - m.browTilt, yout = y + m.browTilt * 0.3f;
        c.fill(hLine({xout, yout}, {xin, yin}, 0.95f), p.brow);
    }
}

void mouth(Canvas& c, const FaceGeo& g, const Mood& m) {
    const Rgba lip = pal::kLip, inside = mix(pal::kOutline, pal::kRed, 0.45f), tongue = pal::kBlush;
    float x = g.mouthX, y = g.mouthY;
    switch (m.mouth) {
        case Mouth::Calm:
            c.fill(hLine({x - 2.5f, y}, {x + 1.5f, y}, 0.6f) | hLine({x + 1.5f, y}, {x + 2.8f, y - 0.8f}, 0.6f), lip);
            break;
        case Mouth::Smile:
            c.fill(hLine({x - 3.f, y - 1.f}, {x, y + 0.8f}, 0.7f) | hLine({x, y + 0.8f}, {x + 3.f, y - 1.f}, 0.7f), lip);
            break;
        case Mouth::Grin: {
            Shape open = hEllipse(x, y - 0.5f, 4.f, 3.5f) - Shape::rect(x - 5, y - 5, 10, 4.5f).hard();
            c.fill(open.grow(1) - Shape::rect(x - 6, y - 6, 12, 5).hard(), pal::kOutline);
            c.fill(open, inside);
            c.fill(open & hEllipse(x + 0.5f, y + 2.5f, 2.5f, 1.6f), tongue);
            c.fill(Shape::rect(x - 3.5f, y - 1.f, 7.f, 1.f).hard() & open, pal::kEyeWhite);
            c.fill(hLine({x - 4.5f, y - 1.f}, {x + 4.5f, y - 1.f}, 0.5f), pal::kOutline);
            break;
        }
        case Mouth::Oh: {
            Shape o = hEllipse(x, y + 0.5f, 2.f, 2.6f);
            c.fill(o.grow(1), pal::kOutline);
            c.fill(o, inside);
            c.fill(o & hEllipse(x, y + 2.f, 1.5f, 1.f), tongue);
            break;
        }
        case Mouth::Frown:
            c.fill(hLine({x - 3.f, y + 0.8f}, {x, y - 0.6f}, 0.6f) | hLine({x, y - 0.6f}, {x + 3.f, y + 0.8f}, 0.6f), lip);
            break;
        case Mouth::Wavy:
            c.fill(hLine({x - 3.5f, y + 0.5f}, {x - 1.5f, y - 0.5f}, 0.55f) | hLine({x - 1.5f, y - 0.5f}, {x + 0.5f, y + 0.5f}, 0.55f) |
                       hLine({x + 0.5f, y + 0.5f}, {x + 2.5f, y - 0.5f}, 0.55f),
                   lip);
            break;
        case Mouth::Hidden: break;
    }
}

void faceMarks(Canvas& c, const FaceGeo& g, const Person& p, const Mood& m) {
    Ramp sk = shade(p.skin);
    // nose: a small shadow under the tip
    if (p.turn > 0.5f)
        c.fill(Shape::rect(g.noseX + 2.f, g.noseY + 1.f, 2.f, 1.f).hard(), sk.shadow);
    else
        c.fill(Shape::rect(g.cx - 0.5f, g.noseY, 2.f, 1.f).hard(), sk.shadow);
    // cheeks: a faint warmth always, a real blush when shy or glad
    Rgba b = withAlpha(pal::kBlush, m.blush ? 0.85f : 0.4f);
    c.fill(hEllipse(g.nearX - 1.f, g.eyeY + 6.5f, 2.6f, 1.3f) & g.face, b);
    if (p.turn < 0.5f) c.fill(hEllipse(g.farX + 1.f, g.eyeY + 6.5f, 2.6f, 1.3f) & g.face, b);
}

void moodMarks(Canvas& c, const Mood& m, float side) {
    // side: +1 marks on the right of the head, -1 on the left
    float hx = 40.f + side * 27.f;
    if (m.sweat) {
        float x = hx, y = 30.f;
        Shape drop = hEllipse(x, y + 2.f, 2.2f, 2.6f) | hPoly({{x - 1.8f, y + 1.f}, {x, y - 3.5f}, {x + 1.8f, y + 1.f}});
        c.fill(drop.grow(1), pal::kOutline);
        c.fill(drop, pal::kPowderBlue);
        c.fill(Shape::rect(x - 1.f, y + 1.f, 1.f, 2.f).hard(), pal::kEyeWhite);
    }
    if (m.sparkle) {
        float x = hx + side * 1.f, y = 20.f;
        const Rgba s = pal::kSpark;
        c.fill(hLine({x, y - 3.5f}, {x, y + 3.5f}, 0.6f) | hLine({x - 3.5f, y}, {x + 3.5f, y}, 0.6f), s);
        c.fill(Shape::rect(x - 0.5f, y - 0.5f, 1.f, 1.f).hard(), pal::kGlint);
    }
    if (m.shock) {
        for (int i = -1; i <= 1; ++i) {
            float a = -1.57f + side * (0.5f + 0.35f * float(i));
            float r0 = 25.f, r1 = 30.f;
            c.fill(hLine({40.f + std::cos(a) * r0 + side * 4, 30.f + std::sin(a) * r0},
                            {40.f + std::cos(a) * r1 + side * 4, 30.f + std::sin(a) * r1}, 0.7f),
                   pal::kOutline);
        }
    }
}

void backdrop(Canvas& c, Rgba col) {
    Shape disc = hEllipse(40.f, 40.f, 37.5f, 37.5f);
    const Rgba top = lighter(col, 0.35f);
    c.fill(disc, [&](int, int y) { return mix(top, col, float(y) / kArt); });
    c.fill(disc - hEllipse(40.f, 40.f, 36.5f, 36.5f), darker(col, 0.18f));
}

// ---------------------------------------------------------------- the face
// The face in the middle of every portrait but the disguise: the face
// shape, its marks, the eyes and the mouth.
FaceGeo paintFace(Canvas& c, const Person& p, const Mood& m, float eyeW, bool withMouth = true) {
    FaceGeo g = faceGeo(p);
    part(c, g.face, shade(p.skin), 1);
    faceMarks(c, g, p, m);
    eye(c, g.nearX, g.eyeY, eyeW, p, m, false);
    eye(c, g.farX, g.eyeY, eyeW, p, m, true);
    if (withMouth) mouth(c, g, m);
    return g;
}

// The neck, with the chin's shadow across its top.
void neck(Canvas& c, const Ramp& skin, float w, float h) {
    part(c, Shape::rect(35.f, 52.f, w, h).hard(), skin, 2, false);
}

// ---------------------------------------------------------------- hero
// Shoulders: a cream shirt, a brown vest, the satchel's strap and buckle.
void heroShoulders(Canvas& c, const look::Look& l) {
    const Ramp shirt = shade(l.top), vest = shade(l.over), skin = shade(l.skin);
    Shape body = hPoly({{6.f, 80.f}, {10.f, 69.f}, {22.f, 62.f}, {34.f, 59.f}, {50.f, 59.f}, {62.f, 62.f}, {72.f, 69.f}, {76.f, 80.f}});
    part(c, body, shirt, 3);
    Shape vestL = hPoly({{6.f, 80.f}, {10.f, 69.f}, {22.f, 62.f}, {31.f, 60.5f}, {36.f, 80.f}});
    Shape vestR = hPoly({{52.f, 60.5f}, {62.f, 62.f}, {72.f, 69.f}, {76.f, 80.f}, {50.f, 80.f}});
    part(c, vestL, vest, 2);
    part(c, vestR, vest, 3);
    part(c, hPoly({{22.f, 62.f}, {26.f, 61.f}, {58.f, 80.f}, {52.f, 80.f}}), shade(l.accent), 1);
    c.fill(hEllipse(46.f, 72.f, 1.6f, 1.6f), pal::kGold);
    // neck and a shirt collar
    neck(c, skin, 12.f, 10.f);
    c.fill(Shape::rect(35.f, 52.f, 12.f, 3.f).hard(), skin.shadow);
    part(c, hPoly({{32.f, 59.f}, {39.f, 60.f}, {41.f, 66.f}, {34.f, 64.f}}), shirt, 0);
    part(c, hPoly({{43.f, 60.f}, {51.f, 59.f}, {49.f, 64.f}, {44.f, 66.f}}), shirt, 1);
}

// The hair's mass behind the head.
Shape heroHairMass() {
    return hEllipse(37.f, 28.f, 20.f, 16.5f) | hPoly({{19.f, 26.f}, {12.f, 30.f}, {18.f, 34.f}, {13.f, 40.f}, {22.f, 42.f}}) |
           hPoly({{28.f, 16.f}, {26.f, 8.f}, {35.f, 13.f}}) | hPoly({{35.f, 13.f}, {40.f, 5.f}, {44.f, 13.f}}) |
           hPoly({{44.f, 14.f}, {53.f, 10.f}, {51.f, 18.f}});
}

// The fringe: tufts falling over the forehead and sweeping to his front,
// with the hair's shadow across the brow.
void heroFringe(Canvas& c, const Ramp& hair, const Ramp& skin, const Shape& face) {
    const std::vector<Pt> edge = {{21.f, 45.f}, {24.f, 36.f}, {27.f, 41.f}, {31.f, 32.f}, {35.f, 38.f}, {39.f, 31.f},
                                  {44.f, 37.f}, {48.f, 30.5f}, {53.f, 35.f}, {56.f, 30.f}, {60.f, 33.f}};
    std::vector<Pt> window = edge;
    window.push_back({64.f, 33.f});
    window.push_back({64.f, 80.f});
    window.push_back({21.f, 80.f});
    Shape fringe = (heroHairMass() | hPoly({{18.f, 30.f}, {19.f, 46.f}, {24.f, 46.f}, {60.f, 33.f}, {58.f, 24.f}})) - hPoly(window);
    part(c, fringe, hair, 2);
    c.fill((fringe & hEllipse(33.f, 19.f, 10.f, 4.5f)) - hEllipse(34.f, 21.5f, 10.f, 3.5f), hair.light);
    c.fill(hLine({30.f, 26.f}, {34.f, 31.f}, 0.5f) | hLine({41.f, 24.f}, {44.f, 30.f}, 0.5f) | hLine({50.f, 24.f}, {53.f, 29.f}, 0.5f),
           hair.shadow);
    c.fill((fringe.shift(0, 3) - fringe.grow(1)) & face, withAlpha(skin.shadow, 0.9f));
}

Canvas hero(int col) {
    const look::Look& l = look::kHero;
    Canvas c(kArt, kArt);
    const Person p = personOf(l, 1.f);
    const Mood m = moodOf(col);
    backdrop(c, l.backdrop);
    const Ramp hair = shade(l.hair), skin = shade(l.skin);
    part(c, heroHairMass() | hPoly({{18.f, 34.f}, {20.f, 48.f}, {28.f, 48.f}, {28.f, 34.f}}), hair, 2, false);
    heroShoulders(c, l);
    // ear and face
    part(c, hEllipse(25.f, 41.f, 3.f, 4.5f), skin, 1);
    c.fill(hEllipse(25.5f, 41.5f, 1.2f, 2.2f), skin.shadow);
    const FaceGeo g = paintFace(c, p, m, 6.f);
    heroFringe(c, hair, skin, g.face);
    brows(c, g, p, m, 6.f);
    moodMarks(c, m, 1.f);
    return c;
}

// ---------------------------------------------------------------- partner
// Drawn facing right like the hero, then mirrored so she faces left.

// Long hair behind: falls past the shoulders, a ponytail at the back.
void partnerHairBehind(Canvas& c, const Ramp& hair) {
    Shape back = hEllipse(38.f, 36.f, 19.f, 19.f) | hPoly({{19.f, 38.f}, {16.f, 66.f}, {24.f, 72.f}, {34.f, 60.f}, {54.f, 50.f}, {57.f, 36.f}});
    part(c, back, hair, 2, false);
    Shape tail = hPoly({{21.f, 25.f}, {11.f, 34.f}, {6.f, 50.f}, {8.f, 64.f}, {13.f, 58.f}, {17.f, 44.f}, {25.f, 31.f}});
    part(c, tail, hair, 2);
    c.fill(hLine({12.f, 38.f}, {9.f, 54.f}, 0.6f), hair.light);
}

// Shoulders: a blouse with a round collar under a pinafore.
void partnerShoulders(Canvas& c, const look::Look& l) {
    const Ramp blouse = shade(l.top), dress = shade(l.over), skin = shade(l.skin);
    Shape body = hPoly({{10.f, 80.f}, {13.f, 70.f}, {24.f, 63.f}, {34.f, 60.f}, {50.f, 60.f}, {60.f, 63.f}, {70.f, 70.f}, {73.f, 80.f}});
    part(c, body, blouse, 3);
    part(c, hPoly({{24.f, 80.f}, {27.f, 68.f}, {56.f, 68.f}, {60.f, 80.f}}), dress, 2);
    part(c, hPoly({{27.f, 68.f}, {29.f, 62.f}, {32.f, 62.f}, {31.f, 68.f}}), dress, 1);
    part(c, hPoly({{52.f, 68.f}, {53.f, 62.f}, {56.f, 62.f}, {56.f, 68.f}}), dress, 1);
    neck(c, skin, 12.f, 10.f);
    c.fill(Shape::rect(35.f, 52.f, 12.f, 3.f).hard(), skin.shadow);
    part(c, hEllipse(36.f, 62.f, 5.f, 2.5f) | hEllipse(47.f, 62.f, 5.f, 2.5f), blouse, 1);
    part(c, hEllipse(41.5f, 63.5f, 1.8f, 1.8f), shade(l.accent), 1);
}

// Bangs swept to one side, locks framing the face.
void partnerBangs(Canvas& c, const Ramp& hair, const Ramp& skin, const Shape& face) {
    Shape cap = hEllipse(40.f, 30.f, 19.f, 15.f);
    Shape bangs = cap - hEllipse(46.f, 43.f, 16.f, 12.f);
    bangs = bangs | hPoly({{27.f, 26.f}, {30.f, 39.f}, {36.f, 31.f}, {44.f, 36.f}, {47.f, 29.f}, {55.f, 35.f}, {57.f, 26.f}});
    Shape lockL = hPoly({{21.f, 30.f}, {20.f, 52.f}, {24.f, 56.f}, {26.f, 44.f}, {27.f, 32.f}});
    Shape lockR = hPoly({{54.f, 30.f}, {58.f, 40.f}, {58.f, 50.f}, {56.f, 46.f}, {54.f, 38.f}});
    Shape front = bangs | lockL | lockR;
    part(c, front, hair, 2);
    c.fill((front & hEllipse(36.f, 21.f, 10.f, 4.f)) - hEllipse(36.f, 23.f, 10.f, 3.f), hair.light);
    c.fill((front.shift(0, 3) - front.grow(1)) & face, withAlpha(skin.shadow, 0.9f));
}

// The hairband with a small bow.
void partnerHairband(Canvas& c, const Ramp& ribbon) {
    Shape band = (hEllipse(41.f, 34.f, 18.f, 15.f) - hEllipse(41.5f, 36.f, 18.f, 15.f)) & Shape::rect(22, 17, 38, 10).hard();
    c.fill(band.grow(1), pal::kOutline);
    c.fill(band, ribbon.base);
    c.fill(band - band.shift(0, 1), ribbon.light);
    Shape bow = hEllipse(18.5f, 22.f, 4.5f, 3.2f) | hEllipse(26.f, 18.5f, 3.2f, 4.5f) |
                hPoly({{22.f, 25.f}, {17.f, 31.f}, {20.f, 31.f}, {23.5f, 27.f}});
    part(c, bow, ribbon, 1);
    part(c, hEllipse(23.f, 24.f, 2.f, 2.f), ribbon, 1);
    c.fill(hEllipse(18.f, 21.f, 1.5f, 1.f) | hEllipse(25.5f, 17.5f, 1.f, 1.5f), ribbon.shine);
}

Canvas partner(int col) {
    const look::Look& l = look::kPartner;
    Canvas c(kArt, kArt);
    const Person p = personOf(l, 1.f);
    Mood m = moodOf(col);
    if (col == 1) {  // her smile is a happy one rather than a fierce one
        m.eyes = Eyes::Happy;
        m.browTilt = 0.f;
        m.blush = true;
    }
    backdrop(c, l.backdrop);
    const Ramp hair = shade(l.hair), skin = shade(l.skin);
    partnerHairBehind(c, hair);
    partnerShoulders(c, l);
    const FaceGeo g = paintFace(c, p, m, 6.5f);
    partnerBangs(c, hair, skin, g.face);
    partnerHairband(c, shade(l.accent));
    brows(c, g, p, m, 5.5f);
    moodMarks(c, m, 1.f);
    c.mirrorH();
    return c;
}

// ---------------------------------------------------------------- god
// Calm, he keeps his eyes half shut; smiling, they close; surprised, they
// open wide; troubled, they narrow under a knitted brow. (The sheet shows
// the disguise below in place of his troubled face.)
Mood godMood(int col) {
    Mood m = moodOf(col);
    switch (col) {
        case 0: m.eyes = Eyes::Gentle; m.mouth = Mouth::Hidden; break;
        case 1: m.eyes = Eyes::Happy; m.mouth = Mouth::Grin; m.browTilt = 0; m.sparkle = true; break;
        case 2: m.eyes = Eyes::Wide; m.mouth = Mouth::Oh; break;
        default: m.eyes = Eyes::Open; m.lidDrop = 0.3f; m.mouth = Mouth::Wavy; m.browTilt = 1.8f; break;
    }
    return m;
}

// Four-point stars of `r` px at the given places.
void stars(Canvas& c, std::initializer_list<Pt> at, float r, Rgba col) {
    for (Pt t : at) c.fill(hLine({t.x - r, t.y}, {t.x + r, t.y}, 0.5f) | hLine({t.x, t.y - r}, {t.x, t.y + r}, 0.5f), col);
}

// Strands combed down a beard.
void beardStrands(Canvas& c, const Shape& beard, const Ramp& hair) {
    for (float x : {33.f, 40.f, 47.f}) c.fill(hLine({x, 60.f}, {x + (40.f - x) * 0.15f, 72.f}, 0.5f) & beard, hair.shadow);
}

// Beard and moustache; the mouth shows through when he speaks up.
void godBeard(Canvas& c, const FaceGeo& g, const Mood& m, const Ramp& hair, const Ramp& skin) {
    Shape beard = hPoly({{25.f, 46.f}, {28.f, 62.f}, {34.f, 72.f}, {40.f, 77.f}, {46.f, 72.f}, {52.f, 62.f}, {55.f, 46.f}, {48.f, 53.f},
                         {40.f, 55.f}, {32.f, 53.f}});
    part(c, beard, hair, 2);
    beardStrands(c, beard, hair);
    Shape moustache = hEllipse(35.5f, 49.5f, 5.f, 2.2f) | hEllipse(44.5f, 49.5f, 5.f, 2.2f);
    if (m.mouth != Mouth::Hidden) {
        FaceGeo mg = g;
        mg.mouthY = 53.5f;
        c.fill(hEllipse(40.f, 54.f, 4.5f, 3.5f), skin.shadow);
        mouth(c, mg, m);
    }
    part(c, moustache, hair, 1);
}

// Hair parted in the middle, and a circlet with the three paints' gems.
void godCirclet(Canvas& c, const Ramp& hair, const Ramp& trim) {
    Shape top = (hEllipse(40.f, 30.f, 19.f, 15.f) - hEllipse(40.f, 42.f, 17.f, 11.f)) |
                hPoly({{21.f, 30.f}, {20.f, 48.f}, {25.f, 44.f}, {26.f, 32.f}}) | hPoly({{59.f, 30.f}, {60.f, 48.f}, {55.f, 44.f}, {54.f, 32.f}});
    part(c, top, hair, 2);
    for (float sx : {-1.f, 1.f})
        c.fill(hLine({40.f + sx * 6.f, 17.f}, {40.f + sx * 13.f, 27.f}, 0.5f) | hLine({40.f + sx * 16.f, 33.f}, {40.f + sx * 17.5f, 44.f}, 0.5f),
               hair.shadow);
    Shape circlet = (hEllipse(40.f, 33.f, 18.f, 9.f) - hEllipse(40.f, 34.5f, 18.f, 9.f)) & Shape::rect(20, 20, 40, 10).hard();
    c.fill(circlet.grow(1), pal::kOutline);
    c.fill(circlet, trim.base);
    const Rgba gems[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    for (int i = 0; i < 3; ++i) {
        float x = 33.f + 7.f * float(i), y = i == 1 ? 23.5f : 25.f;
        Shape gem = hPoly({{x, y - 2.5f}, {x + 2.2f, y}, {x, y + 2.5f}, {x - 2.2f, y}});
        part(c, gem, shade(gems[i]), 1);
        c.set(int(x) - 1, int(y) - 1, lighter(gems[i], 0.7f));
    }
}

// Bushy white brows, outlined so they read on the skin.
void godBrows(Canvas& c, const FaceGeo& g, const Person& p, const Mood& m) {
    Canvas b(kArt, kArt);
    brows(b, g, p, m, 7.f);
    Mood lower = m;
    lower.browRaise -= 1.f;
    brows(b, g, p, lower, 7.f);
    Shape bs = b.opaqueShape();
    c.fill(bs.grow(1) & g.face, pal::kOutline);
    c.fill(bs, p.brow);
}

Canvas god(int col) {
    const look::Look& l = look::kGod;
    Canvas c(kArt, kArt);
    const Person p = personOf(l, 0.f);
    const Mood m = godMood(col);
    // the backdrop, a golden halo and stars
    backdrop(c, l.backdrop);
    c.fill(hEllipse(40.f, 30.f, 27.f, 27.f) - hEllipse(40.f, 30.f, 24.f, 24.f), pal::kGoldLight);
    c.fill(hEllipse(40.f, 30.f, 24.f, 24.f) - hEllipse(40.f, 30.f, 23.f, 23.f), pal::kGlint);
    stars(c, {Pt{12.f, 22.f}, Pt{68.f, 14.f}, Pt{70.f, 50.f}, Pt{9.f, 52.f}}, 2.f, pal::kGlint);
    const Ramp hair = shade(l.hair), skin = shade(l.skin), robe = shade(l.top), trim = shade(l.accent);
    // long white hair behind the head and over the shoulders
    part(c, hEllipse(40.f, 34.f, 20.f, 20.f) | hPoly({{20.f, 36.f}, {16.f, 68.f}, {64.f, 68.f}, {60.f, 36.f}}), hair, 2, false);
    // robe with a gold-trimmed collar
    Shape body = hPoly({{4.f, 80.f}, {8.f, 68.f}, {22.f, 61.f}, {40.f, 59.f}, {58.f, 61.f}, {72.f, 68.f}, {76.f, 80.f}});
    part(c, body, robe, 3);
    part(c, hPoly({{22.f, 61.f}, {30.f, 60.f}, {40.f, 80.f}, {32.f, 80.f}}) | hPoly({{58.f, 61.f}, {50.f, 60.f}, {40.f, 80.f}, {48.f, 80.f}}),
         trim, 1);
    neck(c, skin, 10.f, 9.f);
    const FaceGeo g = paintFace(c, p, m, 6.f, false);
    godBeard(c, g, m, hair, skin);
    godCirclet(c, hair, trim);
    godBrows(c, g, p, m);
    moodMarks(c, m, 1.f);
    return c;
}

// ---------------------------------------------------------------- god in disguise
// His troubled cell is only shown while he plays a fearsome "demon king" of
// the night sky to tease the children: a hooded cloak, a horned plum mask
// with glowing eyes and a toothy grin, a purple-black aura, and his white
// beard and moustache giving him away from under the mask.
const look::Disguise& kDis = look::kGodInDisguise;

// The aura: flames licking up round him, reaching `reach` px past his head;
// heights count for less near the top, so the flames stretch upwards.
Shape flames(float reach, const Shape& disc) {
    return Shape::where(0, 0, kArt, kArt, [=](float x, float y) {
               float dx = x - 40.f, dy = y - 44.f;
               float th = std::atan2(dy, dx);
               float tongue = std::pow(0.5f + 0.5f * std::cos(9.f * th + 0.6f * std::sin(3.f * th)), 3.f);
               float up = 0.5f - 0.5f * std::sin(th);  // 1 at the top, 0 at the bottom
               float r = std::hypot(dx, dy * (1.f - 0.2f * up));
               float R = 22.f + reach * (0.3f + 0.7f * tongue) * (0.45f + 0.55f * up);
               return r < R ? 1.f : 0.f;
           }) &
           disc;
}

// The same disc as the other portraits, but a night sky, and the aura
// in it: black-purple inside, violet at the tips.
void nightAndAura(Canvas& c) {
    const Shape d = hEllipse(40.f, 40.f, 37.5f, 37.5f);
    const Rgba top = darker(kDis.cloak, 0.2f);
    c.fill(d, [&](int, int y) { return mix(top, kDis.night, float(y) / kArt); });
    c.fill(d - hEllipse(40.f, 40.f, 36.5f, 36.5f), kDis.night);
    stars(c, {Pt{12.f, 22.f}, Pt{68.f, 14.f}, Pt{9.f, 50.f}}, 1.5f, pal::kRobe);
    const Shape disc = hEllipse(40.f, 40.f, 36.f, 36.f);
    const Shape outerAura = flames(17.f, disc), innerAura = flames(9.f, disc);
    c.fill(outerAura, kDis.aura);
    c.fill(outerAura - outerAura.shift(1, 1), kDis.auraTip);
    c.fill(innerAura, kDis.night);
    c.fill(innerAura - innerAura.shift(1, 1), darker(kDis.aura, 0.35f));
}

// A dark cloak over the shoulders, and the hood, its point bent over at the
// top, round the shadowed hollow the mask sits in.
void cloakAndHood(Canvas& c) {
    const Ramp cloak = shade(kDis.cloak), lining = shade(darker(kDis.mask, 0.4f));
    Shape body = hPoly({{4.f, 80.f}, {8.f, 68.f}, {22.f, 61.f}, {40.f, 59.f}, {58.f, 61.f}, {72.f, 68.f}, {76.f, 80.f}});
    part(c, body, cloak, 3);
    c.fill(hLine({22.f, 66.f}, {18.f, 80.f}, 0.5f) | hLine({58.f, 66.f}, {62.f, 80.f}, 0.5f), cloak.shadow);
    const Shape hood = hEllipse(40.f, 40.f, 20.f, 20.f) |
                       hPoly({{31.f, 24.f}, {38.f, 13.f}, {43.f, 6.f}, {47.f, 5.5f}, {48.f, 9.f}, {46.f, 11.f}, {49.f, 24.f}}) |
                       hPoly({{19.f, 44.f}, {16.f, 62.f}, {30.f, 60.f}}) | hPoly({{61.f, 44.f}, {64.f, 62.f}, {50.f, 60.f}});
    part(c, hood, cloak, 3);
    c.fill(hLine({30.f, 25.f}, {38.f, 16.f}, 0.5f) | hLine({39.f, 15.f}, {43.f, 8.5f}, 0.5f), cloak.light);
    Shape opening = hEllipse(40.f, 44.f, 15.5f, 15.f);
    c.fill(opening.grow(1), pal::kOutline);
    c.fill(opening, lining.shadow);
    c.fill(hEllipse(40.f, 45.5f, 14.f, 13.5f) & opening, kDis.night);
}

// What gives him away: his beard and moustache spilling out below the mask.
void beardBelowMask(Canvas& c, const Ramp& hair) {
    Shape beard = hPoly({{27.f, 49.f}, {28.f, 60.f}, {33.f, 70.f}, {40.f, 77.f}, {47.f, 70.f}, {52.f, 60.f}, {53.f, 49.f}, {40.f, 54.f}});
    part(c, beard, hair, 2);
    beardStrands(c, beard, hair);
    Shape moustache = hEllipse(31.f, 51.f, 5.5f, 2.4f) | hEllipse(49.f, 51.f, 5.5f, 2.4f) |
                      hPoly({{26.f, 51.f}, {23.5f, 54.5f}, {28.f, 52.5f}}) | hPoly({{54.f, 51.f}, {56.5f, 54.5f}, {52.f, 52.5f}});
    part(c, moustache, hair, 1);
}

// The mask's string tied round the back of his head, and horns growing
// out through the hood, each a quadratic curve from the hood's shoulder
// outwards, then up.
void stringAndHorns(Canvas& c) {
    c.fill(hLine({25.5f, 37.f}, {28.5f, 39.5f}, 0.5f) | hLine({54.5f, 37.f}, {51.5f, 39.5f}, 0.5f), mix(kDis.horns, pal::kEarth, 0.25f));
    const Ramp horn = shade(kDis.horns);
    for (float sx : {-1.f, 1.f}) {
        Shape h;
        const int n = 9;
        for (int i = 0; i < n; ++i) {
            float t = float(i) / float(n - 1);
            Pt a{33.f, 27.f}, ctl{23.f, 27.f}, b{24.f, 14.f};
            float u = 1.f - t;
            Pt q{u * u * a.x + 2 * u * t * ctl.x + t * t * b.x, u * u * a.y + 2 * u * t * ctl.y + t * t * b.y};
            float r = 3.2f - 2.3f * t;
            h = h | hEllipse(40.f + sx * (q.x - 40.f), q.y, r, r);
        }
        part(c, h, horn, sx < 0 ? 2 : 3);
        for (float y : {23.f, 19.f}) c.fill(hLine({40.f + sx * 21.f, y + 1.f}, {40.f + sx * 28.f, y}, 0.5f) & h, horn.shadow);
    }
}

// The mask: round, plum-red, scowling, with carved brows in a fierce V,
// glowing eyes (a hot white core, a warm ring on the mask) and a wide
// toothy grin with two little fangs.
void demonMask(Canvas& c) {
    const Ramp mask = shade(kDis.mask);
    Shape face = hEllipse(40.f, 40.f, 13.f, 11.5f) | hPoly({{28.f, 42.f}, {31.f, 50.f}, {40.f, 53.f}, {49.f, 50.f}, {52.f, 42.f}});
    part(c, face, mask, 2);
    c.fill((face & hEllipse(35.f, 33.f, 6.f, 3.f)) - hEllipse(36.f, 34.5f, 6.f, 3.f), mask.shine);
    for (float sx : {-1.f, 1.f})
        c.fill(hPoly({{40.f + sx * 11.f, 34.f}, {40.f + sx * 2.f, 38.5f}, {40.f + sx * 2.5f, 40.5f}, {40.f + sx * 11.5f, 36.5f}}), mask.deep);
    for (float sx : {-1.f, 1.f}) {
        float x = 40.f + sx * 5.8f, y = 42.f;
        Shape eyeHole = hEllipse(x, y, 3.8f, 3.2f) -
                        hPoly({{40.f + sx * 1.f, 39.6f}, {40.f + sx * 11.f, 36.6f}, {40.f + sx * 11.f, 30.f}, {40.f + sx * 1.f, 30.f}});
        c.fill(eyeHole.grow(1) & face, mix(mask.light, kDis.eyes, 0.6f));
        c.fill(eyeHole, kDis.eyes);
        c.fill(hEllipse(x + sx * 0.3f, y + 0.6f, 1.6f, 1.2f) & eyeHole, pal::kGlint);
    }
    Shape grin = hPoly({{31.f, 46.f}, {35.f, 48.f}, {40.f, 48.5f}, {45.f, 48.f}, {49.f, 46.f}, {47.f, 50.f}, {40.f, 51.5f}, {33.f, 50.f}});
    c.fill(grin.grow(1) & face, pal::kOutline);
    c.fill(grin, pal::kOutline);
    Shape fangs = hPoly({{34.5f, 48.f}, {37.5f, 48.3f}, {36.f, 51.f}}) | hPoly({{42.5f, 48.3f}, {45.5f, 48.f}, {44.f, 51.f}});
    c.fill(fangs & grin, pal::kEyeWhite);
}

// Two little will-o'-wisps keep him company.
void wisps(Canvas& c) {
    for (Pt w : {Pt{12.f, 34.f}, Pt{68.f, 38.f}}) {
        float d = w.x < 40.f ? 1.f : -1.f;
        Shape wisp = hEllipse(w.x, w.y, 3.f, 3.f) | hPoly({{w.x - 2.8f, w.y - 1.f}, {w.x + d * 2.f, w.y - 8.f}, {w.x + 2.8f, w.y - 1.f}});
        c.fill(wisp.grow(1), darker(kDis.aura, 0.35f));
        c.fill(wisp, kDis.auraTip);
        c.fill(hEllipse(w.x - 0.5f, w.y + 0.5f, 1.5f, 1.5f), pal::kEyeWhite);
    }
}

Canvas godInDisguise() {
    Canvas c(kArt, kArt);
    nightAndAura(c);
    cloakAndHood(c);
    beardBelowMask(c, shade(look::kGod.hair));
    stringAndHorns(c);
    demonMask(c);
    wisps(c);
    return c;
}

// ---------------------------------------------------------------- cover
// Laid over a portrait at half strength to dim the listener, or fully to
// hide an absent character. It has the portraits' own outline (the round
// backdrop and the shoulders below it), so at half strength it is a round
// shade over the listener, and opaque it is a quiet night-blue disc with
// an empty seat: the faint silhouette of someone not there.
Canvas cover() {
    Canvas c(kArt, kArt);
    Rng rng(seedOf("img/kao.png cover"));
    const Shape disc = hEllipse(40.f, 40.f, 37.5f, 37.5f);
    // night blue: the ink lifted towards the sky
    const Rgba top = mix(pal::kInk, pal::kSkyTop, 0.4f), bottom = pal::kSlate;
    c.fill(disc.grow(1), pal::kOutline);
    c.fill(disc, [&](int, int y) { return mix(top, bottom, float(y) / kArt); });
    c.fill(disc - hEllipse(40.f, 40.f, 36.5f, 36.5f), mix(pal::kNight, pal::kSlate, 0.65f));
    // the empty seat: head and shoulders a shade lighter than the ground,
    // lit from the top left like everything else
    // The shoulders reach past the disc exactly as the portraits' do, so an
    // opaque cover hides every portrait whole.
    const Shape head = hEllipse(40.f, 36.f, 13.f, 14.f);
    const Shape body = hPoly({{3.5f, 80.f}, {7.5f, 68.f}, {21.5f, 60.5f}, {34.f, 58.5f}, {46.f, 58.5f},
                                 {58.5f, 60.5f}, {72.5f, 68.f}, {76.5f, 80.f}});
    const Shape seat = (head & disc) | body;
    const Ramp ghost = shade(lighter(top, 0.15f));
    c.fill(body.grow(1) - disc, pal::kOutline);
    c.fill(seat, ghost.base);
    c.fill(seat - seat.shift(-2, -2), ghost.shadow);
    c.fill(seat - seat.shift(1, 1), ghost.light);
    // a few faint stars in the night ground
    for (int k = 0; k < 9; ++k) {
        int x = int(rng.range(8, 72)), y = int(rng.range(6, 40));
        if ((disc - seat.grow(3)).at(x, y) < 0.5f) continue;
        c.at(x, y) = mix(top, pal::kEyeWhite, 0.5f);
    }
    return c;
}

}  // namespace

void genFaces(Output& out) {
    Canvas sheet(1024, 512);
    for (int k = 0; k < 4; ++k) {
        sheet.blit(hero(k).scaled(2), kCell * k, 0);
        sheet.blit(partner(k).scaled(2), kCell * k, kCell);
        sheet.blit((k == 3 ? godInDisguise() : god(k)).scaled(2), kCell * k, 2 * kCell);
    }
    sheet.blit(cover().scaled(2), 4 * kCell, 0);
    // The help screen's seventh page borrows the free space on the right.
    fe::helpPage(sheet, 7, int(HelpPageCell(7).x0), int(HelpPageCell(7).y0));
    out.keyedPng(kPicFaces, sheet);
}

}  // namespace ag
