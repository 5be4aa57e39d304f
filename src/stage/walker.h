// Walkers and fallers: the objects that move by themselves on a stage grid.
// Walkers walk one pixel per step, turn at walls and fall; fallers only fall.
#pragma once
#include <cstdint>

#include "gfx/gfx.h"
#include "stage/stage_map.h"

struct Walker {
    float x, y;          // top-left of the 32x32 collision box
    float fallSpeed;     // pixels added to y per step; 0 when standing
    int facing;          // 0 walking right, 1 walking left
    int halted;          // non-zero: no horizontal step (gravity still acts)
    int gravityOff;      // non-zero: no gravity, in the gated stages only
    int collisionMode;   // 0 or 1: box shape of the mode-switched hit tests
    uint32_t lastStep;   // g_Now of the last step
};

struct Faller {
    float x, y;
    float fallSpeed;
    uint32_t lastStep;
    // Sprite, 64 high, hanging from the box's top; opaque white at first so
    // that a stage init need only set positions and pictures.
    Quad quad = kWhiteQuad;
};

constexpr uint32_t kStepIntervalMs = 20;  // a step needs more than this
constexpr int kMaxFallers = 3;

// Which screen edges count as walls for a box test.
enum ScreenEdges : uint8_t {
    kNoEdges = 0,
    kLeftEdge = 1,    // x < 0
    kRightEdge = 2,   // x + 32 > 640
    kBothEdges = 3,
};

// Which points of the box a test samples against the grid (R = box right).
enum BoxSamples : uint8_t {
    kCorners,    // (x, y), (x+R, y), (x+R, y+31), (x, y+31)
    kRightSide,  // (x+R, y), (x+R, y+31): the left side passes through walls
    kLeftStrip,  // (x, y), (x+5, y), (x+5, y+31), (x, y+31): a 6-pixel sliver
};

struct BoxTest {
    uint8_t edges;    // ScreenEdges
    uint8_t samples;  // BoxSamples
};

// True when the box at (x, y), 32 high and right + 1 wide, touches a solid
// cell of grid k or a screen edge the test names. Edges first, then the
// samples in order; samples off the grid read as empty.
bool BoxHitsMap(int stage, float x, float y, int right, BoxTest test);

// Where a walker's hit test takes its collisionMode from.
enum ModeSource : uint8_t {
    kModeNone,       // always mode 0
    kModeOwn,        // the walker's own field
    kModeOfPartner,  // g_Partner's field (the stage-4 hero)
};

// A walker's stage-specific behaviour: its hit test in modes 0 and 1 and
// whether gravityOff switches its gravity off.
struct WalkerRule {
    BoxTest mode0, mode1;
    uint8_t modeFrom;  // ModeSource
    bool gated;
};

// Which texture coordinates a faller's step writes.
enum UvWrite : uint8_t { kUvNone, kUvOnlyU, kUvOnlyV, kUvBoth };

// A faller's stage-specific behaviour and start position.
struct FallerRule {
    float startX, startY;
    BoxTest test;
    int boxRight;           // R: 31, 63, or 64 for the one 65-pixel box
    float quadWidth;
    uint8_t uvWrite;        // UvWrite
    float u0, u1, v0, v1;   // u left..right, v top..bottom
};

// The fallers of each stage: g_Fallers[k][n - 1] is faller n of stage k.
extern Faller g_Fallers[kStageCount + 1][kMaxFallers];

// The rule of faller n of stage k, or nullptr if there is none.
const FallerRule* FindFallerRule(int stage, int number);
// Number of fallers stage k has (0..3).
int StageFallerCount(int stage);

// One step of a walker on grid k if more than 20 ms have passed since its
// last: walk and turn, gravity, landing snap, then the sprite's positions.
void StepWalker(int stage, Walker& w, Quad& sprite, const WalkerRule& rule);

// One step of a faller if more than 20 ms have passed since its last:
// gravity (never gated), landing snap, then the sprite's positions and the
// rule's texture coordinates.
void StepFaller(int stage, Faller& f, const FallerRule& rule);
// The same for a walker that only falls (stage 1's partner).
void StepFaller(int stage, Walker& w, Quad& sprite, const FallerRule& rule);

// The stage frame's calls, with the stage's own rules.
void StepHero(int stage);          // g_Hero → g_HeroQuad
void StepPartner(int stage);       // g_Partner → g_PartnerQuad
void StepStageFallers(int stage);  // faller 1, 2, 3 in turn
// Puts stage k's fallers at their start positions (x and y only: the stage
// init sets their pictures and colours).
void PlaceStageFallers(int stage);
