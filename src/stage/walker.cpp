#include "stage/walker.h"

#include <cmath>

#include "base/platform.h"
#include "stage/stage.h"
#include "stage/stage_state.h"

Faller g_Fallers[kStageCount + 1][kMaxFallers];

namespace {

bool SampleHits(int stage, float x, float y) { return IsSolid(CellAt(stage, x, y)); }

// The motion shared by walkers and fallers, on whichever record holds it.
struct Body {
    float& x;
    float& y;
    float& fallSpeed;
};

void ApplyGravity(Body b) {
    b.fallSpeed += 1.0f;
    if (b.fallSpeed > 1000.0f) b.fallSpeed = 5.0f;
    b.y += std::floor(b.fallSpeed);
}

// On a hit, a falling body is snapped to the top of its cell row and stops;
// a standing one only keeps its speed at 0 (it may overlap a wall while
// gravity is off without being moved).
void Land(Body b, bool hit) {
    if (!hit) return;
    // trunc(y) / 32 * 32 in integers, done in floats so no y can overflow.
    if (b.fallSpeed > 0.0f) b.y = std::trunc(b.y / kCellSize) * kCellSize;
    b.fallSpeed = 0.0f;
}

// Positions only: the sprite hangs 64 pixels down from the box's top.
void PlaceSprite(Quad& q, float x, float y, float width) {
    SetQuadRect(q, x, y, x + width, y + 64.0f);
}

int WalkerMode(const Walker& w, const WalkerRule& rule) {
    switch (rule.modeFrom) {
        case kModeOwn: return w.collisionMode;
        case kModeOfPartner: return g_Partner.collisionMode;
        default: return 0;
    }
}

void StepFallerBody(int stage, Body b, uint32_t& lastStep, Quad& quad, const FallerRule& rule) {
    const uint32_t now = g_Now;
    if (now - lastStep <= kStepIntervalMs) return;
    ApplyGravity(b);
    Land(b, BoxHitsMap(stage, b.x, b.y, rule.boxRight, rule.test));
    lastStep = now;
    PlaceSprite(quad, b.x, b.y, rule.quadWidth);
    // The coordinate a rule leaves alone belongs to the stage script, which
    // animates some fallers through it.
    if (rule.uvWrite == kUvOnlyU || rule.uvWrite == kUvBoth) {
        quad.v[0].u = quad.v[3].u = rule.u0;
        quad.v[1].u = quad.v[2].u = rule.u1;
    }
    if (rule.uvWrite == kUvOnlyV || rule.uvWrite == kUvBoth) {
        quad.v[0].v = quad.v[1].v = rule.v0;
        quad.v[2].v = quad.v[3].v = rule.v1;
    }
}

}  // namespace

bool BoxHitsMap(int stage, float x, float y, int right, BoxTest test) {
    if ((test.edges & kLeftEdge) && x < 0.0f) return true;
    if ((test.edges & kRightEdge) && x + 32.0f > float(kScreenW)) return true;
    const float r = float(right);
    switch (test.samples) {
        case kRightSide:
            return SampleHits(stage, x + r, y) || SampleHits(stage, x + r, y + 31.0f);
        case kLeftStrip:
            return SampleHits(stage, x, y) || SampleHits(stage, x + 5.0f, y) ||
                   SampleHits(stage, x + 5.0f, y + 31.0f) || SampleHits(stage, x, y + 31.0f);
        default:
            return SampleHits(stage, x, y) || SampleHits(stage, x + r, y) ||
                   SampleHits(stage, x + r, y + 31.0f) || SampleHits(stage, x, y + 31.0f);
    }
}

void StepWalker(int stage, Walker& w, Quad& sprite, const WalkerRule& rule) {
    const uint32_t now = g_Now;
    if (now - w.lastStep <= kStepIntervalMs) return;
    const BoxTest test = WalkerMode(w, rule) == 1 ? rule.mode1 : rule.mode0;
    auto hits = [&] { return BoxHitsMap(stage, w.x, w.y, 31, test); };
    // Right first: a walker bumping on the right is turned and at once moved
    // back, so it never overlaps; one bumping on the left ends a pixel inside.
    if (w.facing == 0 && !w.halted) {
        w.x += 1.0f;
        if (hits()) w.facing = 1;
    }
    if (w.facing == 1 && !w.halted) {
        w.x -= 1.0f;
        if (hits()) w.facing = 0;
    }
    w.lastStep = now;
    Body body{w.x, w.y, w.fallSpeed};
    if (!(rule.gated && w.gravityOff)) ApplyGravity(body);
    Land(body, hits());
    PlaceSprite(sprite, w.x, w.y, 31.0f);
}

void StepFaller(int stage, Faller& f, const FallerRule& rule) {
    StepFallerBody(stage, Body{f.x, f.y, f.fallSpeed}, f.lastStep, f.quad, rule);
}

void StepFaller(int stage, Walker& w, Quad& sprite, const FallerRule& rule) {
    StepFallerBody(stage, Body{w.x, w.y, w.fallSpeed}, w.lastStep, sprite, rule);
}

const FallerRule* FindFallerRule(int stage, int number) {
    if (stage < 1 || stage > kStageCount || number < 1 || number > StageFallerCount(stage)) return nullptr;
    return &StageOf(stage).fallers[number - 1];
}

int StageFallerCount(int stage) {
    if (stage < 1 || stage > kStageCount) return 0;
    int count = 0;
    while (count < kMaxFallers && StageOf(stage).fallers[count].quadWidth > 0) ++count;
    return count;
}

void StepHero(int stage) {
    if (stage < 1 || stage > kStageCount) return;
    StepWalker(stage, g_Hero, g_HeroQuad, StageOf(stage).heroRule);
}

void StepPartner(int stage) {
    if (stage < 1 || stage > kStageCount) return;
    const Stage& s = StageOf(stage);
    if (s.partnerStill) {
        StepFaller(stage, g_Partner, g_PartnerQuad, s.partnerFall);
    } else {
        StepWalker(stage, g_Partner, g_PartnerQuad, s.partnerRule);
    }
}

void StepStageFallers(int stage) {
    for (int n = 1; n <= StageFallerCount(stage); ++n) StepFaller(stage, g_Fallers[stage][n - 1], StageOf(stage).fallers[n - 1]);
}

void PlaceStageFallers(int stage) {
    for (int n = 1; n <= StageFallerCount(stage); ++n) {
        Faller& f = g_Fallers[stage][n - 1];
        f.x = StageOf(stage).fallers[n - 1].startX;
        f.y = StageOf(stage).fallers[n - 1].startY;
    }
}
