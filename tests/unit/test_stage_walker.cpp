// Walkers and fallers: walking, turning, gravity, landing and the hit tests.
#include <gtest/gtest.h>

#include <vector>

#include "base/platform.h"
#include "stage/stage.h"
#include "stage/stage_state.h"
#include "stage/walker.h"

namespace {

constexpr int kTestStage = 9;  // a grid the tests clear and build on

class StageWalkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int k = 0; k <= kStageCount; ++k) g_StageMap[k] = InitialGrid(k);
        savedHero_ = g_Hero;
        savedPartner_ = g_Partner;
        g_Now = 1000000;
    }
    void TearDown() override {
        for (int k = 0; k <= kStageCount; ++k) g_StageMap[k] = InitialGrid(k);
        g_Hero = savedHero_;
        g_Partner = savedPartner_;
    }

    // A walker ready to step now.
    static Walker At(float x, float y, int facing) {
        Walker w{};
        w.x = x;
        w.y = y;
        w.facing = facing;
        w.lastStep = g_Now - 1000;
        return w;
    }
    static void NextTick() { g_Now += kStepIntervalMs + 1; }
    static void Clear(int k) { g_StageMap[k].fill(0); }
    static void Wall(int k, int row, int col) { MapCell(k, row, col) = 2; }
    // A floor row across the grid under the walkers' row.
    static void Floor(int k, int row) {
        for (int c = 0; c < kMapCols; ++c) Wall(k, row, c);
    }

    Walker savedHero_{}, savedPartner_{};
    Quad sprite_ = kWhiteQuad;
};

// A plain walker of the test grid: both edges, four corners, gravity on.
const WalkerRule kPlain = {{kBothEdges, kCorners}, {kBothEdges, kCorners}, kModeNone, true};

}  // namespace

TEST_F(StageWalkerTest, WalksOnePixelPerStepAfterMoreThan20ms) {
    Clear(kTestStage);
    Floor(kTestStage, 6);
    Walker w = At(100, 160, 0);
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 101.0f);
    EXPECT_EQ(w.lastStep, g_Now);

    // 20 ms later nothing happens, the sprite included.
    const Quad before = sprite_;
    g_Now += 20;
    w.y = 170;  // a change the step would snap back
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 101.0f);
    EXPECT_EQ(w.y, 170.0f);
    EXPECT_EQ(sprite_.v[0].x, before.v[0].x);

    g_Now += 1;
    w.y = 160;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 102.0f);

    // The clock may wrap between steps.
    w.lastStep = 0xFFFFFFF0u;
    g_Now = 0x10;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 103.0f);
}

// Walls and the screen's edges turn a walker, each case two steps long.
TEST_F(StageWalkerTest, TurningAtWallsAndScreenEdges) {
    Clear(kTestStage);
    Floor(kTestStage, 6);
    Wall(kTestStage, 5, 6);  // x 192..223
    Wall(kTestStage, 5, 2);  // x 64..95
    struct Case {
        const char* what;
        float x;
        int facing;
        float x1;  // after the first step, facing the other way
        float x2;  // after the second
    } cases[] = {
        {"walking right into a wall: turned and moved back in the same step", 160, 0, 160, 159},
        {"walking left into a wall: one pixel inside it for a step", 96, 1, 95, 96},
        {"the left screen edge turns at -1", 0, 1, -1, 0},
        {"the right edge turns without letting a walker past 608", 608, 0, 608, 607},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Walker w = At(c.x, 160, c.facing);
        StepWalker(kTestStage, w, sprite_, kPlain);
        EXPECT_EQ(w.x, c.x1);
        EXPECT_EQ(w.facing, 1 - c.facing);
        EXPECT_EQ(w.y, 160.0f);
        EXPECT_EQ(sprite_.v[0].x, c.x1);
        NextTick();
        StepWalker(kTestStage, w, sprite_, kPlain);
        EXPECT_EQ(w.x, c.x2);
        EXPECT_EQ(w.facing, 1 - c.facing);
    }
}

TEST_F(StageWalkerTest, LeftBumpInMidAirSnapsToTheRowAndRestartsTheFall) {
    Clear(kTestStage);
    Wall(kTestStage, 3, 2);
    Wall(kTestStage, 4, 2);
    Walker w = At(96, 100, 1);
    w.fallSpeed = 6;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 95.0f);
    EXPECT_EQ(w.y, 96.0f);  // 100 + 7 = 107, truncated to the row
    EXPECT_EQ(w.fallSpeed, 0.0f);
    NextTick();
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 96.0f);
    EXPECT_EQ(w.y, 97.0f);  // falling again from speed 1
}

TEST_F(StageWalkerTest, HaltedWalkerOnlyFalls) {
    Clear(kTestStage);
    Walker w = At(100, 0, 0);
    w.halted = 1;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 100.0f);
    EXPECT_EQ(w.y, 1.0f);
}

TEST_F(StageWalkerTest, FallAcceleratesAndLandsOnARow) {
    Clear(kTestStage);
    Floor(kTestStage, 5);  // y 160
    Faller f{0, 0, 0, g_Now - 1000, kWhiteQuad};
    const FallerRule rule = {0, 0, {kNoEdges, kCorners}, 31, 32, kUvNone, 0, 0, 0, 0};
    std::vector<float> ys;
    for (int i = 0; i < 20 && (ys.empty() || f.fallSpeed != 0.0f); ++i) {
        StepFaller(kTestStage, f, rule);
        ys.push_back(f.y);
        NextTick();
    }
    const std::vector<float> expected = {1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66, 78, 91, 105, 120, 128};
    EXPECT_EQ(ys, expected);
    EXPECT_EQ(f.fallSpeed, 0.0f);

    // Standing: a pixel down and snapped back on every step.
    StepFaller(kTestStage, f, rule);
    EXPECT_EQ(f.y, 128.0f);
    EXPECT_EQ(f.fallSpeed, 0.0f);
}

TEST_F(StageWalkerTest, RunawayFallSpeedIsCapped) {
    Clear(kTestStage);
    Walker w = At(100, -5000, 0);
    w.halted = 1;
    w.fallSpeed = 1000;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.fallSpeed, 5.0f);
    EXPECT_EQ(w.y, -4995.0f);
}

TEST_F(StageWalkerTest, GravityOffHoldsHeightButStillTurns) {
    Clear(kTestStage);
    Wall(kTestStage, 3, 6);
    Walker w = At(160, 100, 0);
    w.gravityOff = 1;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.y, 100.0f);
    EXPECT_EQ(w.x, 160.0f);
    EXPECT_EQ(w.facing, 1);

    // Overlapping a wall while standing: no snap.
    w = At(190, 100, 1);
    w.gravityOff = 1;
    StepWalker(kTestStage, w, sprite_, kPlain);
    EXPECT_EQ(w.x, 189.0f);
    EXPECT_EQ(w.y, 100.0f);
    EXPECT_EQ(w.fallSpeed, 0.0f);

    // A rule without the gate ignores the flag.
    WalkerRule ungated = kPlain;
    ungated.gated = false;
    w = At(100, 0, 0);
    w.gravityOff = 1;
    StepWalker(kTestStage, w, sprite_, ungated);
    EXPECT_EQ(w.y, 1.0f);
}

TEST_F(StageWalkerTest, SpriteHangsFromTheBox) {
    Clear(kTestStage);
    Floor(kTestStage, 6);
    sprite_.v[0].u = 0.375f;
    Walker w = At(40, 160, 0);
    StepWalker(kTestStage, w, sprite_, kPlain);
    const float xs[4] = {41, 72, 72, 41}, ys[4] = {160, 160, 224, 224};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sprite_.v[i].x, xs[i]) << i;
        EXPECT_EQ(sprite_.v[i].y, ys[i]) << i;
    }
    EXPECT_EQ(sprite_.v[0].u, 0.375f);  // the paint code owns the picture
}

// What each stage's collision modes sample, one step each on a floor at row
// 6: stage 2 has a wall at x 128..159, stage 4 at x 192, stage 8 at x 64.
TEST_F(StageWalkerTest, CollisionModesOfTheStages) {
    for (int k : {2, 4, 6, 8}) {
        Clear(k);
        Floor(k, 6);
    }
    Wall(2, 5, 4);
    Wall(4, 5, 6);
    Wall(8, 5, 2);
    struct Case {
        const char* what;
        int stage;
        bool partner;  // else the hero
        float x;
        int facing, mode, partnerMode;
        float wantX;
        int wantFacing;
    } cases[] = {
        {"stage 2: the hero in mode 1 passes walls on his left", 2, false, 160, 1, 1, 0, 159, 1},
        {"stage 2: ... but the left screen edge still stops him", 2, false, 0, 1, 1, 0, -1, 0},
        {"stage 2: in mode 0 the same wall turns him", 2, false, 160, 1, 0, 0, 159, 0},
        {"stage 2: the partner in mode 1 feels a 6-pixel sliver: a wall at its right edge goes unnoticed", 2, true,
         96, 0, 1, 0, 97, 0},
        {"stage 2: ... and a wall in the sliver turns it", 2, true, 122, 0, 1, 0, 122, 1},
        {"stage 4: the hero reads the partner's mode 1", 4, false, 160, 0, 0, 1, 161, 0},
        {"stage 4: the hero reads the partner's mode 0", 4, false, 160, 0, 1, 0, 160, 1},
        {"stage 6: mode 1 drops the screen edges", 6, true, 0, 1, 1, 0, -1, 1},
        {"stage 8: mode 1 samples only the right side", 8, false, 96, 1, 1, 0, 95, 1},
        {"stage 8: ... and no screen edge", 8, false, 32, 0, 1, 0, 32, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Walker w = At(c.x, 160, c.facing);
        w.collisionMode = c.mode;
        g_Partner.collisionMode = c.partnerMode;
        StepWalker(c.stage, w, sprite_, c.partner ? StageOf(c.stage).partnerRule : StageOf(c.stage).heroRule);
        EXPECT_EQ(w.x, c.wantX);
        EXPECT_EQ(w.facing, c.wantFacing);
    }
}

TEST_F(StageWalkerTest, RightSamplesWrapIntoTheNextRow) {
    Clear(kTestStage);
    const BoxTest mapOnly = {kNoEdges, kCorners};
    Wall(kTestStage, 4, 0);  // column 0 of the row below row 3
    // A box at x 609 samples x 640: "column 20" of row 3 is row 4, column 0.
    EXPECT_TRUE(BoxHitsMap(kTestStage, 609, 96, 31, mapOnly));
    EXPECT_FALSE(BoxHitsMap(kTestStage, 608, 96, 31, mapOnly));
    // In the last row there is no next row: empty.
    Clear(kTestStage);
    EXPECT_FALSE(BoxHitsMap(kTestStage, 620, 448, 31, mapOnly));
    // Below the grid and far left: empty, no read outside the map.
    EXPECT_FALSE(BoxHitsMap(kTestStage, 100, 470, 31, mapOnly));
    EXPECT_FALSE(BoxHitsMap(kTestStage, 100, 5000, 31, mapOnly));
    EXPECT_FALSE(BoxHitsMap(kTestStage, -200, 100, 31, mapOnly));
}

TEST_F(StageWalkerTest, WideBoxesSampleTheirRightEdge) {
    Clear(6);
    Clear(3);
    Wall(6, 3, 8);  // x 256
    Wall(3, 3, 8);
    const FallerRule* wide65 = FindFallerRule(6, 2);
    const FallerRule* wide64 = FindFallerRule(3, 3);
    ASSERT_NE(wide65, nullptr);
    ASSERT_NE(wide64, nullptr);
    // A wall that starts right at the picture's right edge (x + 64).
    EXPECT_TRUE(BoxHitsMap(6, 192, 96, wide65->boxRight, wide65->test));
    EXPECT_FALSE(BoxHitsMap(3, 192, 96, wide64->boxRight, wide64->test));
    EXPECT_TRUE(BoxHitsMap(3, 193, 96, wide64->boxRight, wide64->test));
}

TEST_F(StageWalkerTest, FallerStepWritesItsPictureCoordinates) {
    Clear(kTestStage);
    Floor(kTestStage, 6);
    const FallerRule onlyU = {0, 0, {kNoEdges, kCorners}, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0};
    Faller f{100, 160, 0, g_Now - 1000, kWhiteQuad};
    SetQuadUV(f.quad, 0, 0.25f, 0, 0.3125f);  // the script's picture row
    StepFaller(kTestStage, f, onlyU);
    EXPECT_EQ(f.quad.v[1].x, 164.0f);
    EXPECT_EQ(f.quad.v[2].y, 224.0f);
    EXPECT_EQ(f.quad.v[0].u, 0.75f);
    EXPECT_EQ(f.quad.v[2].u, 1.0f);
    EXPECT_EQ(f.quad.v[0].v, 0.25f);
    EXPECT_EQ(f.quad.v[3].v, 0.3125f);

    const FallerRule* onlyV = FindFallerRule(6, 3);
    ASSERT_NE(onlyV, nullptr);
    SetQuadUV(f.quad, 0.125f, 0, 0.25f, 0);
    NextTick();
    StepFaller(6, f, *onlyV);
    EXPECT_EQ(f.quad.v[1].u, 0.25f);
    EXPECT_EQ(f.quad.v[0].v, 0.875f);
    EXPECT_EQ(f.quad.v[2].v, 0.9375f);

    // A gate of 20 ms applies to fallers too.
    g_Now += 20;
    f.y = 150;
    StepFaller(6, f, *onlyV);
    EXPECT_EQ(f.y, 150.0f);
}

TEST_F(StageWalkerTest, StageFallersRestWhereTheyStart) {
    const int expectedCounts[kStageCount + 1] = {0, 1, 1, 3, 2, 2, 3, 2, 1, 2};
    for (int k = 1; k <= kStageCount; ++k) {
        ASSERT_EQ(StageFallerCount(k), expectedCounts[k]) << "stage " << k;
        PlaceStageFallers(k);
        for (int n = 1; n <= StageFallerCount(k); ++n) {
            const FallerRule* rule = FindFallerRule(k, n);
            ASSERT_NE(rule, nullptr) << "stage " << k << " faller " << n;
            Faller& f = g_Fallers[k][n - 1];
            EXPECT_EQ(f.x, rule->startX);
            EXPECT_FALSE(BoxHitsMap(k, f.x, f.y, rule->boxRight, rule->test))
                << "stage " << k << " faller " << n << " starts inside a wall";
            f.fallSpeed = 0;
            f.lastStep = g_Now - 1000;
            StepFaller(k, f, *rule);
            EXPECT_EQ(f.y, rule->startY) << "stage " << k << " faller " << n << " does not rest";
        }
    }
    EXPECT_EQ(FindFallerRule(1, 2), nullptr);
    EXPECT_EQ(FindFallerRule(0, 1), nullptr);
}

TEST_F(StageWalkerTest, Stage1HeroPacesBetweenThePostAndTheEdge) {
    g_Hero = At(0, 160, 0);
    g_Hero.halted = 0;
    int steps = 0;
    while (g_Hero.facing == 0 && steps < 1000) {
        StepHero(1);
        NextTick();
        ++steps;
    }
    EXPECT_EQ(g_Hero.x, 160.0f);  // right against the post at column 6
    EXPECT_EQ(g_Hero.y, 160.0f);
    EXPECT_EQ(g_HeroQuad.v[1].x, 191.0f);
    while (g_Hero.facing == 1 && steps < 2000) {
        StepHero(1);
        NextTick();
        ++steps;
    }
    EXPECT_EQ(g_Hero.x, -1.0f);
    EXPECT_EQ(g_Hero.y, 160.0f);
    StepHero(1);
    EXPECT_EQ(g_Hero.x, 0.0f);
}

TEST_F(StageWalkerTest, Stage1PartnerOnlyFalls) {
    g_Partner = At(576, 128, 0);  // facing right, not halted: still stands
    StepPartner(1);
    EXPECT_EQ(g_Partner.x, 576.0f);
    EXPECT_EQ(g_Partner.y, 128.0f);
    EXPECT_EQ(g_PartnerQuad.v[1].x, 607.0f);
    // With its ledge gone it falls to the floor of row 8.
    for (int c = 15; c < 20; ++c) MapCell(1, 5, c) = 0;
    for (int i = 0; i < 40; ++i) {
        NextTick();
        StepPartner(1);
    }
    EXPECT_EQ(g_Partner.y, 224.0f);
    EXPECT_EQ(g_Partner.x, 576.0f);
}

TEST_F(StageWalkerTest, UnknownStagesStepNothing) {
    g_Hero = At(10, 10, 0);
    StepHero(0);
    StepHero(10);
    StepPartner(-1);
    StepStageFallers(11);
    PlaceStageFallers(0);
    EXPECT_EQ(g_Hero.x, 10.0f);
}
