// Stage 3 teaches the green paint: wind blows a flickering block away and
// pushes the loose blocks along their shelves, two pixels at a time, until
// they drop. The walkers ride down on the blocks and meet on the bottom-left
// shelf beside the goal column; water fills the bottom of the screen.
#include "app/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

Stage3State g_Stage3;

namespace {

// A shelf piece that shows in cell (8,8) without being part of the map.
const Quad kLooseChip = MakeQuad(256, 256, 288, 288, 0.4375f, 0.0f, 0.5f, 0.0625f);

Faller& Faller1() { return g_Fallers[3][0]; }
Faller& Faller2() { return g_Fallers[3][1]; }
Faller& Faller3() { return g_Fallers[3][2]; }

void SetCell(int row, int col, ChipCode code) { MapCell(3, row, col) = code; }


bool Green(const Actor& a) { return a.paint == kPaintGreen; }

void ResetCast() {
    DrawSparkEffect(0, 0, 0, 0, 0, 0);
    DrawColumnEffect2(0, 0, 0, 0);
    DrawBigEffect(0, 0, 0, 0, 0);
}

// The wind cast every event shows; it stands on the side the actor faces.
void Cast(const Actor& a, int c, int bigAfter) {
    const bool right = a.w.facing == 0;
    const float ax = right ? a.w.x : a.w.x - 64;
    const float y = a.w.y;
    if (c < 30) {
        DrawSparkEffect(ax, y, 100, 1, right ? 1 : 0, 2);
        DrawSparkEffect(ax, y, -1, 1, right ? 1 : 0, 2);
    }
    if (c == 1) PlayEffect(1);
    if (c >= 10 && c < 20) {
        DrawColumnEffect2(ax, y - 64, 70, 1);
        DrawColumnEffect2(ax, y - 64, -1, 1);
    }
    if (c == 13) PlayEffect(5);
    if (c > bigAfter) {
        DrawBigEffect(ax + 32, y, 70, 1, 2);
        DrawBigEffect(ax + 32, y, -1, 1, 2);
    }
}

void BeginEvent(const Actor& a, int c, int bigAfter = 20) {
    a.w.halted = 1;
    a.pose = 2;
    Cast(a, c, bigAfter);
}

void EndEvent(const Actor& a, bool resetSand = true) {
    a.paint = 0;
    a.w.halted = 0;
    a.pose = 0;
    ResetCast();
    if (resetSand) DrawSandEffect(0, 0, 0, 0);
}

void CountUp(int& count, int limit) {
    if (count <= limit) count += 1;
}

// One push of a faller towards its limit, at most every 25 ms; the scrape
// sounds on the push that falls on counter soundAt.
void Push(Faller& f, float step, float limit, unsigned& pushTime, int c, int soundAt) {
    const bool nearSide = step > 0 ? f.x <= limit : f.x >= limit;
    if (!nearSide || g_Now - pushTime < 25) return;
    pushTime = g_Now;
    f.x += step;
    if (c == soundAt) PlayEffect(8);
}

// The faller lands in a cloud of sand; true once the cloud has settled.
bool Splash(int& n, int limit, const Faller& f) {
    if (n == 0) PlayEffect(7);
    if (n >= 1 && n <= 9) DrawSandEffect(f.x, f.y + 40, -1, 1);
    const bool done = n > 10;
    if (n < limit) n += 1;
    return done;
}

void GoalColumn() {
    Stage3State& s = g_Stage3;
    if (g_Now - s.goalStepTime < 250) return;
    s.goalStepTime = g_Now;
    static const ChipCode kGoal[4][2] = {{160, 176}, {161, 177}, {162, 178}, {163, 179}};
    SetCell(7, 0, kGoal[s.goalFrame][0]);
    SetCell(8, 0, kGoal[s.goalFrame][1]);
    s.goalFrame = (s.goalFrame + 1) % 4;
}

void ObstacleFlicker() {
    Stage3State& s = g_Stage3;
    if (s.obstacleState != 0 || g_Now - s.obstacleStepTime < 250) return;
    s.obstacleStepTime = g_Now;
    static const ChipCode kFrames[3][2] = {{57, 73}, {58, 74}, {59, 75}};
    SetCell(3, 10, kFrames[s.obstacleFrame][0]);
    SetCell(4, 10, kFrames[s.obstacleFrame][1]);
    s.obstacleFrame = (s.obstacleFrame + 1) % 3;
}

// Event 1: the hero blows away the flickering block at the long shelf's end.
void ObstacleEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = HeroActor();
    if (!(Green(a) && g_Hero.x + 32 == 320 && g_Hero.facing == 0 && s.obstacleState <= 1)) return;
    s.obstacleState = 1;
    int& c = s.count[0];
    BeginEvent(a, c);
    if (c >= 30 && g_Now - s.burnStepTime >= 150) {
        s.burnStepTime = g_Now;
        if (s.burnStep == 0) {
            SetCell(3, 10, 60);
            SetCell(4, 10, 76);
            s.burnStep = 1;
        } else {
            SetCell(3, 10, 0);
            SetCell(4, 10, 77);
            EndEvent(a, false);
            s.obstacleState = 2;
        }
    }
    CountUp(c, 70);
}

// Event 2: the hero blows faller 1 off the top-left shelf onto the long one.
void Faller1OffTopEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = HeroActor();
    if (!(Green(a) && g_Hero.x + 32 == 127 && g_Hero.y + 32 == 32 && g_Hero.facing == 0 && s.faller1State == 0))
        return;
    int& c = s.count[1];
    BeginEvent(a, c);
    Faller& f = Faller1();
    Push(f, 2, 160, s.pushTime1, c, 25);
    if (f.y + 32 == 128 && Splash(s.splashCount1, 30, f)) {
        EndEvent(a);
        s.faller1State = 1;
    }
    CountUp(c, 30);
}

// Event 3: walking back left, the hero blows faller 1 to the long shelf's end.
void Faller1BackEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = HeroActor();
    if (!(Green(a) && g_Hero.x == 195 && g_Hero.y + 32 == 128 && g_Hero.facing == 1 && s.faller1State == 1))
        return;
    s.splashCount1 = 0;
    int& c = s.count[2];
    BeginEvent(a, c);
    Faller& f = Faller1();
    if (c >= 31) Push(f, -2, 128, s.pushTime1, c, 35);
    if (f.x + 32 == 160) {
        EndEvent(a);
        s.faller1State = 2;
    }
    CountUp(c, 50);
}

// Event 4: faller 1 goes off the long shelf onto the bottom-left shelf.
void Faller1DownEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = HeroActor();
    if (!(Green(a) && g_Hero.x == 161 && g_Hero.y == 96 && g_Hero.facing == 1 && s.faller1State == 2)) return;
    int& c = s.count[3];
    BeginEvent(a, c);
    Faller& f = Faller1();
    Push(f, -2, 96, s.pushTime1, c, 25);
    if (f.y + 32 == 256 && Splash(s.splashCount1, 20, f)) {
        EndEvent(a);
        s.faller1State = 3;
    }
    CountUp(c, 30);
}

// Event 5: the hero blows faller 2 one block further along the middle shelf.
void Faller2HeroEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = HeroActor();
    if (!(Green(a) && g_Hero.x + 32 == 478 && g_Hero.y + 32 == 192 && g_Hero.facing == 0 && s.faller2State == 1))
        return;
    int& c = s.count[4];
    BeginEvent(a, c, 10);
    Faller& f = Faller2();
    Push(f, 2, 512, s.pushTime1, c, 15);
    if (f.x + 32 == 544) {
        EndEvent(a);
        s.faller2State = 2;
    }
    CountUp(c, 30);
}

// Events 6 and 7: the wide faller 3 goes off the middle shelf onto the small
// ledge; the partner's wind is half as strong as the hero's.
void Faller3Event(const Actor& a, int& c, float step, bool timeFirst) {
    Stage3State& s = g_Stage3;
    if (!(Green(a) && a.w.x == 385 && a.w.y + 32 == 192 && a.w.facing == 1 && s.faller3State == 0)) return;
    BeginEvent(a, c);
    Faller& f = Faller3();
    if (timeFirst) {
        if (g_Now - s.pushTime3 >= 25) {
            s.pushTime3 = g_Now;
            if (f.x >= 288) {
                f.x += step;
                if (c == 25) PlayEffect(8);
            }
        }
    } else {
        Push(f, step, 288, s.pushTime3, c, 25);
    }
    if (f.y + 32 == 288) {
        EndEvent(a);
        s.faller3State = 1;
    }
    CountUp(c, 30);
}

// Event 8: the partner blows faller 2 off the top-right shelf.
void Faller2OffTopEvent() {
    Stage3State& s = g_Stage3;
    const Actor a = PartnerActor();
    if (!(Green(a) && g_Partner.x == 545 && g_Partner.y + 32 == 64 && g_Partner.facing == 1 && s.faller2State == 0))
        return;
    int& c = s.count[7];
    BeginEvent(a, c);
    Faller& f = Faller2();
    Push(f, -2, 480, s.pushTime2, c, 25);
    if (f.y + 32 == 192 && Splash(s.splashCount2, 20, f)) {
        EndEvent(a);
        s.faller2State = 1;
    }
    CountUp(c, 30);
}

// Events 9 to 11: the partner blows faller 2 right along the middle shelf,
// one step each.
void Faller2PartnerEvent(int event, float triggerRight, int fromState, float limit) {
    Stage3State& s = g_Stage3;
    const Actor a = PartnerActor();
    if (!(Green(a) && g_Partner.x + 32 == triggerRight && g_Partner.y + 32 == 192 && g_Partner.facing == 0 &&
          s.faller2State == fromState))
        return;
    int& c = s.count[event - 1];
    BeginEvent(a, c);
    Faller& f = Faller2();
    if (c >= 31) Push(f, 2, limit, s.pushTime2, c, 35);
    if (f.x == limit) {
        EndEvent(a);
        s.faller2State = fromState + 1;
    }
    CountUp(c, 50);
}

bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

bool OverlapsAcross(const Walker& w, const Faller& f) { return w.x + 32 >= f.x && f.x + 32 >= w.x; }

void WalkerRules() {
    Stage3State& s = g_Stage3;
    Walker& h = g_Hero;
    Walker& p = g_Partner;
    const Faller& f1 = Faller1();
    const Faller& f2 = Faller2();
    const Faller& f3 = Faller3();

    // The blocks turn walkers that meet them at the same height; the wide
    // one turns them 14 pixels inside its picture.
    if (f1.x + 32 == h.x && h.y == f1.y) h.facing = 0;
    if (h.x + 32 == f1.x && h.y == f1.y) h.facing = 1;
    if (h.x + 32 == f2.x && h.y == f2.y) h.facing = 1;
    if (f3.x + 50 == h.x && h.y == f3.y) h.facing = 0;
    if (f2.x + 32 == p.x && p.y == f2.y) p.facing = 0;
    if (p.x + 32 == f2.x && p.y == f2.y) p.facing = 1;
    if (f3.x + 50 == p.x && p.y == f3.y) p.facing = 0;

    // Walkers ride on a block whose top is level with their feet.
    const bool heroOnF1 = InRange(f1.y, h.y, h.y + 16) && OverlapsAcross(h, f1);
    const bool heroOnF3 = InRange(h.y + 32, f3.y - 10, f3.y + 64) && h.x + 32 >= f3.x && h.x <= f3.x + 54;
    h.gravityOff = heroOnF1 || heroOnF3 ? 1 : 0;
    const bool partnerOnF2 = InRange(f2.y, p.y, p.y + 16) && OverlapsAcross(p, f2);
    const bool partnerOnF3 = InRange(p.y + 32, f3.y - 10, f3.y + 64) && p.x + 32 >= f3.x && p.x <= f3.x + 64;
    p.gravityOff = partnerOnF2 || partnerOnF3 ? 1 : 0;

    // The hero waits under faller 2 while it drops past him.
    if (InRange(h.x + 32, 352, 512) && InRange(f2.y + 32, 96, 159) && f2.y + 32 < 150) h.halted = 1;

    // Faller 1 lying on the bottom-left shelf pins the hero there for good.
    if (s.faller1State == 3 && h.y + 32 >= 235 && InRange(h.x, 64, 128)) {
        g_HeroQuad.v[0].u = g_HeroQuad.v[3].u = g_HeroColumnU;
        g_HeroQuad.v[1].u = g_HeroQuad.v[2].u = g_HeroColumnU + 0.125f;
        g_HeroQuad.v[0].v = g_HeroQuad.v[1].v = 0.625f;
        g_HeroQuad.v[2].v = g_HeroQuad.v[3].v = 0.6875f;
        h.halted = 1;
    }

    const bool heroHome = h.x >= 32 && h.x + 32 <= 64 && h.y >= 224 && h.y + 32 <= 256;
    const bool partnerHome = p.x >= 64 && p.x + 32 <= 96 && p.y >= 224 && p.y + 32 <= 256;
    if (h.y >= 200) s.heroWasLow = 1;
    MeetAtGoal(heroHome, partnerHome, false, s.heroWasLow == 1);
}

void Stage3Init() {
    for (int n = 0; n < 3; ++n) SetQuadColour(g_Fallers[3][n].quad, 0xFFFFFFFFu);
    g_WaveStripQuad = MakeQuad(0, 262, 640, 390, 0.0f, 0.0f, 1.0f, 0.25f);
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
    g_Stage3.splashCount1 = 0;
    g_Stage3.splashCount2 = 0;
}

void Stage3DrawObjects() {
    DrawQuad(kChipSheetSlot, kLooseChip);
    DrawStageFallers(3);
}

}  // namespace

void Stage3Script() {
    Stage3State& s = g_Stage3;
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset == 1) {
        s = Stage3State{};
        ResetCast();
    }
    GoalColumn();
    ObstacleFlicker();
    ObstacleEvent();
    Faller1OffTopEvent();
    Faller1BackEvent();
    Faller1DownEvent();
    Faller2HeroEvent();
    Faller3Event(HeroActor(), s.count[5], -2, false);
    Faller3Event(PartnerActor(), s.count[6], -1, true);
    Faller2OffTopEvent();
    Faller2PartnerEvent(9, 477, 1, 512);
    Faller2PartnerEvent(10, 511, 2, 544);
    Faller2PartnerEvent(11, 543, 3, 576);
    WalkerRules();
}

const StageScript kStage3Script = {Stage3Init, Stage3DrawObjects, Stage3Script};
