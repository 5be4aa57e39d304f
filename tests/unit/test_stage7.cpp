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
    Stage7() : StageTest(7, 0, true) {}
};

}  // namespace

TEST_F(Stage7, RedHeroStopsAtTheStoneOnePixelEarlierThanWindOrWater) {
    const struct {
        PaintColour paint;
        float passes, stops;
    } kCases[] = {{kPaintRed, 416, 417}, {kPaintBlue, 417, 416}};
    for (const auto& k : kCases) {
        Place(g_Hero, k.passes, 128, 1, k.paint);
        Run(5);
        EXPECT_EQ(g_Hero.halted, 0);
        g_Hero.x = k.stops;
        Run(1);
        EXPECT_EQ(g_Hero.halted, 1);
    }
}

TEST_F(Stage7, FireAtTheStoneWaitsWhileThePartnerWearsPaint) {
    Place(g_Hero, 417, 128, 1, kPaintRed);
    g_PartnerPaint = kPaintGreen;
    Run(40);
    EXPECT_EQ(EventTicks(7, 2), 0);
    EXPECT_EQ(MapCell(7, 2, 12), 8);
    g_PartnerPaint = 0;
    Run(31);
    EXPECT_EQ(MapCell(7, 2, 12), 0);  // the ledge burns at n = 30
}

TEST_F(Stage7, BlockOnTheLedgeDropsThroughTheStoneWhenTheLedgeBurns) {
    Place(g_Hero, 319, 0, 0, kPaintGreen);
    RunUntilSpent(g_HeroPaint, true);
    ExpectAt(F(1), 386, 32);
    EXPECT_EQ(Stage7Now().blockState, 1);
    Place(g_Hero, 417, 128, 1, kPaintRed);
    RunUntilSpent(g_HeroPaint, true);
    EXPECT_EQ(F(1).y, 128);
    ExpectCells(7, {{4, 12, 0}, {5, 12, 77}});
    EXPECT_EQ(Stage7Now().blockState, 2);
    EXPECT_EQ(Stage7Now().stoneState, 2);
    EXPECT_EQ(g_Hero.facing, 0);
    // Smashed by the block, the stone traps nobody.
    Place(g_Partner, 384, 96, 0, 0);
    Run(1);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage7, FireOnlyShakesTheTopBlock) {
    Place(g_Hero, 319, 0, 0, kPaintRed);
    Run(30);
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.5f);
    Run(1);  // n = 30: the first picture
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.5f);
    Run(10);  // 150 ms later
    EXPECT_FLOAT_EQ(F(1).quad.v[0].u, 0.625f);
    const int frames = RunUntilSpent(g_HeroPaint);
    EXPECT_EQ(frames, 6 * 10);  // six more steps 150 ms apart
    EXPECT_EQ(F(1).x, 352);
    EXPECT_EQ(Stage7Now().blockState, 0);
    EXPECT_EQ(Stage7Now().blockFrame, 0);
    EXPECT_EQ(g_Hero.halted, 0);
}

TEST_F(Stage7, AWalkerOnTheStoneIsTrappedForGood) {
    Place(g_Hero, 384, 96, 0, 0);
    Run(1);
    EXPECT_EQ(g_HeroPaint, 4);
    EXPECT_EQ(g_Hero.halted, 1);
    Run(40);
    EXPECT_EQ(Stage7Now().heroTrapTicks, 21);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].u, 0.625f);
    // No event starts with the trap's paint.
    Place(g_Hero, 416, 128, 1);
    Run(40);
    EXPECT_EQ(EventTicks(7, 1) + EventTicks(7, 2) + EventTicks(7, 3), 0);
}

TEST_F(Stage7, PartnerWindClearsTheTallRockAfterFiftyTicksOnAnyUpperFloor) {
    Place(g_Partner, 183, 128, 0, kPaintGreen);
    Run(60);
    EXPECT_EQ(MapCell(7, 2, 6), 108);  // too low
    g_Partner.y = 32;
    Run(51);
    EXPECT_EQ(MapCell(7, 1, 6), 108 - 16);
    Run(1);
    ExpectCells(7, {{1, 6, 0}, {2, 7, 0}, {3, 6, 7}, {3, 7, 7}});
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage7, WalkingLeftOnTheTopFloorStopsTheHeroLowUntilHePushesTheBlock) {
    Place(g_Hero, 208, 0, 1);
    Run(1);
    EXPECT_EQ(Stage7Now().heroStopLow, 1);
    g_Hero.x = 16;
    g_Hero.y = 128;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].v, 0.625f);
    Place(g_Hero, 319, 0, 0, kPaintBlue);
    RunUntilSpent(g_HeroPaint, true);
    EXPECT_EQ(Stage7Now().heroStopLow, 0);
}

TEST_F(Stage7, ResetRewindsTheEventsAndWinNeedsBoth) {
    Place(g_Hero, 416, 128, 1, kPaintGreen);
    RunUntilSpent(g_HeroPaint);
    EXPECT_EQ(Stage7Now().stoneState, 2);
    g_ScriptReset = 1;
    kStage7Script.run();
    g_ScriptReset = 0;
    EXPECT_EQ(Stage7Now().stoneState, 0);
    EXPECT_EQ(EventTicks(7, 1), 0);

    Park(g_Hero);
    ExpectMeeting({g_Partner, 64, 256, 0, g_Hero, 32, 256, 0});
}
