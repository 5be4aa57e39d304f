// The one way a stage script is written: a table of event rows run by the
// kit, plus the few helpers every stage shares. An event is a row: who acts,
// with which paint, facing which way, where; a ready test on the stage's
// state; the gesture the walker plays (fire, wind or water, placed by a small
// offsets record); and the consequence that runs on every tick of the event
// after the gesture, on cells, walkers and fallers.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "gfx/gfx.h"
#include "stage/chip_codes.h"
#include "stage/effects.h"
#include "stage/spray.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"

enum Who : uint8_t { kHero, kPartner };

// The walker an event acts on, with the paint and pose that belong to it.
struct Actor {
    Walker& w;
    PaintColour& paint;
    int& pose;
};
Actor ActorOf(int who);

// True once `interval` ms have passed since `last`, which then restarts.
bool Due(unsigned& last, unsigned interval);
// Counts n up while it is below limit.
void CountUp(int& n, int limit);
// The walker's box lies inside the cell whose top-left is (x, y).
bool At(const Walker& w, float x, float y);
// The fallers are not in the map, so the scripts turn the walkers at them: a
// walker meeting one on its row turns back, at the sides given; a wide
// faller's right side lies `width` right of its x.
enum FallerSide : uint8_t { kMeetLeft = 1, kMeetRight = 2, kMeetBoth = 3 };
void TurnAtFaller(Walker& w, const Faller& f, uint8_t sides = kMeetBoth, float width = 32);
// The walker stands on the faller: at most `depth` above its top, within a
// cell either side.
bool OnFaller(const Walker& w, const Faller& f, float depth = 16);
// A push of a faller by dx every 25 ms while `more` holds (the clock
// restarts either way); the scrape sounds on the push on tick soundAt.
void PushFaller(Faller& f, unsigned& timer, float dx, bool more, int n, int soundAt = 35);
// The walker sits down with the crouching picture and stays.
void StopLow(Walker& w, Quad& q, float columnU);
// Texture ranges of a sprite: u across, v down.
void SetU(Quad& q, float u0, float u1);
void SetV(Quad& q, float v0, float v1);
// A faller's picture row from v0 (a row is 1/16 of the sheet), and the
// faller seen whole again on its first row.
void SetFallerV(Faller& f, float v0);
void ShowFaller(Faller& f);
// Shows picture `frame` of a sprite's strip (rows down the sheet, or with
// alongU columns across) and counts on; false once all `frames` have shown.
bool NextPicture(Quad& q, int& frame, int frames, bool alongU = false);
// The picture rows of a block glowing hotter and cooling again.
constexpr float kGlowV[7] = {0, 0.0625f, 0.125f, 0.1875f, 0.125f, 0.0625f, 0};

// Pictures a finished event rewinds.
enum Rewind : uint8_t {
    kRewindSpark = 1,
    kRewindColumn = 2,
    kRewindColumn2 = 4,
    kRewindBig = 8,
    kRewindSand = 16,
    kRewindAll = 31,
};
void RewindPictures(uint8_t which);

// The start of every script's tick: the rings age; on a new try the stage's
// state starts afresh but for the members in `kept` (clocks that run on
// across a try), the rings age once more where ringsAgain, and the pictures
// in `rewind` rewind. True on a new try, for the stage to rewind the rest.
template <typename State, typename... Kept>
bool NewTry(State& s, uint8_t rewind, bool ringsAgain, Kept State::*... kept) {
    UpdateRingBursts(0, 0, 0);
    if (g_ScriptReset != 1) return false;
    State fresh{};
    ((fresh.*kept = s.*kept), ...);
    s = fresh;
    if (ringsAgain) UpdateRingBursts(0, 0, 0);
    RewindPictures(rewind);
    return true;
}

struct CellWrite {
    int8_t row, col;
    ChipCode code;
};
void SetCell(int stage, int row, int col, ChipCode code);
void SetCells(int stage, std::initializer_list<CellWrite> cells);
// A 2x2 picture whose top-left chip is `code` at (row, col).
void SetCells2x2(int stage, int row, int col, int code);

// A 2x2 block burning away: one of its four pictures from `first` (two chips
// apart) every `interval` ms, then its top row empties, its bottom row turns
// to `floor` and the event finishes.
struct BurnSite {
    int8_t row, col;
    ChipCode first, floor;
};
struct EventCtx;
void BurnAway(const EventCtx& c, int stage, const BurnSite& site, int& frame, unsigned& timer, unsigned interval);

// A flickering obstacle in one column (row, row + 1) that wind blows away:
// from tick `from` its low flame `low` shows for one step of `interval` ms,
// then it is gone, its bottom cell left as `rest`.
struct Obstacle {
    int stage;
    int8_t row, col;
    ChipCode low, rest;
    uint16_t interval;
    uint8_t from;
};
// The wind at it: state 1 while it blows, 2 once gone and the event
// finishes; true on the tick it goes.
bool BlowAway(const EventCtx& c, const Obstacle& o, int& state, int& step, unsigned& timer);
// It is gone at once: the event finishes, state 2.
void ObstacleGone(const EventCtx& c, const Obstacle& o, int& state);

// A plant picture two chips wide and `high` (2 or 3) tall, its top-left chip
// `top`. SetPlant fills the three rows up from `bottom` in columns col and
// col + 1 with it, empty above it; a plant with top 0 is cleared away and
// leaves `floor` on the bottom row.
struct Plant {
    uint8_t top, high;
};
void SetPlant(int stage, int bottom, int col, Plant plant, ChipCode floor = 0);

// Two cells of one column (row, row + 1) cycling through `frames` pictures,
// codes top + frame and bottom + frame, one every `interval` ms: goal
// columns, flickering flames and stones. `stopped` freezes it; with
// clockFirst the clock restarts even while it is frozen (it may be shared).
struct CellLoop {
    int8_t row, col;
    ChipCode top, bottom;
    uint8_t frames;
    uint16_t interval;
};
void AnimateLoop(int stage, const CellLoop& loop, int& frame, unsigned& time, bool stopped = false,
                 bool clockFirst = false);

// The meeting goal of stages 2 to 9: the first walker home waits, the second
// stops beside it, both home clears the stage. heroOnRight: the hero's place
// is right of the partner's. partnerMayTurn: a stage's extra condition on the
// waiting partner turning to the hero. sameRow: "beside" also needs the two
// on one row, where the other walker can pass the waiting one's x on another
// floor on the way down.
void ResetMeeting();  // nobody home yet: each meeting stage's init
void MeetAtGoal(bool heroHome, bool partnerHome, bool heroOnRight, bool partnerMayTurn = true,
                bool sameRow = false);

// Ring bursts on the second frame of an event's window: on a frame inside the
// window the gate counts up and `bursts` rings spawn at (x, y) when it is 1;
// on a frame outside it the gate rewinds.
void RingWindow(int& gate, bool inside, float x, float y, int bursts);


enum GestureKind : uint8_t { kFire, kWind, kWater };

// Where a gesture puts its pictures, relative to the walker, and the windows
// of the event's tick counter they show in. The defaults throw to the right.
struct Gesture {
    GestureKind kind = kFire;
    float sparkX = 0;     // spark at (x + sparkX, y)
    int sparkFacing = 1;  // 1 as stored, 0 mirrored
    float columnX = 0;    // column of light at (x + columnX, y - 64)
    float bigX = 32;      // big burst at (x + bigX, y); water's 16 lower
    int bigAfter = 20;
    // Fire: sparks [sparkFrom, sparkTo), ring A on ticks 11..12, the column
    // [columnFrom, columnTo) with its sound at columnSoundAt, ring B
    // [ringBFrom, ringBTo]; ringsFirst draws ring B before the column.
    int sparkFrom = 0, sparkTo = 15;
    int columnFrom = 15, columnTo = 20, columnSoundAt = 17, columnAlpha = 50;
    float ringAX = 48, ringAY = 48, ringBX = 48, ringBY = 0;
    int ringBFrom = 18, ringBTo = 20, rings = 1;
    bool ringsFirst = false;
    // Water: colour bursts at (x + burstX, y + burstY) on ticks 1..15,
    // twinkles from (x + twinkleX, y + twinkleY) on [15, twinkleTo) every
    // 30 ms, the splash sound at splashAt (before the big burst with
    // soundFirst).
    float burstX = 32, burstY = 32;
    float twinkleX = 16, twinkleY = -32, twinkleFall = 0.2f;
    int twinkleFade = 4, twinkleTo = 35, splashAt = 20;
    bool soundFirst = false;
    bool brightFirst = false;  // water's bright copies before the soft ones
};

// The standard throws of each kind to the right and (mirrored) to the left.
constexpr Gesture kFireRight = {.kind = kFire};
constexpr Gesture kFireLeft = {.kind = kFire, .sparkX = -64, .sparkFacing = 0, .columnX = -64, .bigX = -32,
                               .ringAX = -16, .ringBX = -16};
constexpr Gesture kWindRight = {.kind = kWind};
constexpr Gesture kWindLeft = {.kind = kWind, .sparkX = -64, .sparkFacing = 0, .columnX = -64, .bigX = -32};

// The ring gates the gestures of one stage share (A serves fire's first ring
// and water's bursts); they rewind with the stage's state.
struct RingGates {
    int a, b;
};

// Plays tick n of a gesture for walker w; twinkles: the event's own spray,
// passed every 30 ms of twinkleTime.
void PlayGesture(const Gesture& g, const Walker& w, int n, RingGates& gates, unsigned& twinkleTime,
                 SprayParticle* twinkles);

struct EventCtx;
using Consequence = void (*)(const EventCtx&);

constexpr float kAnyY = -1e9f, kLowestY = 1e9f;

// One event: who, paint, facing, the trigger place (x exact, y within
// [yFrom, yTo]), the gesture, the counter's limit, the ready test and the
// consequence; ticksOf: the row whose tick counter it shares (0: its own).
struct EventRow {
    Who who;
    PaintColour paint;
    uint8_t facing;
    float x, yFrom, yTo;
    const Gesture* gesture;
    int limit;
    bool (*ready)();
    Consequence act;
    uint8_t ticksOf = 0;
};

struct EventCtx {
    int event;
    Who who;
    Actor a;
    int& n;  // the event's tick counter; counted up after the consequence
    const Gesture& gesture;
};

// A stage's events: rows[1..count] (row 0 unused), one tick counter and one
// twinkle spray per row.
struct EventTable {
    const EventRow* rows;
    int count;
    int* ticks;
    SprayParticle (*twinkles)[20];
    RingGates& gates;
    unsigned& twinkleTime;
    bool ringsOnHold;  // the rings age once more as a walker takes the pose
    unsigned* twinkleTimes = nullptr;  // a twinkle clock per row instead of the shared one
};

// What every stage's state begins with: one tick counter per event (by
// number; 0 unused) and the ring gates its gestures share.
template <int N>
struct EventState {
    int eventTicks[N + 1];
    RingGates gates;
};

// A stage's table: its rows[1..M-1] with the counters and gates of its state.
template <int M>
constexpr EventTable EventsOf(const EventRow (&rows)[M], EventState<M - 1>& s, SprayParticle (*twinkles)[20],
                              unsigned& twinkleTime, bool ringsOnHold = false, unsigned* twinkleTimes = nullptr) {
    return {rows, M - 1, s.eventTicks, twinkles, s.gates, twinkleTime, ringsOnHold, twinkleTimes};
}

// Tries event e: when its walker stands at the place with the paint and the
// stage is ready, the walker holds, plays the gesture, the consequence runs
// and the counter counts up. True when it ran.
bool RunEvent(const EventTable& t, int e);
void RunEvents(const EventTable& t);

// The end of an event: the walker loses its paint and walks on; the kind's
// pictures and `extra` rewind.
void Finish(const EventCtx& c, uint8_t extra = 0);
// Finishes the event once `done`; returns done.
bool FinishIf(const EventCtx& c, bool done, uint8_t extra = 0);
void FinishActor(const Actor& a, GestureKind kind, uint8_t extra = 0);

// A block rocking or glowing in seven pictures, one every 150 ms from tick
// `from`: rows kGlowV of its sheet, or with alongU columns from u 0.5. After
// the seventh the event finishes (rewinding `extra` too) and the pictures
// start again; true then.
bool Shake(const EventCtx& c, Quad& q, unsigned& timer, int& step, bool alongU = false, int from = 30,
           uint8_t extra = 0);

// A faller lands in a cloud of sand: a thud on tick 0, the cloud on ticks
// [sandFrom, 10); true once it has settled (past tick 10).
bool Splash(int& n, int limit, const Faller& f, int sandFrom = 1);

// Rewinds the pictures and empties the sprays at the start of a try.
void ClearSprays(SprayParticle* sprays, int count);

// A cell loop a stage runs every tick, with its frame, its clock, whether it
// is stopped and whether its clock restarts even then (see AnimateLoop).
struct LoopRun {
    const CellLoop& loop;
    int& frame;
    unsigned& time;
    bool stopped = false;
    bool clockFirst = false;
};
// A stage's tick after NewTry, in its one order: the cell loops run, then the
// events are tried, then the stage's own rules for its walkers.
void RunTick(int stage, std::initializer_list<LoopRun> loops, const EventTable& t, void (*rules)());

// A stage's facts for tests (stage_scripts.h): each stage pairs every fact
// with its field of the state once, in a RelateFacts(facts, toFacts) of
// Relate calls, which FactsOf reads and ChangeFacts writes back through.
template <typename T>
void Relate(T& fact, T& field, bool toFact) {
    if (toFact) fact = field;
    else field = fact;
}
template <typename Facts>
Facts FactsOf(void (*relate)(Facts&, bool)) {
    Facts f{};
    relate(f, true);
    return f;
}
template <typename Facts>
void ChangeFacts(void (*relate)(Facts&, bool), void (*change)(Facts&)) {
    Facts f = FactsOf(relate);
    change(f);
    relate(f, false);
}
