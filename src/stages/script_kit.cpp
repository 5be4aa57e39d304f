// The stage scripts' kit: the event runner, the gestures and the helpers
// every stage shares.
#include "stages/script_kit.h"

#include <algorithm>

#include "base/platform.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"

Actor ActorOf(int who) {
    if (who == kHero) return {g_Hero, g_HeroPaint, g_HeroPose};
    return {g_Partner, g_PartnerPaint, g_PartnerPose};
}

bool Due(unsigned& last, unsigned interval) {
    if (g_Now - last < interval) return false;
    last = g_Now;
    return true;
}

void CountUp(int& n, int limit) {
    if (n < limit) n += 1;
}

bool At(const Walker& w, float x, float y) { return w.x >= x && w.x + 32 <= x + 32 && w.y >= y && w.y + 32 <= y + 32; }

void StopLow(Walker& w, Quad& q, float columnU) {
    SetQuadUV(q, columnU, 0.625f, columnU + 0.125f, 0.6875f);
    w.halted = 1;
}

void PushFaller(Faller& f, unsigned& timer, float dx, bool more, int n, int soundAt) {
    if (!Due(timer, 25) || !more) return;
    f.x += dx;
    if (n == soundAt) PlayEffect(kSoundScrape);
}

void TurnAtFaller(Walker& w, const Faller& f, uint8_t sides, float width) {
    if (w.y != f.y) return;
    if ((sides & kMeetLeft) && w.x + 32 == f.x) w.facing = 1;
    if ((sides & kMeetRight) && f.x + width == w.x) w.facing = 0;
}

bool OnFaller(const Walker& w, const Faller& f, float depth) {
    return f.y - depth <= w.y && w.y <= f.y && f.x - 32 <= w.x && w.x <= f.x + 32;
}

void SetU(Quad& q, float u0, float u1) {
    q.v[0].u = q.v[3].u = u0;
    q.v[1].u = q.v[2].u = u1;
}

void SetV(Quad& q, float v0, float v1) {
    q.v[0].v = q.v[1].v = v0;
    q.v[2].v = q.v[3].v = v1;
}

void SetFallerV(Faller& f, float v0) { SetV(f.quad, v0, v0 + 0.0625f); }

bool NextPicture(Quad& q, int& frame, int frames, bool alongU) {
    if (frame >= frames) return false;
    if (alongU) {
        const float u0 = 0.125f * float(frame);
        SetU(q, u0, u0 + 0.125f);
    } else {
        SetV(q, 0.0625f * float(frame), 0.0625f * float(frame) + 0.0625f);
    }
    frame += 1;
    return true;
}

void ShowFaller(Faller& f) {
    SetQuadColour(f.quad, 0xFFFFFFFFu);
    SetFallerV(f, 0);
}

void SetCell(int stage, int row, int col, ChipCode code) { MapCell(stage, row, col) = code; }

void SetCells(int stage, std::initializer_list<CellWrite> cells) {
    for (const CellWrite& c : cells) MapCell(stage, c.row, c.col) = c.code;
}

void SetCells2x2(int stage, int row, int col, int code) {
    MapCell(stage, row, col) = ChipCode(code);
    MapCell(stage, row, col + 1) = ChipCode(code + 1);
    MapCell(stage, row + 1, col) = ChipCode(code + kChipBelow);
    MapCell(stage, row + 1, col + 1) = ChipCode(code + kChipBelow + 1);
}

void BurnAway(const EventCtx& c, int stage, const BurnSite& site, int& frame, unsigned& timer, unsigned interval) {
    if (!Due(timer, interval)) return;
    if (frame < 4) {
        SetCells2x2(stage, site.row, site.col, site.first + 2 * frame);
        frame += 1;
        return;
    }
    for (int k = 0; k < 2; ++k) {
        MapCell(stage, site.row, site.col + k) = 0;
        MapCell(stage, site.row + 1, site.col + k) = site.floor;
    }
    Finish(c);
}

bool BlowAway(const EventCtx& c, const Obstacle& o, int& state, int& step, unsigned& timer) {
    state = 1;
    if (c.n < o.from || !Due(timer, o.interval)) return false;
    if (step == 0) {
        MapCell(o.stage, o.row, o.col) = o.low;
        MapCell(o.stage, o.row + 1, o.col) = ChipCode(o.low + kChipBelow);
        step = 1;
        return false;
    }
    ObstacleGone(c, o, state);
    return true;
}

void ObstacleGone(const EventCtx& c, const Obstacle& o, int& state) {
    MapCell(o.stage, o.row, o.col) = 0;
    MapCell(o.stage, o.row + 1, o.col) = o.rest;
    Finish(c);
    state = 2;
}

void SetPlant(int stage, int bottom, int col, Plant plant, ChipCode floor) {
    for (int r = 0; r < 3; ++r) {
        const int level = plant.high - 1 - r;  // the picture's chip row, from its top
        int left = 0, right = 0;
        if (plant.top != 0 && level >= 0) {
            left = plant.top + kChipBelow * level;
            right = left + 1;
        } else if (r == 0) {
            left = right = floor;
        }
        MapCell(stage, bottom - r, col) = ChipCode(left);
        MapCell(stage, bottom - r, col + 1) = ChipCode(right);
    }
}

void AnimateLoop(int stage, const CellLoop& loop, int& frame, unsigned& time, bool stopped, bool clockFirst) {
    if (!clockFirst && stopped) return;
    if (!Due(time, loop.interval) || stopped) return;
    SetCell(stage, loop.row, loop.col, ChipCode(loop.top + frame));
    SetCell(stage, loop.row + 1, loop.col, ChipCode(loop.bottom + frame));
    frame = (frame + 1) % loop.frames;
}

// The goal shared by the stages where the two walkers meet at a place: the
// first one home waits facing the way the other comes; when the other stands
// right beside it, the waiting one turns and the newcomer stops; both home
// clears the stage.
void ResetMeeting() {
    g_HeroArrived = 0;
    g_PartnerArrived = 0;
}

void MeetAtGoal(bool heroHome, bool partnerHome, bool heroOnRight, bool partnerMayTurn, bool sameRow) {
    const int wait = heroOnRight ? 1 : 0;
    const bool beside = (heroOnRight ? g_Partner.x + 32 == g_Hero.x : g_Hero.x + 32 == g_Partner.x) &&
                        (!sameRow || g_Hero.y == g_Partner.y);
    if (heroHome && g_PartnerArrived == 0) {
        g_Hero.halted = 1;
        g_Hero.facing = wait;
        g_HeroArrived = 1;
    }
    if (partnerHome && g_HeroArrived == 0) {
        g_Partner.halted = 1;
        g_Partner.facing = wait;
        g_PartnerArrived = 1;
    }
    if (beside && g_HeroArrived == 1 && g_Hero.facing == wait) {
        g_Hero.facing = 1 - wait;
        g_Partner.halted = 1;
    }
    if (beside && partnerMayTurn && g_PartnerArrived == 1 && g_Partner.facing == wait) {
        g_Partner.facing = 1 - wait;
        g_Hero.halted = 1;
    }
    if (heroHome && partnerHome) {
        g_TimerPaused = 1;
        g_StageCleared = 1;
    }
}

void RingWindow(int& gate, bool inside, float x, float y, int bursts) {
    if (!inside) {
        gate = 0;
        return;
    }
    if (gate == 1)
        for (int i = 0; i < bursts; ++i) UpdateRingBursts(x, y, 1);
    gate += 1;
}

void RewindPictures(uint8_t which) {
    if (which & kRewindColumn) DrawColumnEffect(0, 0, 0, 0);
    if (which & kRewindSpark) DrawSparkEffect(0, 0, 0, 0, 0, 0);
    if (which & kRewindBig) DrawBigEffect(0, 0, 0, 0, 0);
    if (which & kRewindColumn2) DrawColumnEffect2(0, 0, 0, 0);
    if (which & kRewindSand) DrawSandEffect(0, 0, 0, 0);
}

namespace {

void FireGesture(const Gesture& g, float x, float y, int n, RingGates& gates) {
    if (n >= g.sparkFrom && n < g.sparkTo) {
        DrawSparkEffect(x + g.sparkX, y, 128, 1, g.sparkFacing, 0);
        DrawSparkEffect(x + g.sparkX, y, -1, 1, g.sparkFacing, 0);
    }
    if (n == 1) PlayEffect(kSoundThrow);
    RingWindow(gates.a, n >= 11 && n <= 12, x + g.ringAX, y + g.ringAY, g.rings);
    auto ringB = [&] {
        RingWindow(gates.b, n >= g.ringBFrom && n <= g.ringBTo, x + g.ringBX, y + g.ringBY, g.rings);
    };
    if (g.ringsFirst) ringB();
    if (n >= g.columnFrom && n < g.columnTo) {
        DrawColumnEffect(x + g.columnX, y - 64, g.columnAlpha, 1);
        DrawColumnEffect(x + g.columnX, y - 64, -1, 1);
    }
    if (n == g.columnSoundAt) PlayEffect(kSoundBurst);
    if (!g.ringsFirst) ringB();
    if (n > g.bigAfter) {
        DrawBigEffect(x + g.bigX, y, 70, 1, 0);
        DrawBigEffect(x + g.bigX, y, -1, 1, 0);
    }
}

void WindGesture(const Gesture& g, float x, float y, int n) {
    if (n >= 0 && n < 30) {
        DrawSparkEffect(x + g.sparkX, y, 100, 1, g.sparkFacing, 2);
        DrawSparkEffect(x + g.sparkX, y, -1, 1, g.sparkFacing, 2);
    }
    if (n == 1) PlayEffect(kSoundThrow);
    if (n >= 10 && n < 20) {
        DrawColumnEffect2(x + g.columnX, y - 64, 70, 1);
        DrawColumnEffect2(x + g.columnX, y - 64, -1, 1);
    }
    if (n == 13) PlayEffect(kSoundWind);
    if (n > g.bigAfter) {
        DrawBigEffect(x + g.bigX, y, 70, 1, 2);
        DrawBigEffect(x + g.bigX, y, -1, 1, 2);
    }
}

void WaterGesture(const Gesture& g, float x, float y, int n, RingGates& gates, unsigned& twinkleTime,
                  SprayParticle* twinkles) {
    if (n >= 0 && n < 15) {
        DrawSparkEffect(x + g.sparkX, y, -1, 1, g.sparkFacing, 1);
        DrawSparkEffect(x + g.sparkX, y, 128, 1, g.sparkFacing, 1);
    }
    if (n == 1) PlayEffect(kSoundThrow);
    // Two rings of drops on the window's second tick.
    if (n >= 1 && n <= 15) {
        if (gates.a == 1) {
            SpawnColourBurst(x + g.burstX, y + g.burstY, 1, 3, 1);
            SpawnColourBurst(x + g.burstX, y + g.burstY, 1, 3, 1);
        }
        gates.a += 1;
    } else {
        gates.a = 0;
    }
    if (n >= 15 && n < g.twinkleTo && Due(twinkleTime, 30))
        UpdateSpray(twinkles, 20, DrawTwinkle, 0, g.twinkleFall, g.twinkleFade, x + g.twinkleX, y + g.twinkleY, 60,
                    60);
    if (g.soundFirst && n == g.splashAt) PlayEffect(kSoundSplash);
    if (n > g.bigAfter) {
        DrawBigEffect(x + g.bigX, y + 16, g.brightFirst ? -1 : 70, 1, 1);
        DrawBigEffect(x + g.bigX, y + 16, g.brightFirst ? 70 : -1, 1, 1);
    }
    if (!g.soundFirst && n == g.splashAt) PlayEffect(kSoundSplash);
}

}  // namespace

void PlayGesture(const Gesture& g, const Walker& w, int n, RingGates& gates, unsigned& twinkleTime,
                 SprayParticle* twinkles) {
    switch (g.kind) {
        case kFire: FireGesture(g, w.x, w.y, n, gates); break;
        case kWind: WindGesture(g, w.x, w.y, n); break;
        case kWater: WaterGesture(g, w.x, w.y, n, gates, twinkleTime, twinkles); break;
    }
}

bool RunEvent(const EventTable& t, int e) {
    const EventRow& row = t.rows[e];
    const Actor a = ActorOf(row.who);
    if (a.paint != row.paint || a.w.facing != row.facing || a.w.x != row.x) return false;
    if (a.w.y < row.yFrom || a.w.y > row.yTo) return false;
    if (row.ready && !row.ready()) return false;
    int& n = t.ticks[row.ticksOf ? row.ticksOf : e];
    a.w.halted = 1;
    if (t.ringsOnHold) UpdateRingBursts(0, 0, 0);
    a.pose = 2;
    unsigned& twinkleTime = t.twinkleTimes ? t.twinkleTimes[e] : t.twinkleTime;
    PlayGesture(*row.gesture, a.w, n, t.gates, twinkleTime, t.twinkles ? t.twinkles[e] : nullptr);
    if (row.act) row.act({e, row.who, a, n, *row.gesture});
    CountUp(n, row.limit);
    return true;
}

void RunEvents(const EventTable& t) {
    for (int e = 1; e <= t.count; ++e) RunEvent(t, e);
}

namespace {
constexpr uint8_t kDrawnBy[3] = {kRewindColumn | kRewindSpark | kRewindBig, kRewindSpark | kRewindBig | kRewindColumn2,
                                 kRewindSpark | kRewindBig};
}

void FinishActor(const Actor& a, GestureKind kind, uint8_t extra) {
    a.paint = 0;
    a.w.halted = 0;
    a.pose = 0;
    RewindPictures(uint8_t(kDrawnBy[kind] | extra));
}

void Finish(const EventCtx& c, uint8_t extra) { FinishActor(c.a, c.gesture.kind, extra); }

bool FinishIf(const EventCtx& c, bool done, uint8_t extra) {
    if (done) Finish(c, extra);
    return done;
}

bool Shake(const EventCtx& c, Quad& q, unsigned& timer, int& step, bool alongU, int from, uint8_t extra) {
    static const float kU[7] = {0.5f, 0.625f, 0.75f, 0.875f, 0.75f, 0.625f, 0.5f};
    if (c.n < from || !Due(timer, 150)) return false;
    if (step < 7) {
        if (alongU)
            SetU(q, kU[step], kU[step] + 0.125f);
        else
            SetV(q, kGlowV[step], kGlowV[step] + 0.0625f);
        step += 1;
        return false;
    }
    Finish(c, extra);
    step = 0;
    return true;
}

bool Splash(int& n, int limit, const Faller& f, int sandFrom) {
    if (n == 0) PlayEffect(kSoundThud);
    if (n >= sandFrom && n < 10) DrawSandEffect(f.x, f.y + 40, -1, 1);
    const bool done = n > 10;
    CountUp(n, limit);
    return done;
}

void RunTick(int stage, std::initializer_list<LoopRun> loops, const EventTable& t, void (*rules)()) {
    for (const LoopRun& l : loops) AnimateLoop(stage, l.loop, l.frame, l.time, l.stopped, l.clockFirst);
    RunEvents(t);
    rules();
}

void ClearSprays(SprayParticle* sprays, int count) { std::fill(sprays, sprays + count, SprayParticle{}); }
