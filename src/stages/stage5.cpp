// Stage 5: two reds and two greens. Two flames guard the ends of the middle
// shelf and two blocks rest on burnable shelf ends above them. Red burns a
// shelf end away so that its block drops onto the flame below and puts it
// out; green blows a flame out or shoves a block off its ledge; red on a
// block that is already down only makes it glow. Both walkers meet on the
// floor at the left, beside the goal column. The left side is a trap: a
// walker that comes down there once the left flame is dealt with the wrong
// way sits down and stays.
#include "app/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage5State g_Stage5;

namespace {

Faller& Faller1() { return g_Fallers[5][0]; }
Faller& Faller2() { return g_Fallers[5][1]; }

void SetCell(int row, int col, ChipCode code) { MapCell(5, row, col) = code; }


// Which way a cast is thrown, as offsets from the actor.
struct Aim {
    float ax;     // spark
    int flag;     // spark facing flag
    float ringX;  // both ring points
    float cx;     // column
    float bx;     // big picture
};
constexpr Aim kRight = {0, 1, 48, 0, 32};
constexpr Aim kLeft = {-64, 0, -16, -64, -32};
// The partner's red on the tub-side block draws its big picture on itself.
constexpr Aim kRightNear = {0, 1, 48, 0, 0};

void ResetPictures(bool afterSplash) {
    DrawColumnEffect(0, 0, 0, 0);
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
    DrawColumnEffect2(0, 0, 0, 0);
    if (afterSplash) DrawSandEffect(0, 0, 0, 0);
}

// While an event runs its walker stands still in the casting pose.
void Hold(const Actor& a) {
    a.w.halted = 1;
    a.pose = 2;
}

// The paint is spent: the walker goes on and the pictures rewind.
void Finish(const Actor& a, bool afterSplash = false) {
    a.paint = 0;
    a.w.halted = 0;
    a.pose = 0;
    ResetPictures(afterSplash);
}

void CountUp(int& n, int limit) {
    if (n < limit) n += 1;
}


void RedCast(const Aim& k, int c, float x, float y) {
    Stage5State& s = g_Stage5;
    if (c >= 0 && c < 15) {
        DrawSparkEffect(x + k.ax, y, 128, 1, k.flag, 0);
        DrawSparkEffect(x + k.ax, y, -1, 1, k.flag, 0);
    }
    if (c == 1) PlayEffect(1);
    RingWindow(s.spawnGateA, c >= 11 && c <= 12, x + k.ringX, y + 48, 1);
    RingWindow(s.spawnGateB, c >= 18 && c <= 20, x + k.ringX, y, 1);
    if (c >= 15 && c < 20) {
        DrawColumnEffect(x + k.cx, y - 64, 50, 1);
        DrawColumnEffect(x + k.cx, y - 64, -1, 1);
    }
    if (c == 17) PlayEffect(0);
    if (c > 20) {
        DrawBigEffect(x + k.bx, y, 70, 1, 0);
        DrawBigEffect(x + k.bx, y, -1, 1, 0);
    }
}

void GreenCast(const Aim& k, int c, float x, float y) {
    if (c >= 0 && c < 30) {
        DrawSparkEffect(x + k.ax, y, 100, 1, k.flag, 2);
        DrawSparkEffect(x + k.ax, y, -1, 1, k.flag, 2);
    }
    if (c == 1) PlayEffect(1);
    if (c >= 10 && c < 20) {
        DrawColumnEffect2(x + k.cx, y - 64, 70, 1);
        DrawColumnEffect2(x + k.cx, y - 64, -1, 1);
    }
    if (c == 13) PlayEffect(5);
    if (c > 20) {
        DrawBigEffect(x + k.bx, y, 70, 1, 2);
        DrawBigEffect(x + k.bx, y, -1, 1, 2);
    }
}

// A shove: from counter 31, every 25 ms, dx while the bound holds.
void Push(Faller& f, unsigned& pushTime, int c, float dx, bool boundHolds) {
    if (c < 31 || g_Now - pushTime < 25) return;
    pushTime = g_Now;
    if (!boundHolds) return;
    f.x += dx;
    if (c == 35) PlayEffect(8);
}

// The shoved block has landed: a thud and a sand cloud; true when settled.
bool Splash(int& n, const Faller& f) {
    if (n == 0) PlayEffect(7);
    if (n > 0 && n < 10) DrawSandEffect(f.x, f.y + 40, -1, 1);
    const bool over = n > 10;
    CountUp(n, 20);
    return over;
}

// The glowing block's picture rows, hot and cooling again.
constexpr float kGlowV[7] = {0, 0.0625f, 0.125f, 0.1875f, 0.125f, 0.0625f, 0};

void SetFallerV(Faller& f, float v0) {
    f.quad.v[0].v = f.quad.v[1].v = v0;
    f.quad.v[2].v = f.quad.v[3].v = v0 + 0.0625f;
}

// One glow step when due; true at step 7, which rewinds the glow.
bool Glow(Faller& f, int& frame, unsigned& pushTime, unsigned interval) {
    if (g_Now - pushTime < interval) return false;
    pushTime = g_Now;
    if (frame >= 7) {
        frame = 0;
        return true;
    }
    SetFallerV(f, kGlowV[frame]);
    frame += 1;
    return false;
}

struct FlameRefs {
    int& state;
    int& step;
    int& frame;
    unsigned& stepTime;
    int col;
};
FlameRefs Flame(int f) {
    Stage5State& s = g_Stage5;
    if (f == 0) return {s.flame1State, s.flame1Step, s.flame1Frame, s.flame1StepTime, 6};
    return {s.flame2State, s.flame2Step, s.flame2Frame, s.flame2StepTime, 13};
}

void FlameOut(const FlameRefs& fl) {
    SetCell(4, fl.col, 0);
    SetCell(5, fl.col, 72);
}

void GoalColumn() {
    Stage5State& s = g_Stage5;
    if (g_Now - s.goalStepTime < 250) return;
    s.goalStepTime = g_Now;
    SetCell(8, 0, ChipCode(128 + s.goalFrame));
    SetCell(9, 0, ChipCode(144 + s.goalFrame));
    s.goalFrame = (s.goalFrame + 1) % 4;
}

void FlameFlicker(int f) {
    const FlameRefs fl = Flame(f);
    if (fl.state != 0 || g_Now - fl.stepTime < 250) return;
    fl.stepTime = g_Now;
    SetCell(4, fl.col, ChipCode(52 + fl.frame));
    SetCell(5, fl.col, ChipCode(68 + fl.frame));
    fl.frame = (fl.frame + 1) % 3;
}

// The partner blows flame f out in two steps, 200 ms apart; true when out.
bool BlowOut(const FlameRefs& fl, int c) {
    Stage5State& s = g_Stage5;
    if (c <= 30 || g_Now - s.effectTime < 200 || fl.state != 1) return false;
    s.effectTime = g_Now;
    if (fl.step == 0) {
        SetCell(4, fl.col, 55);
        SetCell(5, fl.col, 71);
        fl.step = 1;
        return false;
    }
    FlameOut(fl);
    return true;
}

// Site 3: the partner before the left flame; site 4: before the right one.
void FlameRed(int f) {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    const FlameRefs fl = Flame(f);
    if (a.paint != kPaintRed || p.y + 32 != 160) return;
    if (f == 0) {
        if (p.x != 224 || p.facing != 1 || fl.state != 0) return;
        Hold(a);
        const int c = s.site3Red;
        RedCast(kLeft, c, p.x, p.y);
        if (c == 30) {
            // Fire does nothing to fire; the event may run again.
            Finish(a);
            s.site3Red = 0;
        }
        CountUp(s.site3Red, 40);
        return;
    }
    if (p.x != 384 || p.facing != 0 || s.faller2State != 0) return;
    Hold(a);
    const int c = s.site4Red;
    RedCast(kRight, c, p.x, p.y);
    if (c >= 30) {
        // The shelf's left part burns away and its block drops on the flame.
        SetCell(2, 13, 0);
        SetCell(2, 14, 0);
        SetCell(2, 15, 0);
        const Faller& b = Faller2();
        if (b.y + 32 == 128) {
            fl.state = 1;
            FlameOut(fl);
        }
        if (b.y + 32 == 160) {
            Finish(a);
            s.faller2State = 1;
        }
    }
    CountUp(s.site4Red, 50);
}

void FlameGreen(int f) {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    const FlameRefs fl = Flame(f);
    if (a.paint != kPaintGreen || p.y + 32 < 160 || fl.state > 1) return;
    if (f == 0 && (p.x != 224 || p.facing != 1 || s.faller1State >= 2 || s.faller1Dropped != 0)) return;
    if (f == 1 && (p.x != 384 || p.facing != 0 || s.faller2State != 0)) return;
    fl.state = 1;  // the flicker stops at once
    Hold(a);
    int& n = f == 0 ? s.site3Green : s.site4Green;
    const int c = n;
    GreenCast(f == 0 ? kLeft : kRight, c, p.x, p.y);
    if (BlowOut(fl, c)) {
        Finish(a);
        fl.state = 2;
        if (f == 0)
            s.partnerStopLow = 1;
        else
            s.faller2State = 1;
    }
    CountUp(n, 70);
}

// Site 1: the hero on the top-left shelf before faller 1.
bool AtSite1() {
    const Walker& h = g_Hero;
    return h.x + 32 == 191 && h.y + 32 <= 32 && h.facing == 0 && g_Stage5.faller1State == 0;
}

// Site 2: the hero on the upper middle shelf, right of faller 1.
bool AtSite2() {
    const Walker& h = g_Hero;
    return h.x == 259 && h.y + 32 == 96 && h.facing == 1 && g_Stage5.faller1State == 1;
}

// Site 7: a walker on the plant top, right of faller 2.
bool AtSite7(const Walker& w) { return w.x == 483 && w.y + 32 >= 224 && w.facing == 1 && g_Stage5.faller2State == 2; }

void Site1Green() {
    Stage5State& s = g_Stage5;
    const Actor a = HeroActor();
    if (a.paint != kPaintGreen || !AtSite1()) return;
    Hold(a);
    const int c = s.site1Green;
    GreenCast(kRight, c, g_Hero.x, g_Hero.y);
    Faller& b = Faller1();
    Push(b, s.pushTime1, c, 2, b.x <= 224);
    if (b.y + 32 == 96 && Splash(s.site1Splash, b)) {
        Finish(a, true);
        s.faller1State = 1;
    }
    CountUp(s.site1Green, 70);
}

void Site2Green() {
    Stage5State& s = g_Stage5;
    const Actor a = HeroActor();
    if (a.paint != kPaintGreen || !AtSite2()) return;
    Hold(a);
    const int c = s.site2Green;
    GreenCast(kLeft, c, g_Hero.x, g_Hero.y);
    Faller& b = Faller1();
    Push(b, s.pushTime1, c, -2, b.x >= 192);
    if (b.y + 32 == 128) {
        // The block puts the left flame out and drops on onto its base.
        s.flame1State = 1;
        FlameOut(Flame(0));
    }
    if (b.y + 32 == 160 && Splash(s.site2Splash, b)) {
        Finish(a, true);
        s.faller1State = 2;
        s.heroStopLow = 1;
    }
    CountUp(s.site2Green, 70);
}

// Site 5: the partner blows faller 1 off the left flame's base.
void Site5Green() {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    if (a.paint != kPaintGreen || p.x != 225 || p.y + 32 < 160 || p.facing != 1 || s.faller1State != 1 ||
        s.faller1Dropped != 1)
        return;
    Hold(a);
    const int c = s.partnerGreen;
    GreenCast(kLeft, c, p.x, p.y);
    Faller& b = Faller1();
    Push(b, s.pushTime1, c, -2, b.x >= 160);
    if (b.y + 32 == 288 && Splash(s.site5Splash, b)) {
        Finish(a, true);
        s.faller1State = 3;
        s.partnerStopLow = 1;
    }
    CountUp(s.partnerGreen, 70);
}

// Site 6: the partner blows faller 2 off the right flame's base.
void Site6Green() {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    if (a.paint != kPaintGreen || p.x != 383 || p.y + 32 != 160 || p.facing != 0 || s.faller2State != 1) return;
    Hold(a);
    const int c = s.site6Green;
    GreenCast(kRight, c, p.x, p.y);
    Faller& b = Faller2();
    Push(b, s.pushTime2, c, 2, b.x + 32 <= 480);
    if (b.y + 32 == 224 && Splash(s.site6Splash, b)) {
        Finish(a, true);
        s.faller2State = 2;
    }
    CountUp(s.site6Green, 70);
}

// Site 7: faller 2 is blown off the plant top down to the floor.
void Site7Green(const Actor& a, int& n, int& splash) {
    Stage5State& s = g_Stage5;
    if (a.paint != kPaintGreen || !AtSite7(a.w)) return;
    Hold(a);
    const int c = n;
    GreenCast(kLeft, c, a.w.x, a.w.y);
    Faller& b = Faller2();
    Push(b, s.pushTime2, c, -2, b.x >= 416);
    if (b.y + 32 == 288 && Splash(splash, b)) {
        Finish(a, true);
        s.faller2State = 3;
    }
    CountUp(n, 70);
}

void Site1Red() {
    Stage5State& s = g_Stage5;
    const Actor a = HeroActor();
    if (a.paint != kPaintRed || !AtSite1()) return;
    Hold(a);
    const int c = s.site1Red;
    RedCast(kRight, c, g_Hero.x, g_Hero.y);
    Faller& b = Faller1();
    if (c >= 20 && g_Now - s.pushTime1 >= 120) {
        s.pushTime1 = g_Now;
        SetFallerV(b, kGlowV[s.faller1Frame]);
        if (s.faller1Frame == 3) SetCell(1, 6, 0);  // the shelf end burns away
        if (s.faller1Frame < 6) s.faller1Frame += 1;
    }
    if (b.y + 32 == 128) {
        // Landed on the left flame: it goes out; the block drops onto its base.
        FlameOut(Flame(0));
        Finish(a);
        s.faller1Dropped = 1;
        s.flame1State = 1;
        s.faller1State = 1;
        s.heroStopLow = 1;
        s.faller1Frame = 0;
    }
    CountUp(s.site1Red, 70);
}

// Red on a block that is already down: it glows through its pictures.
void GlowEvent(const Actor& a, const Aim& k, int& n, int limit, int from, Faller& f, int& frame, unsigned& pushTime,
               bool again) {
    Hold(a);
    const int c = n;
    RedCast(k, c, a.w.x, a.w.y);
    if (c >= from && Glow(f, frame, pushTime, 150)) {
        Finish(a);
        if (again) n = 0;
    }
    CountUp(n, limit);
}

void Site2Red() {
    Stage5State& s = g_Stage5;
    const Actor a = HeroActor();
    if (a.paint != kPaintRed || !AtSite2()) return;
    GlowEvent(a, kLeft, s.site2Red, 70, 30, Faller1(), s.faller1Frame, s.pushTime1, true);
}

void Site5Red() {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    if (a.paint != kPaintRed || p.y + 32 != 160 || p.facing != 1) return;
    const bool blown = p.x == 225 && s.faller1State == 2 && s.faller1Dropped == 0;
    const bool burnt = p.x == 226 && s.faller1State == 1 && s.faller1Dropped == 1;
    if (!blown && !burnt) return;
    GlowEvent(a, kLeft, s.site5Red, 71, 30, Faller1(), s.faller1Frame, s.pushTime1, false);
}

void Site6Red() {
    Stage5State& s = g_Stage5;
    const Actor a = PartnerActor();
    const Walker& p = g_Partner;
    if (a.paint != kPaintRed || p.x != 383 || p.y + 32 < 160 || p.facing != 0 || s.faller2State != 1) return;
    GlowEvent(a, kRightNear, s.site6Red, 70, 30, Faller2(), s.faller2Frame, s.pushTime2, false);
}

void Site7Red(const Actor& a, int& n, int from) {
    Stage5State& s = g_Stage5;
    if (a.paint != kPaintRed || !AtSite7(a.w)) return;
    GlowEvent(a, kLeft, n, 70, from, Faller2(), s.faller2Frame, s.pushTime2, false);
}

// A walker that has come down where it cannot get out sits and stays.
void SitDown(Walker& w, Quad& q, float columnU) {
    SetQuadUV(q, columnU, 0.625f, columnU + 0.125f, 0.6875f);
    w.halted = 1;
}

bool SameHeight(const Walker& w, const Faller& f) { return w.y == f.y; }

bool OnFaller(const Walker& w, const Faller& f) {
    return f.y >= w.y && f.y <= w.y + 16 && w.x + 32 >= f.x && f.x + 32 >= w.x;
}

void Rules() {
    Stage5State& s = g_Stage5;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    if (h.x + 32 == f1.x && SameHeight(h, f1)) h.facing = 1;
    if (f1.x + 32 == h.x && SameHeight(h, f1)) h.facing = 0;
    if (h.x + 32 == f2.x && SameHeight(h, f2)) h.facing = 1;
    if (f2.x + 32 == h.x && SameHeight(h, f2)) h.facing = 0;
    if (f1.x + 32 == p.x && SameHeight(p, f1)) p.facing = 0;
    if (p.x + 32 == f2.x && SameHeight(p, f2)) p.facing = 1;
    if (f2.x + 32 == p.x && SameHeight(p, f2)) p.facing = 0;
    h.gravityOff = (OnFaller(h, f1) || OnFaller(h, f2)) ? 1 : 0;
    p.gravityOff = (OnFaller(p, f1) || OnFaller(p, f2)) ? 1 : 0;
    if (h.y + 32 >= 192 && h.y + 32 < 224 && h.x + 32 >= 128 && h.x <= 192) s.heroFellLeft = 1;
    if (s.heroStopLow == 1 && h.y + 32 == 288 && s.faller1State != 3 && s.heroFellLeft == 1)
        SitDown(h, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && p.y + 32 == 288 && s.faller1State != 3) SitDown(p, g_PartnerQuad, g_PartnerColumnU);
    if (s.heroStopLow == 1 && h.y + 16 >= f1.y && s.faller1State == 3) SitDown(h, g_HeroQuad, g_HeroColumnU);
    if (s.partnerStopLow == 1 && p.y + 16 >= f1.y && s.faller1State == 3) SitDown(p, g_PartnerQuad, g_PartnerColumnU);

    if (h.y >= 200) s.heroWasLow = 1;
    MeetAtGoal(At(h, 32, 256), At(p, 64, 256), false, s.heroWasLow == 1);
}

void Stage5Init() {
    for (Faller* f : {&Faller1(), &Faller2()}) {
        SetFallerV(*f, 0);
        SetQuadColour(f->quad, 0xFFFFFFFFu);
    }
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
}

void Stage5DrawObjects() { DrawStageFallers(5); }

}  // namespace

void Stage5Script() {
    Stage5State& s = g_Stage5;
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        s = Stage5State{};
        UpdateRingBursts(0, 0, 0);
        ResetPictures(false);
    }
    GoalColumn();
    FlameFlicker(0);
    FlameFlicker(1);
    FlameRed(0);
    FlameRed(1);
    FlameGreen(0);
    FlameGreen(1);
    Site1Green();
    Site2Green();
    Site5Green();
    Site6Green();
    Site7Green(PartnerActor(), s.partnerGreen, s.site7PartnerSplash);
    Site1Red();
    Site2Red();
    Site5Red();
    Site6Red();
    Site7Red(HeroActor(), s.site7HeroRed, 20);
    Site7Red(PartnerActor(), s.site7PartnerRed, 30);
    Site7Green(HeroActor(), s.site7HeroGreen, s.site7HeroSplash);
    Rules();
}

const StageScript kStage5Script = {Stage5Init, Stage5DrawObjects, Stage5Script};
