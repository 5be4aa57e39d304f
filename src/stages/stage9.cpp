// Stage 9: one paint of each colour, and every event is the hero's. Water
// washes the obstacle on the top floor away at once, wind blows it off in two
// steps, fire does nothing to it. On the left, fire or water changes the first
// block so that he can pass it and wind pushes it down; water or wind pushes
// the second block off two floors in turn, fire only shakes it. The goal is
// the two walkers side by side in the pit beside the goal column.
#include <algorithm>

#include "app/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage9State g_Stage9;

namespace {

constexpr int kStage = 9;

// Twinkles of each water event (index = event); never rewound.
SprayParticle s_Twinkles[14][20];

Faller& Faller1() { return g_Fallers[kStage][0]; }
Faller& Faller2() { return g_Fallers[kStage][1]; }

void SetCell(int row, int col, ChipCode code) { MapCell(kStage, row, col) = code; }

bool HeroAt(PaintColour paint, int facing, float x, float y) {
    return g_HeroPaint == paint && g_Hero.facing == facing && g_Hero.x == x && g_Hero.y == y;
}

bool Left() { return g_Hero.facing == 1; }

void Begin() {
    g_Hero.halted = 1;
    g_HeroPose = 2;
}

void EndEvent() {
    g_HeroPaint = 0;
    g_Hero.halted = 0;
    g_HeroPose = 0;
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}
void FireEnd() {
    EndEvent();
    DrawColumnEffect(0, 0, 0, 0);
}
void WindEnd() {
    EndEvent();
    DrawColumnEffect2(0, 0, 0, 0);
}
void WaterEnd() { EndEvent(); }

void Count(int& n, int limit) {
    if (n < limit) n += 1;
}


// The windows of a fire gesture: most events use the long ones, event 4 its
// own shorter ones.
struct FireWindows {
    int sparkEnd;
    int ringA0, ringA1;  // (ringA0, ringA1]
    int column0, column1, columnSound;
    int ringB0, ringB1;  // [ringB0, ringB1]
    int bigAfter;
};
constexpr FireWindows kFire = {15, 10, 12, 15, 20, 17, 18, 20, 20};
constexpr FireWindows kFireShort = {10, 10, 12, 10, 15, 12, 16, 18, 18};

void FireGesture(int n, const FireWindows& f) {
    Stage9State& s = g_Stage9;
    float x = g_Hero.x, y = g_Hero.y;
    float sx = Left() ? x - 64 : x;
    int face = Left() ? 0 : 1;
    if (n >= 0 && n < f.sparkEnd) {
        DrawSparkEffect(sx, y, 128, 1, face, 0);
        DrawSparkEffect(sx, y, -1, 1, face, 0);
    }
    if (n == 1) PlayEffect(1);
    float rx = Left() ? x - 16 : x + 48;
    RingWindow(s.ringGateA, n > f.ringA0 && n <= f.ringA1, rx, y + 48, 1);
    if (n >= f.column0 && n < f.column1) {
        DrawColumnEffect(sx, y - 64, 50, 1);
        DrawColumnEffect(sx, y - 64, -1, 1);
    }
    if (n == f.columnSound) PlayEffect(0);
    RingWindow(s.ringGateB, n >= f.ringB0 && n <= f.ringB1, rx, y, 1);
    if (n > f.bigAfter) {
        float bx = Left() ? x - 32 : x + 32;
        DrawBigEffect(bx, y, 70, 1, 0);
        DrawBigEffect(bx, y, -1, 1, 0);
    }
}

void WindGesture(int n) {
    float x = g_Hero.x, y = g_Hero.y;
    float sx = Left() ? x - 64 : x;
    int face = Left() ? 0 : 1;
    if (n >= 0 && n < 30) {
        DrawSparkEffect(sx, y, 100, 1, face, 2);
        DrawSparkEffect(sx, y, -1, 1, face, 2);
    }
    if (n == 1) PlayEffect(1);
    if (n >= 10 && n < 20) {
        DrawColumnEffect2(sx, y - 64, 70, 1);
        DrawColumnEffect2(sx, y - 64, -1, 1);
    }
    if (n == 13) PlayEffect(5);
    if (n > 20) {
        float bx = Left() ? x - 32 : x + 32;
        DrawBigEffect(bx, y, 70, 1, 2);
        DrawBigEffect(bx, y, -1, 1, 2);
    }
}

// Where a water gesture puts its pictures, relative to the hero.
struct WaterPlaces {
    float burstX;  // colour bursts at (x + burstX, y + 32)
    float sprayX;  // twinkles from (x + sprayX, y - 32)
    int sprayEnd;  // twinkles while n is in [15, sprayEnd)
    float bigX;    // big burst at (x + bigX, y + 16)
};

void WaterGesture(int n, int event, const WaterPlaces& p) {
    Stage9State& s = g_Stage9;
    float x = g_Hero.x, y = g_Hero.y;
    float sx = Left() ? x - 64 : x;
    int face = Left() ? 0 : 1;
    if (n >= 0 && n < 15) {
        DrawSparkEffect(sx, y, -1, 1, face, 1);
        DrawSparkEffect(sx, y, 128, 1, face, 1);
    }
    if (n == 1) PlayEffect(1);
    if (n >= 1 && n <= 15) {
        if (s.ringGateA == 1) {
            SpawnColourBurst(x + p.burstX, y + 32, 1, 3, 1);
            SpawnColourBurst(x + p.burstX, y + 32, 1, 3, 1);
        }
        s.ringGateA += 1;
    } else {
        s.ringGateA = 0;
    }
    if (n >= 15 && n < p.sprayEnd && g_Now - s.t5 >= 30) {
        UpdateSpray(s_Twinkles[event], 20, DrawTwinkle, 0, 0.2f, 4, x + p.sprayX, y - 32, 60, 60);
        s.t5 = g_Now;
    }
    if (n > 20) {
        DrawBigEffect(x + p.bigX, y + 16, 70, 1, 1);
        DrawBigEffect(x + p.bigX, y + 16, -1, 1, 1);
    }
    if (n == 20) PlayEffect(3);
}

// Faller 1 changes in five pictures (shared clock T2); true once they are
// shown, on every later 100-ms step too.
bool Faller1Pictures() {
    Stage9State& s = g_Stage9;
    if (g_Now - s.t2 < 100) return false;
    s.t2 = g_Now;
    if (s.faller1Frame >= 5) return true;
    Faller& f = Faller1();
    float u = 0.125f * float(s.faller1Frame);
    f.quad.v[0].u = f.quad.v[3].u = u;
    f.quad.v[1].u = f.quad.v[2].u = u + 0.125f;
    s.faller1Frame += 1;
    return false;
}

// Faller 2 shakes in seven pictures and comes back to rest.
void Faller2Shake() {
    Stage9State& s = g_Stage9;
    if (g_Now - s.t4 < 150) return;
    s.t4 = g_Now;
    static const float kV[7] = {0, 0.0625f, 0.125f, 0.1875f, 0.125f, 0.0625f, 0};
    if (s.faller2Frame < 7) {
        Faller& f = Faller2();
        float v = kV[s.faller2Frame];
        f.quad.v[0].v = f.quad.v[1].v = v;
        f.quad.v[2].v = f.quad.v[3].v = v + 0.0625f;
        s.faller2Frame += 1;
    } else {
        FireEnd();
        s.faller2Frame = 0;
    }
}

// A push of two pixels every 25 ms while `more` holds; the scrape sounds once.
void Push(Faller& f, unsigned& t, float dx, bool more, int n, int soundAt) {
    if (g_Now - t < 25) return;
    if (more) {
        f.x += dx;
        if (n == soundAt) PlayEffect(8);
    }
    t = g_Now;
}

// A faller landed at height y thuds, raises sand for ten ticks, and the event
// ends on the twelfth tick there. True on the ticks it ends.
bool Landing(const Faller& f, float y, int& l) {
    if (f.y != y) return false;
    if (l == 0) PlayEffect(7);
    if (l < 10) DrawSandEffect(f.x, f.y + 40, -1, 1);
    bool ends = l > 10;
    if (l < 30) l += 1;
    return ends;
}

void ObstacleFire() {
    int& n = g_Stage9.count[1];
    if (!HeroAt(kPaintRed, 0, 320, 0)) return;
    Begin();
    FireGesture(n, kFire);
    if (n >= 30) FireEnd();
    Count(n, 70);
}

void ObstacleWater() {
    Stage9State& s = g_Stage9;
    int& n = s.count[2];
    if (!HeroAt(kPaintBlue, 0, 320, 0)) return;
    Begin();
    WaterGesture(n, 2, {16, -16, 35, -32});
    if (n > 30) {
        SetCell(0, 11, 0);
        SetCell(1, 11, 156);
        WaterEnd();
        s.obstacleState = 2;
    }
    Count(n, 70);
}

void ObstacleWind() {
    Stage9State& s = g_Stage9;
    int& n = s.count[3];
    if (!HeroAt(kPaintGreen, 0, 320, 0)) return;
    Begin();
    s.obstacleState = 1;  // the flicker stops while the wind blows
    WindGesture(n);
    if (n > 30 && g_Now - s.t3 >= 150) {
        s.t3 = g_Now;
        if (s.obstacleState == 1) {
            if (s.obstacleStep == 0) {
                SetCell(0, 11, 139);
                SetCell(1, 11, 155);
                s.obstacleStep = 1;
            } else {
                SetCell(0, 11, 0);
                SetCell(1, 11, 172);
                WindEnd();
                s.obstacleState = 2;
            }
        }
    }
    Count(n, 70);
}

void Faller1Fire() {
    Stage9State& s = g_Stage9;
    int& n = s.count[4];
    if (!HeroAt(kPaintRed, 1, 257, 0)) return;
    Begin();
    FireGesture(n, kFireShort);
    if (n >= 28 && Faller1Pictures()) {
        FireEnd();
        s.faller1State = 1;
    }
    Count(n, 71);
}

void Faller1Water(int event, int facing, float x, float y, const WaterPlaces& p, int state) {
    Stage9State& s = g_Stage9;
    int& n = s.count[event];
    if (!HeroAt(kPaintBlue, facing, x, y)) return;
    if (event == 6 && s.faller1State != 1) return;
    Begin();
    WaterGesture(n, event, p);
    if (n > 30 && Faller1Pictures()) {
        WaterEnd();
        s.faller1State = state;
    }
    Count(n, 70);
}

void Faller1Wind() {
    Stage9State& s = g_Stage9;
    int& n = s.count[7];
    if (!HeroAt(kPaintGreen, 1, 257, 0)) return;
    Begin();
    WindGesture(n);
    if (n > 30) {
        Faller& f = Faller1();
        Push(f, s.t2, -2, f.x >= 192, n, 35);
        if (Landing(f, 96, s.landing[7])) {
            WindEnd();
            s.faller1State = 1;
        }
    }
    Count(n, 70);
}

void Faller2Fire(int event, int facing, float x, float y, int state) {
    Stage9State& s = g_Stage9;
    int& n = s.count[event];
    if (!HeroAt(kPaintRed, facing, x, y) || s.faller2State != state) return;
    Begin();
    FireGesture(n, kFire);
    if (n >= 30) Faller2Shake();
    Count(n, 71);
}

// Water or wind pushes faller 2 off the left end of its floor (events 10, 12).
void Faller2PushLeft(int event, PaintColour paint) {
    Stage9State& s = g_Stage9;
    int& n = s.count[event];
    if (!HeroAt(paint, 1, 129, 96) || s.faller2State != 0) return;
    Begin();
    Faller& f = Faller2();
    if (paint == kPaintBlue) {
        WaterGesture(n, event, {0, -32, 30, -32});
        if (n > 30) Push(f, s.t4, -2, f.x >= 64, n, 35);
    } else {
        WindGesture(n);
        Push(f, s.t4, -2, f.x >= 64, n, 25);
    }
    if (Landing(f, 160, s.landing[event])) {
        if (paint == kPaintBlue)
            WaterEnd();
        else
            WindEnd();
        s.faller2State = 1;
    }
    Count(n, 70);
}

// ...and then off the right end of the next floor (events 11, 13).
void Faller2PushRight(int event, PaintColour paint) {
    Stage9State& s = g_Stage9;
    int& n = s.count[event];
    if (!HeroAt(paint, 0, 29, 160) || s.faller2State != 1) return;
    Begin();
    Faller& f = Faller2();
    if (paint == kPaintBlue)
        WaterGesture(n, event, {32, 32, 35, 32});
    else
        WindGesture(n);
    Push(f, s.t4, 2, f.x + 32 <= 128, n, 25);
    if (Landing(f, 224, s.landing[event])) {
        if (paint == kPaintBlue)
            WaterEnd();
        else
            WindEnd();
    }
    Count(n, 70);
}

void GoalColumn() {
    Stage9State& s = g_Stage9;
    if (g_Now - s.t1 < 250) return;
    s.t1 = g_Now;
    SetCell(8, 13, ChipCode(132 + s.col13Frame));
    SetCell(9, 13, ChipCode(148 + s.col13Frame));
    s.col13Frame = (s.col13Frame + 1) % 4;
}

void ObstacleIdle() {
    Stage9State& s = g_Stage9;
    if (g_Now - s.t2 < 250) return;
    s.t2 = g_Now;
    if (s.obstacleState != 0) return;
    SetCell(0, 11, ChipCode(136 + s.obstacleIdleFrame));
    SetCell(1, 11, ChipCode(152 + s.obstacleIdleFrame));
    s.obstacleIdleFrame = (s.obstacleIdleFrame + 1) % 3;
}

bool OnFaller(const Faller& f) {
    return g_Hero.y >= f.y - 16 && g_Hero.y <= f.y && g_Hero.x >= f.x - 32 && g_Hero.x <= f.x + 32;
}

bool AtPlace(const Walker& w, float x) { return w.x >= x && w.x + 32 <= x + 32 && w.y >= 256 && w.y + 32 <= 288; }

void Rules() {
    Stage9State& s = g_Stage9;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    // Faller 1 at its start turns a hero coming from the right; once changed
    // or pushed down, one coming from the left; changed again, nobody.
    if (f1.x + 32 == g_Hero.x && f1.y == g_Hero.y && s.faller1State == 0) g_Hero.facing = 0;
    if (g_Hero.x + 32 == f1.x && f1.y == g_Hero.y && s.faller1State == 1) g_Hero.facing = 1;
    if (f2.x + 32 == g_Hero.x && f2.y == g_Hero.y) g_Hero.facing = 0;
    if (g_Hero.x + 32 == f2.x && f2.y == g_Hero.y) g_Hero.facing = 1;
    // A hero coming down onto a block stays at its height until he is clear of it.
    g_Hero.gravityOff = (OnFaller(f1) || OnFaller(f2)) ? 1 : 0;

    bool heroHome = AtPlace(g_Hero, 384);
    bool partnerHome = AtPlace(g_Partner, 352);
    // The hero comes down the partner's way on the right after her, passing
    // her place's x on the floors above: only a meeting on her row counts.
    MeetAtGoal(heroHome, partnerHome, true, true, true);
}

void Stage9Init() {
    Faller& f1 = Faller1();
    f1.quad.v[0].u = f1.quad.v[3].u = 0.0f;
    f1.quad.v[1].u = f1.quad.v[2].u = 0.125f;
    SetQuadColour(f1.quad, 0xFFFFFFFFu);
    Faller& f2 = Faller2();
    f2.quad.v[0].v = f2.quad.v[1].v = 0.0f;
    f2.quad.v[2].v = f2.quad.v[3].v = 0.0625f;
    SetQuadColour(f2.quad, 0xFFFFFFFFu);
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
    g_Stage9.count[1] = 0;
    g_Stage9.count[2] = 0;
}

void Stage9DrawObjects() {
    DrawQuad(4, Faller1().quad);
    DrawQuad(4, Faller2().quad);
}

}  // namespace

void Stage9Script() {
    Stage9State& s = g_Stage9;
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        // The goal column's and the twinkles' clocks run on across a reset.
        unsigned t1 = s.t1, t5 = s.t5;
        s = Stage9State{};
        s.t1 = t1;
        s.t5 = t5;
        UpdateRingBursts(0, 0, 0);
        DrawSparkEffect(0, 0, 0, 0, 0, 0);
        DrawBigEffect(0, 0, 0, 0, 0);
        DrawColumnEffect2(0, 0, 0, 0);
        DrawColumnEffect(0, 0, 0, 0);
    }
    GoalColumn();
    ObstacleIdle();

    ObstacleFire();
    ObstacleWater();
    ObstacleWind();
    Faller1Fire();
    Faller1Water(5, 1, 257, 0, {0, -32, 35, -32}, 1);
    Faller1Water(6, 0, 157, 96, {32, -32, 35, 32}, 2);
    Faller1Wind();
    Faller2Fire(8, 1, 129, 96, 0);
    Faller2Fire(9, 0, 29, 160, 1);
    Faller2PushLeft(10, kPaintBlue);
    Faller2PushRight(11, kPaintBlue);
    Faller2PushLeft(12, kPaintGreen);
    Faller2PushRight(13, kPaintGreen);

    Rules();
}

const StageScript kStage9Script = {Stage9Init, Stage9DrawObjects, Stage9Script};
