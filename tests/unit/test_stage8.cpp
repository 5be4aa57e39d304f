// Stage 8's events, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage8 : public StageTest {
protected:
    Stage8() : StageTest(8) {}
    void SetUp() override {
        StageTest::SetUp();
        // Out of every event's way unless a test puts them somewhere.
        Place(g_Hero, 0, 32, 0);
        Place(g_Partner, 320, 96, 0);
    }
};

}  // namespace

TEST_F(Stage8, PlantAGrowsForTheBluePartnerOnlyWhileTheHeroIsClearOfTheGap) {
    Place(g_Partner, 260, 96, 0, kPaintBlue);
    Run(20);
    EXPECT_EQ(EventTicks(8, 3), 0);  // facing right: not the plant's side

    g_Partner.facing = 1;
    Place(g_Hero, 200, 32, 0);
    Run(20);
    EXPECT_EQ(EventTicks(8, 3), 0);  // the hero stands over the gap
    EXPECT_EQ(g_Partner.halted, 0);

    g_Hero.x = 256;
    Run(31);
    EXPECT_EQ(g_Partner.halted, 1);
    EXPECT_EQ(g_PartnerPose, 2);
    EXPECT_EQ(MapCell(8, 2, 7), 0);
    RunUntilSpent(g_PartnerPaint, false, 200);
    EXPECT_EQ(Stage8Now().plantAGrown, 1);
    EXPECT_EQ(MapCell(8, 2, 7), 60);  // one cell taller: the gap is closed
    ExpectCells(8, {{2, 8, 61}, {3, 7, 76}, {4, 8, 93}});
}

TEST_F(Stage8, BurningPlantASetsTheStopLowFlagsUnlessPlantBHasChanged) {
    Place(g_Partner, 260, 96, 1, kPaintRed);
    Run(50);
    EXPECT_EQ(MapCell(8, 3, 7), 68);
    Run(1);  // n = 50 burns
    ExpectCells(8, {{3, 7, 0}, {4, 7, 2}, {4, 8, 2}});
    EXPECT_EQ(g_PartnerPaint, 0);
    EXPECT_EQ(Stage8Now().heroStopLow, 1);
    EXPECT_EQ(Stage8Now().partnerStopLow, 1);

    // A grown plant A burnt after plant B has changed leaves them clear.
    StageInit(8);
    Stage8Arrange([](Stage8Facts& s) { s.plantAGrown = 1, s.plantBChanged = 1; });
    Place(g_Hero, 0, 32, 0);
    Place(g_Partner, 260, 96, 1, kPaintRed);
    RunUntilSpent(g_PartnerPaint, false, 200);
    EXPECT_EQ(MapCell(8, 2, 7), 0);
    EXPECT_EQ(EventTicks(8, 5), 0);
    EXPECT_EQ(EventTicks(8, 6), 51);
    EXPECT_EQ(Stage8Now().heroStopLow, 0);
    EXPECT_EQ(Stage8Now().partnerStopLow, 0);
}

TEST_F(Stage8, AWalkerStoppedLowIsHeldOnlyAtHeight224) {
    Stage8Arrange([](Stage8Facts& s) { s.heroStopLow = 1; });
    g_Hero.y = 192;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 0);
    g_Hero.y = 224;
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].v, 0.625f);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[2].v, 0.6875f);
    EXPECT_EQ(g_Partner.halted, 0);  // her flag is her own
}

TEST_F(Stage8, WaterPutsTheFlamesOutOneByOneAndFireIsSpent) {
    Place(g_Hero, 512, 256, 0);
    g_HeroPaint = kPaintRed;  // fire at the flame: the gesture, nothing else
    EXPECT_EQ(RunUntilSpent(g_HeroPaint, false, 200), 51);
    EXPECT_EQ(Stage8Now().flame17State, 0);
    EXPECT_NE(MapCell(8, 8, 17), 0);

    g_HeroPaint = kPaintBlue;
    Run(51);
    EXPECT_NE(MapCell(8, 8, 17), 0);
    Run(1);  // n > 50
    ExpectCells(8, {{8, 17, 0}, {9, 17, 164}});
    EXPECT_EQ(Stage8Now().flame17State, 2);
    EXPECT_EQ(g_HeroPaint, 0);
    Run(40);  // the flicker stays out
    EXPECT_EQ(MapCell(8, 8, 17), 0);
    EXPECT_NE(MapCell(8, 8, 18), 0);  // the other flame burns on

    g_Hero.x = 544;
    g_HeroPaint = kPaintBlue;
    Run(32);
    EXPECT_EQ(MapCell(8, 8, 18), 0);
    EXPECT_EQ(Stage8Now().flame18State, 2);
}

TEST_F(Stage8, FireAtTheColumnBurnsItThenTheLedgeDropsFaller1OnTheFlames) {
    Place(g_Hero, 480, 256, 0, kPaintRed);
    RunUntilSpent(g_HeroPaint, false, 200);  // event 13: the column burns at n = 50
    EXPECT_EQ(Stage8Now().columnChanged, 1);
    ExpectCells(8, {{8, 16, 0}, {9, 16, 2}});
    EXPECT_EQ(MapCell(8, 5, 16), 36);  // the ledge still stands
    EXPECT_EQ(EventTicks(8, 21), 0);

    g_HeroPaint = kPaintRed;  // event 21 now that the column has changed
    Run(21);
    EXPECT_EQ(Stage8Now().ledgeStep, 1);
    EXPECT_EQ(MapCell(8, 5, 16), 36);
    Run(10);  // 150 ms later the ledge is gone
    for (int col = 16; col <= 19; ++col) EXPECT_EQ(MapCell(8, 5, col), 0);
    EXPECT_EQ(Stage8Now().faller1Gone, 0);
    Run(39);
    EXPECT_EQ(Stage8Now().faller1Gone, 0);
    Run(1);  // n = 70: faller 1 and both flames are gone, landed or not
    EXPECT_EQ(Stage8Now().faller1Gone, 1);
    EXPECT_EQ(g_Fallers[8][0].quad.v[0].diffuse, 0x00FFFFFFu);
    ExpectCells(8, {{8, 17, 0}, {9, 18, 164}});
    EXPECT_EQ(g_HeroPaint, 0);
}

TEST_F(Stage8, WaterAtTheColumnGrowsItFourCellsHigh) {
    Place(g_Partner, 480, 256, 0, kPaintBlue);
    RunUntilSpent(g_PartnerPaint, false, 200);
    EXPECT_EQ(Stage8Now().columnChanged, 1);
    ExpectCells(8, {{6, 16, 1}, {7, 16, 17}, {8, 16, 33}, {9, 16, 49}});
}

TEST_F(Stage8, Faller1TurnsTheHeroOnTheLedgeUntilItVanishes) {
    Faller& f = g_Fallers[8][0];
    Place(g_Hero, 512, 128, 0);
    f.x = 544;
    f.y = 128;
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);

    Place(g_Hero, 511, 128, 0, kPaintBlue);
    RunUntilSpent(g_HeroPaint, false, 200);
    EXPECT_EQ(Stage8Now().faller1Gone, 1);
    EXPECT_EQ(f.quad.v[0].diffuse, 0x00FFFFFFu);
    EXPECT_FLOAT_EQ(f.quad.v[0].v, 0.1875f);  // the last of four pictures
    Place(g_Hero, 512, 128, 0);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 0);
}

TEST_F(Stage8, FireAtTheWallsOnlyShakesTheBlockSprite) {
    Place(g_Partner, 352, 96, 0, kPaintRed);
    int frames = RunUntilSpent(g_PartnerPaint, false, 200);
    EXPECT_GT(frames, 30);
    EXPECT_EQ(Stage8Now().blockShakeFrame, 0);  // back at rest
    ExpectCells(8, {{3, 12, 199}, {3, 13, 199}});
}

TEST_F(Stage8, CollisionModesFollowThePlantsReach) {
    Place(g_Partner, 288, 96, 1);
    Place(g_Hero, 128, 256, 1);
    Run(1);
    EXPECT_EQ(g_Partner.collisionMode, 1);
    EXPECT_EQ(g_Hero.collisionMode, 1);
    g_Partner.x = 289;
    g_Hero.x = 127;
    Run(1);
    EXPECT_EQ(g_Partner.collisionMode, 0);
    EXPECT_EQ(g_Hero.collisionMode, 0);
}

TEST_F(Stage8, TheFirstToArriveWaitsFacingLeftAndBothInPlaceWin) {
    ExpectMeeting({g_Hero, 576, 256, 1, g_Partner, 544, 256, -1});
}

TEST_F(Stage8, ScriptResetRewindsTheEventsAndTheInitRestoresTheCells) {
    Place(g_Hero, 480, 256, 0, kPaintRed);
    RunUntilSpent(g_HeroPaint, false, 200);
    ASSERT_EQ(MapCell(8, 8, 16), 0);
    Stage8Arrange([](Stage8Facts& s) { s.plantAGrown = 1; });
    g_HeroArrived = 1;
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(Stage8Now().columnChanged, 0);
    EXPECT_EQ(Stage8Now().plantAGrown, 0);
    EXPECT_EQ(EventTicks(8, 13), 0);
    EXPECT_EQ(g_HeroArrived, 1);  // the init clears the arrival flags
    StageInit(8);
    ExpectCells(8, {{8, 16, 35}, {9, 16, 51}});
    EXPECT_EQ(g_HeroArrived, 0);
}
