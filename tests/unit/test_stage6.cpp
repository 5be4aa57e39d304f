// Stage 6's events, driven directly with a fake clock.
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

class Stage6 : public StageTest {
protected:
    Stage6() : StageTest(6, 0, true) {}
};

}  // namespace

TEST_F(Stage6, SmallBlockOnlyAnswersTheRightPaintAndFacing) {
    Place(g_Hero, 389, 64, 1);
    g_HeroPaint = kPaintRed;  // no red event here
    Run(40);
    EXPECT_EQ(g_Hero.halted, 0);
    g_HeroPaint = kPaintGreen;
    g_Hero.facing = 0;  // facing away
    Run(40);
    EXPECT_EQ(EventTicks(6, 3), 0);
    EXPECT_EQ(F(1).x, 352);
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_HeroPose, 2);
}

TEST_F(Stage6, WaterPushesTheSmallBlockDownAndEndsWhenItLands) {
    Place(g_Partner, 389, 64, 1, kPaintBlue);
    Run(31, true);
    EXPECT_EQ(F(1).x, 352);  // nothing moves before the gesture's 31st tick
    RunUntilSpent(g_PartnerPaint, true, 200);
    ExpectAt(F(1), 318, 96);
    EXPECT_EQ(Stage6Now().blockMoved, 1);
    EXPECT_EQ(g_Partner.halted, 0);
    EXPECT_EQ(g_PartnerPose, 0);
}

TEST_F(Stage6, WindTakesTheRockInTwoStepsWaterAtOnce) {
    Place(g_Hero, 192, 0, 1, kPaintGreen);
    Run(32);  // n = 31: the first 200 ms step
    ExpectCells(6, {{0, 5, 13}, {1, 5, 29}});
    EXPECT_EQ(Stage6Now().rockState, 1);
    Run(13);  // 195 ms later: not yet
    EXPECT_EQ(MapCell(6, 0, 5), 13);
    Run(1);
    ExpectCells(6, {{0, 5, 0}, {1, 5, 30}});
    EXPECT_EQ(Stage6Now().rockState, 2);
    EXPECT_EQ(Stage6Now().heroStopLow, 1);
    EXPECT_EQ(g_HeroPaint, 0);

    StageInit(6);
    Place(g_Hero, 192, 0, 1);
    Park(g_Partner);
    g_HeroPaint = kPaintBlue;
    Run(31);
    EXPECT_NE(MapCell(6, 0, 5), 0);
    Run(1);
    ExpectCells(6, {{0, 5, 0}, {1, 5, 30}});
    EXPECT_EQ(g_HeroPaint, 0);
}

TEST_F(Stage6, WindOpensTheShaftOnAnyFloorWaterDoesNot) {
    g_Partner.x = 426;
    g_Partner.y = 160;  // no height condition
    g_Partner.facing = 0;
    g_PartnerPaint = kPaintBlue;
    Run(40);
    EXPECT_EQ(MapCell(6, 2, 14), 24);
    g_PartnerPaint = kPaintGreen;
    Run(32);
    ExpectCells(6, {{1, 14, 0}, {1, 15, 0}, {2, 14, 0}, {3, 14, 3}, {3, 15, 3}});
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage6, WideBlockPushedStillTurnsWalkersMeltedItDoesNot) {
    // Pushed off by wind: it lands beside the goal and keeps turning walkers.
    Place(g_Hero, 256, 96, 1, kPaintGreen);
    int frames = RunUntilSpent(g_HeroPaint, true, 300);
    ExpectAt(F(2), 126, 224);
    EXPECT_EQ(Stage6Now().wideBlockMoved, 0);
    EXPECT_EQ(Stage6Now().blockMoved, 1);  // the small block's events are off now
    Place(g_Partner, 176, 224, 1);
    Run(1);
    EXPECT_EQ(g_Partner.facing, 0);

    // Melted by water: gone from sight, turns nobody, and stops the hero low.
    StageInit(6);
    Park(g_Partner);
    Place(g_Hero, 256, 96, 1, kPaintBlue);
    frames = 0;
    while (g_HeroPaint == kPaintBlue && frames < 300) {
        Run(1);
        ++frames;
    }
    EXPECT_EQ(Stage6Now().wideBlockMoved, 1);
    EXPECT_EQ(F(2).quad.v[0].diffuse >> 24, 0u);
    EXPECT_EQ(Stage6Now().heroStopLow, 1);
    g_Hero.x = 242;
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);
    g_Hero.x = 200;
    g_Hero.y = 188;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);  // stopped low for good
}

TEST_F(Stage6, LowBlockPushedOneCellStillTurnsWaterSoftensIt) {
    Place(g_Hero, 354, 160, 1, kPaintGreen);
    int frames = RunUntilSpent(g_HeroPaint, false, 200);
    EXPECT_EQ(F(3).x, 288);
    EXPECT_EQ(Stage6Now().lowBlockState, 1);
    g_Hero.x = 320;
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_Hero.facing, 0);
    // Water from the new place softens it: six 100 ms pictures.
    g_Hero.x = 321;
    g_Hero.facing = 1;
    g_HeroPaint = kPaintBlue;
    frames = 0;
    while (g_HeroPaint == kPaintBlue && frames < 200) {
        Run(1);
        ++frames;
    }
    EXPECT_EQ(Stage6Now().lowBlockState, 2);
    EXPECT_FLOAT_EQ(F(3).quad.v[0].u, 0.5f);
    g_Hero.x = 320;
    g_Hero.facing = 1;
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);
}

TEST_F(Stage6, ResetRewindsEventsButNotTheGoalColumn) {
    Place(g_Hero, 389, 64, 1, kPaintGreen);
    Run(40);
    Stage6Arrange([](Stage6Facts& s) { s.lowBlockState = 2; });
    const int column = Stage6Now().goalFrame;
    g_HeroPaint = 0;  // the rest of a reset call runs as usual
    g_ScriptReset = 1;
    kStage6Script.run();
    g_ScriptReset = 0;
    EXPECT_EQ(EventTicks(6, 3), 0);
    EXPECT_EQ(Stage6Now().lowBlockState, 0);
    EXPECT_EQ(Stage6Now().goalFrame, column);
}

TEST_F(Stage6, WonOnlyWithBothWalkersAtTheGoal) {
    ExpectMeeting({g_Hero, 32, 192, 0, g_Partner, 64, 192, 1});
}
