// Stage 7's events, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include <algorithm>

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage7 : public StageTest {
protected:
    Stage7() : StageTest(7, 0) {}
    void SetUp() override {
        StageTest::SetUp();
        Park(g_Hero);
        Park(g_Partner);
    }
    static void Park(Walker& w) { Place(w, 600, 300, 0); }
    static Faller& F(int n) { return g_Fallers[7][n - 1]; }
    static void Place(Walker& w, float x, float y, int facing, PaintColour& paint, PaintColour p) {
        StageTest::Place(w, x, y, facing);
        paint = p;
    }
    using StageTest::Place;
};

}  // namespace

TEST_F(Stage7, RedHeroStopsAtTheStoneOnePixelEarlierThanWindOrWater) {
    Place(g_Hero, 416, 128, 1, g_HeroPaint, kPaintRed);
    Run(5);
    EXPECT_EQ(g_Hero.halted, 0);
    g_Hero.x = 417;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    Place(g_Hero, 417, 128, 1, g_HeroPaint, kPaintBlue);
    Run(5);
    EXPECT_EQ(g_Hero.halted, 0);
    g_Hero.x = 416;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
}

TEST_F(Stage7, FireAtTheStoneWaitsWhileThePartnerWearsPaint) {
    Place(g_Hero, 417, 128, 1, g_HeroPaint, kPaintRed);
    g_PartnerPaint = kPaintGreen;
    Run(40);
    EXPECT_EQ(g_Stage7.eventTicks[2], 0);
    EXPECT_EQ(MapCell(7, 2, 12), 8);
    g_PartnerPaint = 0;
    Run(31);
    EXPECT_EQ(MapCell(7, 2, 12), 0);  // the ledge burns at n = 30
}

TEST_F(Stage7, BlockOnTheLedgeDropsThroughTheStoneWhenTheLedgeBurns) {
    Place(g_Hero, 319, 0, 0, g_HeroPaint, kPaintGreen);
    RunUntilSpent(g_HeroPaint, true);
    EXPECT_EQ(F(1).x, 386);
    EXPECT_EQ(F(1).y, 32);
    EXPECT_EQ(g_Stage7.blockState, 1);
    Place(g_Hero, 417, 128, 1, g_HeroPaint, kPaintRed);
    RunUntilSpent(g_HeroPaint, true);
    EXPECT_EQ(F(1).y, 128);
    EXPECT_EQ(MapCell(7, 4, 12), 0);
    EXPECT_EQ(MapCell(7, 5, 12), 77);
    EXPECT_EQ(g_Stage7.blockState, 2);
    EXPECT_EQ(g_Stage7.stoneState, 2);
    EXPECT_EQ(g_Hero.facing, 0);
    // Smashed by the block, the stone traps nobody.
    Place(g_Partner, 384, 96, 0, g_PartnerPaint, 0);
    Run(1);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage7, FireOnlyShakesTheTopBlock) {
    Place(g_Hero, 319, 0, 0, g_HeroPaint, kPaintRed);
    Run(30);
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.5f);
    Run(1);  // n = 30: the first picture
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.5f);
    Run(10);  // 150 ms later
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.625f);
    const int frames = RunUntilSpent(g_HeroPaint);
    EXPECT_EQ(frames, 6 * 10);  // six more steps 150 ms apart
    EXPECT_EQ(F(1).x, 352);
    EXPECT_EQ(g_Stage7.blockState, 0);
    EXPECT_EQ(g_Stage7.blockFrame, 0);
    EXPECT_EQ(g_Hero.halted, 0);
}

TEST_F(Stage7, AWalkerOnTheStoneIsTrappedForGood) {
    Place(g_Hero, 384, 96, 0, g_HeroPaint, 0);
    Run(1);
    EXPECT_EQ(g_HeroPaint, 4);
    EXPECT_EQ(g_Hero.halted, 1);
    Run(40);
    EXPECT_EQ(g_Stage7.heroTrapTicks, 21);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].u, 0.625f);
    // No event starts with the trap's paint.
    g_Hero.x = 416;
    g_Hero.y = 128;
    g_Hero.facing = 1;
    Run(40);
    EXPECT_EQ(g_Stage7.eventTicks[1] + g_Stage7.eventTicks[2] + g_Stage7.eventTicks[3], 0);
}

TEST_F(Stage7, PartnerWindClearsTheTallRockAfterFiftyTicksOnAnyUpperFloor) {
    Place(g_Partner, 183, 128, 0, g_PartnerPaint, kPaintGreen);
    Run(60);
    EXPECT_EQ(MapCell(7, 2, 6), 108);  // too low
    g_Partner.y = 32;
    Run(51);
    EXPECT_EQ(MapCell(7, 1, 6), 108 - 16);
    Run(1);
    EXPECT_EQ(MapCell(7, 1, 6), 0);
    EXPECT_EQ(MapCell(7, 2, 7), 0);
    EXPECT_EQ(MapCell(7, 3, 6), 7);
    EXPECT_EQ(MapCell(7, 3, 7), 7);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage7, WalkingLeftOnTheTopFloorStopsTheHeroLowUntilHePushesTheBlock) {
    g_Hero.x = 208;
    g_Hero.y = 0;
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_Stage7.heroStopLow, 1);
    g_Hero.x = 16;
    g_Hero.y = 128;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].v, 0.625f);
    Place(g_Hero, 319, 0, 0, g_HeroPaint, kPaintBlue);
    RunUntilSpent(g_HeroPaint, true);
    EXPECT_EQ(g_Stage7.heroStopLow, 0);
}

TEST_F(Stage7, ResetRewindsTheEventsAndWinNeedsBoth) {
    Place(g_Hero, 416, 128, 1, g_HeroPaint, kPaintGreen);
    RunUntilSpent(g_HeroPaint);
    EXPECT_EQ(g_Stage7.stoneState, 2);
    g_ScriptReset = 1;
    Stage7Script();
    g_ScriptReset = 0;
    EXPECT_EQ(g_Stage7.stoneState, 0);
    EXPECT_EQ(g_Stage7.eventTicks[1], 0);

    Park(g_Hero);
    g_Partner.x = 64;
    g_Partner.y = 256;
    g_Partner.facing = 1;
    Run(1);
    EXPECT_EQ(g_PartnerArrived, 1);
    EXPECT_EQ(g_StageCleared, 0);
    g_Hero.x = 32;
    g_Hero.y = 256;
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_HeroArrived, 0);  // the partner was first
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_StageCleared, 1);
    EXPECT_EQ(g_TimerPaused, 1);
}
