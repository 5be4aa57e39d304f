// Stage 3's wind events and walker rules, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage3 : public StageTest {
protected:
    Stage3() : StageTest(3) {}
};

}  // namespace

TEST_F(Stage3, HeroBlowsFaller1OffTheTopShelfOnlyWithGreen) {
    Place(g_Hero, 95, 0, 0, kPaintRed);
    Run(10, true);
    EXPECT_EQ(EventTicks(3, 2), 0);
    EXPECT_EQ(F(1).x, 128);
    g_HeroPaint = kPaintGreen;
    RunUntilSpent(g_HeroPaint, true, 300);
    EXPECT_EQ(F(1).x, 162);  // pushed while at most 160
    EXPECT_EQ(F(1).y, 96);   // on the long shelf
    EXPECT_EQ(Stage3Now().faller1State, 1);
    EXPECT_EQ(Stage3Now().splashCount1, 12);  // the event ends on splash count 11
    EXPECT_EQ(g_Hero.halted, 0);
    EXPECT_EQ(g_HeroPose, 0);
}

TEST_F(Stage3, Faller1IsCarriedBackOnlyFromCounter31) {
    F(1).x = 162;
    F(1).y = 96;
    Stage3Arrange([](Stage3Facts& s) { s.faller1State = 1, s.splashCount1 = 7; });
    Place(g_Hero, 195, 96, 1, kPaintGreen);
    Run(31);
    EXPECT_EQ(F(1).x, 162);
    EXPECT_EQ(Stage3Now().splashCount1, 0);
    for (int i = 0; i < 200 && g_HeroPaint == kPaintGreen; ++i) Run(1);
    EXPECT_EQ(F(1).x, 128);
    EXPECT_EQ(Stage3Now().faller1State, 2);
}

// The hero's first push moves faller 2 off 478 at once, so the rule that
// turns a hero walking into it no longer holds and his wind carries it a
// whole step, to 512.
TEST_F(Stage3, HerosWindCarriesFaller2OneStepAlongTheMiddleShelf) {
    F(2).x = 478;
    F(2).y = 160;
    Stage3Arrange([](Stage3Facts& s) { s.faller2State = 1; });
    Place(g_Hero, 446, 160, 0, kPaintGreen);
    int frames = 0;
    while (g_HeroPaint == kPaintGreen && frames < 200) {
        Run(1);
        EXPECT_EQ(g_Hero.facing, 0);
        ++frames;
    }
    EXPECT_EQ(F(2).x, 512);
    EXPECT_EQ(Stage3Now().faller2State, 2);
    EXPECT_EQ(g_Hero.halted, 0);
}

TEST_F(Stage3, PartnersPushesCarryFaller2AlongInThreeSteps) {
    F(2).x = 478;
    F(2).y = 160;
    Stage3Arrange([](Stage3Facts& s) { s.faller2State = 1; });
    const float triggers[3] = {445, 479, 511};
    const float stops[3] = {512, 544, 576};
    for (int i = 0; i < 3; ++i) {
        Place(g_Partner, triggers[i], 160, 0, kPaintGreen);
        RunUntilSpent(g_PartnerPaint, false, 200);
        EXPECT_EQ(F(2).x, stops[i]);
        EXPECT_EQ(Stage3Now().faller2State, 2 + i);
    }
}

TEST_F(Stage3, PartnersWindMovesTheWideBlockHalfAsFast) {
    Place(g_Hero, 385, 160, 1, kPaintGreen);
    Run(20);
    const float heroMoved = 320 - F(3).x;
    StageInit(3);
    g_Now = 900000;
    Place(g_Hero, 0, 0, 0, 0);
    Place(g_Partner, 385, 160, 1, kPaintGreen);
    Run(20);
    const float partnerMoved = 320 - F(3).x;
    EXPECT_GT(partnerMoved, 0);
    EXPECT_EQ(heroMoved, 2 * partnerMoved);
}

TEST_F(Stage3, WideBlockEndsOnTheSmallLedge) {
    Place(g_Hero, 385, 160, 1, kPaintGreen);
    RunUntilSpent(g_HeroPaint, true, 300);
    EXPECT_EQ(Stage3Now().faller3State, 1);
    EXPECT_EQ(F(3).y, 256);
    EXPECT_LE(F(3).x, 288);
}

TEST_F(Stage3, WideBlockTurnsWalkersAt50PixelsAndCarriesThemOnTheLedge) {
    Place(g_Hero, 371, 160, 1, 0);
    Place(g_Partner, 370, 160, 1, 0);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);
    EXPECT_EQ(g_Partner.facing, 0);
    F(3).x = 286;
    F(3).y = 256;
    Place(g_Hero, 340, 215, 1, 0);
    Place(g_Partner, 350, 215, 1, 0);
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 1);
    EXPECT_EQ(g_Partner.gravityOff, 1);
    g_Hero.x = 341;
    g_Partner.x = 351;
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
    EXPECT_EQ(g_Partner.gravityOff, 0);
}

TEST_F(Stage3, ObstacleBurnsInTwoSteps150MsApartAndStopsFlickering) {
    Place(g_Hero, 288, 96, 0, kPaintGreen);
    Run(1);
    EXPECT_EQ(Stage3Now().obstacleState, 1);
    const ChipCode shown = MapCell(3, 3, 10);
    Run(29);  // counters 1..29, 435 ms
    EXPECT_EQ(MapCell(3, 3, 10), shown);
    Run(1);
    ExpectCells(3, {{3, 10, 60}, {4, 10, 76}});
    Run(9);
    EXPECT_EQ(Stage3Now().obstacleState, 1);
    Run(1);
    ExpectCells(3, {{3, 10, 0}, {4, 10, 77}});
    EXPECT_EQ(Stage3Now().obstacleState, 2);
    EXPECT_EQ(g_HeroPaint, 0);
}

TEST_F(Stage3, HeroFirstWaitsAndThePartnerStopsBesideHim) {
    ExpectMeeting({g_Hero, 32, 224, 0, g_Partner, 64, 224, 1});
}

TEST_F(Stage3, PartnerFirstStopsTheHeroOnlyAfterHeHasBeenLow) {
    Place(g_Partner, 64, 224, 1, 0);
    Run(1);
    EXPECT_EQ(g_PartnerArrived, 1);
    EXPECT_EQ(g_Partner.facing, 0);
    // A hero high up whose right edge meets her x is not stopped.
    Place(g_Hero, 32, 96, 1, 0);
    Run(1);
    EXPECT_EQ(Stage3Now().heroWasLow, 0);
    EXPECT_EQ(g_Hero.halted, 0);
    g_Hero.y = 224;
    Run(1);
    EXPECT_EQ(g_HeroArrived, 0);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_Partner.facing, 1);
    EXPECT_EQ(g_StageCleared, 1);
}

TEST_F(Stage3, ResetRewindsTheEventsAndTheInitRestoresTheStage) {
    Place(g_Hero, 288, 96, 0, kPaintGreen);
    Run(45);
    ASSERT_EQ(Stage3Now().obstacleState, 2);
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(Stage3Now().obstacleState, 0);
    EXPECT_EQ(EventTicks(3, 1), 0);
    StageInit(3);
    ExpectCells(3, {{3, 10, 57}, {4, 10, 73}});
    EXPECT_EQ(F(2).x, 512);
    EXPECT_EQ(F(3).x, 320);
}
